#pragma once
// One frame of the game view, with the keyboard polls that belong to it.

#include "engine/engine.h"
#include "render/canvas.h"
#include "render/status_line.h"
#include "render/tile_images.h"
#include "render/view_state.h"

namespace krattle {

// Draws the view band by band, polling the input before each row band and clearing the flags
// after each of the first ten polls, then the status line, then presents. Clears ExitFlash at
// frame step 4.
void RenderGameFrame(Canvas& canvas, const ViewState& view, CaveRun& run,
                     const StatusContext& status, AnimClock clock, EngineHost& poller);

}  // namespace krattle
