#pragma once
// The graphics and sound sets read from their files: an AssetLoader that fills image lists, the
// ImageSource a software canvas draws from, and the waves handed to whoever plays them.

#include <functional>

#include "render/asset_loader.h"
#include "render/image_list.h"
#include "render/software_canvas.h"

namespace krattle {

class SetFileAssets : public AssetLoader, public ImageSource {
 public:
  std::string LoadTiles(const std::filesystem::path& path, int tileSize) override;
  std::string LoadFonts(const std::filesystem::path& path) override;
  // A set that loads replaces the waves whole and goes to WavesLoaded, if anyone listens.
  std::string LoadSounds(const std::filesystem::path& path) override;

  // The sound device lives in the platform ring; it hears of each new set through this.
  std::function<void(const WaveList&)> WavesLoaded;

  const PixelView* Item(ImageListId list, int n) const override;

 private:
  void Index(ImageListId id, const ImageList& list);
  ImageList tiles_, fonts_;
  PixelViewTable views_;
};

}  // namespace krattle
