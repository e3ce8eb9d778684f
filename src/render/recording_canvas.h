#pragma once
// A canvas that only remembers what was asked of it: the renderers' test double, and the
// headless runner's surface when nobody needs pixels.

#include <map>
#include <utility>
#include <vector>

#include "render/canvas.h"

namespace krattle {

struct DrawCall {
  enum Kind : std::uint8_t { Fill, Draw, Stretch, Present } What = Draw;
  ImageListId List = ImageListId::Images;
  int Item = 0;
  int X = 0, Y = 0, Right = 0, Bottom = 0;  // Fill keeps its colour in Item
  bool operator==(const DrawCall&) const = default;
};

class RecordingCanvas : public Canvas {
 public:
  // Tiles are as wide as the zoom's tile; glyphs get one width unless a test sets another.
  int TileWidth = 32;
  int GlyphWidth = 16;

  void Fill(std::uint32_t rgb) override;
  void DrawItem(ImageListId list, int n, int x, int y) override;
  void StretchItem(ImageListId list, int n, int left, int top, int right, int bottom) override;
  int ItemPatternWidth(ImageListId list, int n) const override;
  void Present() override;

  void SetPatternWidth(ImageListId list, int n, int w) { widths_[{list, n}] = w; }

  // Calls since the last Present (the frame being composed) and of the last presented frame.
  const std::vector<DrawCall>& Pending() const { return pending_; }
  const std::vector<DrawCall>& LastFrame() const { return last_; }
  int FramesPresented() const { return presented_; }
  // Keep calls across frames too (off by default: a long run would grow without end).
  bool KeepAll = false;
  const std::vector<DrawCall>& All() const { return all_; }

 private:
  void Add(const DrawCall& c);
  std::map<std::pair<ImageListId, int>, int> widths_;
  std::vector<DrawCall> pending_, last_, all_;
  int presented_ = 0;
};

}  // namespace krattle
