#pragma once
// A canvas in plain memory: the headless runner's surface when someone wants to see pixels
// (krattle-cli shot, the frame benchmark). Pictures come from an ImageSource.

#include <cstdint>
#include <vector>

#include "render/canvas.h"

namespace krattle {

// One picture as the canvas reads it: row-major 0xRRGGBB pixels, pattern 0 of the item.
struct PixelView {
  int Width = 0;
  int Height = 0;
  const std::uint32_t* Pixels = nullptr;
  int PatternWidth = 0;  // 0: the whole picture
  int PatternHeight = 0;
  bool Transparent = true;
  std::uint32_t Key = 0xFF00FF;
  // Optional, one byte per row: 1 when the row holds no transparent pixel (copied whole).
  const std::uint8_t* OpaqueRows = nullptr;

  int DrawWidth() const { return PatternWidth > 0 && PatternWidth < Width ? PatternWidth : Width; }
  int DrawHeight() const {
    return PatternHeight > 0 && PatternHeight < Height ? PatternHeight : Height;
  }
};

// Fills `rows` for `view` and points the view at it.
void MarkOpaqueRows(PixelView& view, std::vector<std::uint8_t>& rows);

// The views of both lists by number, with the opaque-row marks they point at.
class PixelViewTable {
 public:
  void Clear(ImageListId list);
  void Set(ImageListId list, int n, const PixelView& view);
  const PixelView* Get(ImageListId list, int n) const {
    const auto& v = views_[Index(list)];
    return n >= 0 && n < static_cast<int>(v.size()) && v[n].Pixels ? &v[n] : nullptr;
  }

 private:
  static int Index(ImageListId list) { return list == ImageListId::Fonts ? 1 : 0; }
  std::vector<PixelView> views_[2];
  std::vector<std::vector<std::uint8_t>> rows_[2];
};

class ImageSource {
 public:
  virtual ~ImageSource() = default;
  // Null for an item the list does not hold.
  virtual const PixelView* Item(ImageListId list, int n) const = 0;
};

class SoftwareCanvas : public Canvas {
 public:
  SoftwareCanvas(const ImageSource& source, int width, int height);

  void Resize(int width, int height);
  void Fill(std::uint32_t rgb) override;
  // Items the list does not hold draw nothing: a style byte from a damaged cave file must not
  // take the program down.
  void DrawItem(ImageListId list, int n, int x, int y) override;
  void StretchItem(ImageListId list, int n, int left, int top, int right, int bottom) override;
  int ItemPatternWidth(ImageListId list, int n) const override;
  void Present() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The last presented frame, row-major 0xRRGGBB.
  const std::vector<std::uint32_t>& Frame() const { return front_; }
  int FramesPresented() const { return presented_; }

 private:
  const ImageSource& source_;
  int width_ = 0, height_ = 0;
  std::vector<std::uint32_t> back_, front_;
  int presented_ = 0;
};

}  // namespace krattle
