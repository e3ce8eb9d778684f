#include "game/game_view.h"

#include "render/playfield_renderer.h"

namespace krattle {

void RenderGameFrame(Canvas& canvas, const ViewState& view, CaveRun& run,
                     const StatusContext& status, AnimClock clock, EngineHost& poller) {
  DrawGameBackground(canvas, run);
  // The flash lasts from the tick that raised it until frame step 4.
  if (clock.FrameStep == 4) run.State.ExitFlash = false;
  for (int row = 0; row < ViewRows; ++row) {
    poller.PollInput(run.Input);
    // Only the polls before the last three bands survive the frame: a key acts when it is held
    // late in the frame before a tick. The schedule is tied to the bands, not to the drawing,
    // so the input a tick sees never depends on how the view is drawn.
    if (row < ViewRows - 3) run.Input.Clear();
    DrawViewRow(canvas, view, run, clock, row);
  }
  DrawStatusLine(canvas, view, run, status, clock);
  canvas.Present();
}

}  // namespace krattle
