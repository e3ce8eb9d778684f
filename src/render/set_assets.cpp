#include "render/set_assets.h"

#include "render/set_file.h"

namespace krattle {

void SetFileAssets::Index(ImageListId id, const ImageList& list) {
  views_.Clear(id);
  for (std::size_t n = 0; n < list.Items.size(); ++n) {
    const ImageItem& item = list.Items[n];
    PixelView v;
    v.Width = item.Pic.Width;
    v.Height = item.Pic.Height;
    v.Pixels = item.Pic.Pixels.data();
    v.PatternWidth = static_cast<int>(item.PatternWidth);
    v.PatternHeight = static_cast<int>(item.PatternHeight);
    v.Transparent = item.Transparent;
    v.Key = item.TransparentColor;
    views_.Set(id, static_cast<int>(n), v);
  }
}

std::string SetFileAssets::LoadTiles(const std::filesystem::path& path, int) {
  ImageList fresh;
  const IoResult r = LoadImageList(path, TileSetItems, fresh);
  if (!r.Ok) return r.Message;
  tiles_ = std::move(fresh);
  Index(ImageListId::Images, tiles_);
  return {};
}

std::string SetFileAssets::LoadFonts(const std::filesystem::path& path) {
  ImageList fresh;
  const IoResult r = LoadImageList(path, FontSetItems, fresh);
  if (!r.Ok) return r.Message;
  fonts_ = std::move(fresh);
  Index(ImageListId::Fonts, fonts_);
  return {};
}

std::string SetFileAssets::LoadSounds(const std::filesystem::path& path) {
  WaveList waves;
  const IoResult r = LoadWaveList(path, SoundSetWaves, waves);
  if (!r.Ok) return r.Message;
  if (WavesLoaded) WavesLoaded(waves);
  return {};
}

const PixelView* SetFileAssets::Item(ImageListId list, int n) const {
  return views_.Get(list, n);
}

}  // namespace krattle
