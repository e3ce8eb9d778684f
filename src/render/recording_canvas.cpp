#include "render/recording_canvas.h"

namespace krattle {

void RecordingCanvas::Add(const DrawCall& c) {
  pending_.push_back(c);
  if (KeepAll) all_.push_back(c);
}

void RecordingCanvas::Fill(std::uint32_t rgb) {
  Add({DrawCall::Fill, ImageListId::Images, static_cast<int>(rgb), 0, 0, 0, 0});
}

void RecordingCanvas::DrawItem(ImageListId list, int n, int x, int y) {
  Add({DrawCall::Draw, list, n, x, y, 0, 0});
}

void RecordingCanvas::StretchItem(ImageListId list, int n, int left, int top, int right,
                                  int bottom) {
  Add({DrawCall::Stretch, list, n, left, top, right, bottom});
}

int RecordingCanvas::ItemPatternWidth(ImageListId list, int n) const {
  auto it = widths_.find({list, n});
  if (it != widths_.end()) return it->second;
  return list == ImageListId::Images ? TileWidth : GlyphWidth;
}

void RecordingCanvas::Present() {
  if (KeepAll) all_.push_back({DrawCall::Present});
  last_.swap(pending_);
  pending_.clear();
  ++presented_;
}

}  // namespace krattle
