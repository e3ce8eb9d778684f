#pragma once
// The graphics and sound sets read from their files, for the headless runner and krattle-cli:
// an AssetLoader that fills image lists, and the ImageSource a software canvas draws from.

#include "game/platform.h"
#include "render/image_list.h"
#include "render/software_canvas.h"

namespace krattle {

class SetFileAssets : public AssetLoader, public ImageSource {
 public:
  std::string LoadTiles(const std::filesystem::path& path, int tileSize) override;
  std::string LoadFonts(const std::filesystem::path& path) override;
  // Only checked here: the headless runner has no sound device to give the waves to.
  std::string LoadSounds(const std::filesystem::path& path) override;

  const PixelView* Item(ImageListId list, int n) const override;

 private:
  void Index(ImageListId id, const ImageList& list);
  ImageList tiles_, fonts_;
  PixelViewTable views_;
};

}  // namespace krattle
