#pragma once
// The game view: a 21 x 13 window of cells sliding by the last tick's moves. The game frame
// draws it band by band; nothing here changes the cave run.

#include "engine/engine.h"
#include "render/canvas.h"
#include "render/tile_images.h"
#include "render/view_state.h"

namespace krattle {

// Rows and columns of cells drawn: one more each than fit, so a scrolled view has no gap.
inline constexpr int ViewRows = 13;
inline constexpr int ViewColumns = 21;

// Sliding offset of content that arrived by move m, at frame step f, with d pixels per frame.
int MoveOffsetX(int m, int f, int d);
int MoveOffsetY(int m, int f, int d);

// Black, or white while the exit flashes.
void DrawGameBackground(Canvas& canvas, const CaveRun& run);

// The cells of view row `row` (0..ViewRows-1).
void DrawViewRow(Canvas& canvas, const ViewState& view, const CaveRun& run, AnimClock clock,
                 int row);

// One cell at screen position (x, y).
void DrawCell(Canvas& canvas, const ViewState& view, const CaveRun& run, AnimClock clock, int index,
              int x, int y);

}  // namespace krattle
