#pragma once
// Pictures made up on the spot, numbered like the real sets: flat tiles with a transparent
// corner, fixed-width glyphs and full-size backgrounds. For the benchmark and tests, where the
// art does not matter but its sizes and transparency do.

#include <map>
#include <utility>
#include <vector>

#include "render/software_canvas.h"

namespace krattle {

class PlaceholderImages : public ImageSource {
 public:
  explicit PlaceholderImages(int tileSize);
  const PixelView* Item(ImageListId list, int n) const override;

 private:
  void Make(ImageListId list, int n, int w, int h);
  std::map<std::pair<ImageListId, int>, std::vector<std::uint32_t>> pixels_;
  PixelViewTable views_;
};

}  // namespace krattle
