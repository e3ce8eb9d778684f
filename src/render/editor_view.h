#pragma once
// The editor screen's picture: the stored cave cell by cell with marks for facing and state,
// the element palette under it, the palette choice and the rectangle being dragged. It draws
// from the set itself, so every edit shows on the next frame.

#include <array>
#include <cstdint>

#include "core/cave_set.h"
#include "render/canvas.h"
#include "render/tile_images.h"

namespace krattle {

inline constexpr int EditorCell = 20;
inline constexpr int EditorSurfaceWidth = 800;
inline constexpr int EditorSurfaceHeight = 472;
inline constexpr int PaletteSlots = 24;

// A rectangle dragged with the right button: from its start cell to the live corner cell.
struct EditorRect {
  bool Active = false;
  int StartX = 0, StartY = 0;
  int CornerX = 0, CornerY = 0;
};

struct EditorViewInput {
  const CaveSet& Set;
  int Cave = 0, Level = 0;
  TileStyles Styles;
  const std::array<std::uint8_t, 880>& Looks;  // each cell's look, 0..3
  int PaletteChoice = -1;                      // -1: none
  EditorRect Rect;
};

// A cell's picture and mark (-1: none).
struct EditorCellLook {
  int Picture = -1;
  int Mark = -1;
};

EditorCellLook EditorCellPicture(int code, const TileStyles& styles, int look,
                                 const AnimClock& clock);
// A palette slot's picture (-1 for the Space slot) and mark.
EditorCellLook PalettePicture(int slot, const TileStyles& styles, const AnimClock& clock);

// Advances the animation clock one frame, draws the whole screen and presents it.
void RenderEditorView(Canvas& canvas, const EditorViewInput& in, AnimClock& clock);

}  // namespace krattle
