#include "render/placeholder_images.h"

namespace krattle {

PlaceholderImages::PlaceholderImages(int tileSize) {
  const int t = tileSize;
  for (int n = 0; n <= 321; ++n) Make(ImageListId::Images, n, t, t);
  for (int n = 322; n <= 324; ++n) Make(ImageListId::Images, n, 20 * t, 12 * t + 24);
  for (int n = 0; n <= 115; ++n) {
    const bool background = n == 71 || n == 72;
    Make(ImageListId::Fonts, n, background ? (n == 71 ? 640 : 800) : 16, background ? 24 : 20);
  }
}

void PlaceholderImages::Make(ImageListId list, int n, int w, int h) {
  const auto key = std::make_pair(list, n);
  auto& px = pixels_[key];
  px.resize(static_cast<std::size_t>(w) * h);
  const std::uint32_t colour = (static_cast<std::uint32_t>(n) * 2654435761u) & 0x7F7F7F;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      // The top-left triangle of every picture is see-through.
      px[static_cast<std::size_t>(y) * w + x] = x + y < w / 4 ? 0xFF00FF : colour | 0x404040;
  PixelView v;
  v.Width = w;
  v.Height = h;
  v.Pixels = px.data();
  views_.Set(list, n, v);
}

const PixelView* PlaceholderImages::Item(ImageListId list, int n) const {
  return views_.Get(list, n);
}

}  // namespace krattle
