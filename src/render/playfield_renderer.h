#pragma once
// The game view: a 21 x 13 window of cells sliding by the last tick's moves, and the status
// line above it. The row loop also polls the keyboard, which decides which taps reach the tick.

#include "engine/engine.h"
#include "render/canvas.h"
#include "render/status_line.h"
#include "render/tile_images.h"
#include "render/view_state.h"

namespace krattle {

// Sliding offset of content that arrived by move m, at frame step f, with d pixels per frame.
int MoveOffsetX(int m, int f, int d);
int MoveOffsetY(int m, int f, int d);

// Draws the cells of the view (polling input before each row and clearing the flags while
// rows 0..9 are drawn), then the status line, then presents. Clears ExitFlash at frame step 4.
void RenderGameFrame(Canvas& canvas, const ViewState& view, CaveRun& run,
                     const StatusContext& status, AnimClock clock, EngineHost& poller);

// One cell at screen position (x, y).
void DrawCell(Canvas& canvas, const ViewState& view, const CaveRun& run, AnimClock clock, int index,
              int x, int y);

}  // namespace krattle
