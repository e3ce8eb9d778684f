#pragma once
// The grid of the cave being played and its companion maps. Indices wrap once around the
// cave, so the grid has no border cells.

#include <array>
#include <cstdint>

#include "core/elements.h"

namespace krattle {

inline constexpr int CellCount = 880;
inline constexpr int MaxRows = 22;

inline int WrapCell(int i, int caveWidth) {
  if (caveWidth == 40) {
    if (i < 0) return i + 880;
    if (i > 879) return i - 880;
  } else if (caveWidth == 20) {
    if (i < 0) return i + 240;
    if (i > 239) return i - 240;
  }
  return i;
}

struct CaveGrid {
  int CaveWidth = 40;
  std::array<Element, CellCount> Cells{};
  // How each cell's content arrived during the last tick (sliding animation).
  std::array<std::uint8_t, CellCount> MoveMap{};
  // A random look 0..3 per cell.
  std::array<std::uint8_t, CellCount> VariantMap{};
  // The cave as loaded, for the reveal.
  std::array<Element, CellCount> CaveCopy{};

  int Rows() const { return CaveWidth == 20 ? 12 : 22; }
  int Wrap(int i) const { return WrapCell(i, CaveWidth); }
  // Indices below this are their own wrap for every width, so only edge cells pay for WrapCell.
  int WrapLimit() const { return CaveWidth == 20 ? 240 : CellCount; }
  int Safe(int i) const {
    if (static_cast<unsigned>(i) < static_cast<unsigned>(WrapLimit())) return i;
    return SafeEdge(i);
  }
  // A wrapped index can still leave the array only for a width other than 20 or 40, which the
  // cave loader never sets; the mask-free clamp keeps a bad width from writing out of bounds.
  int SafeEdge(int i) const {
    int w = Wrap(i);
    return (w >= 0 && w < CellCount) ? w : ((w % CellCount) + CellCount) % CellCount;
  }
  Element& At(int i) { return Cells[Safe(i)]; }
  Element At(int i) const { return Cells[Safe(i)]; }
  std::uint8_t& Move(int i) { return MoveMap[Safe(i)]; }
  std::uint8_t& Variant(int i) { return VariantMap[Safe(i)]; }
};

}  // namespace krattle
