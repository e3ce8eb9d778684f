#pragma once
// The drawing surface the renderers compose a frame on. Pictures are asked for by their number
// in one of the two image lists; the surface clips and keys out the transparent colour.

#include <cstdint>

namespace krattle {

enum class ImageListId : std::uint8_t { Images, Fonts };

inline constexpr std::uint32_t ColourBlack = 0x000000;
inline constexpr std::uint32_t ColourWhite = 0xFFFFFF;

class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void Fill(std::uint32_t rgb) = 0;
  virtual void DrawItem(ImageListId list, int n, int x, int y) = 0;
  // Right and bottom are exclusive.
  virtual void StretchItem(ImageListId list, int n, int left, int top, int right, int bottom) = 0;
  virtual int ItemPatternWidth(ImageListId list, int n) const = 0;
  virtual void Present() = 0;
};

}  // namespace krattle
