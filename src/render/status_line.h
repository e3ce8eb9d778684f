#pragma once
// The 24-pixel band above the game view: diamonds, time, score, and the phase's messages.

#include <string_view>

#include "engine/engine.h"
#include "render/canvas.h"
#include "render/tile_images.h"
#include "render/view_state.h"

namespace krattle {

// What the status line shows besides the cave run itself.
struct StatusContext {
  bool DemoRecording = false;
  bool DemoPlaying = false;
  int DemoIndex = 0;
  std::string_view SetName;
  int CurrentCave = 0;
  int CurrentLevel = 0;
};

void DrawStatusLine(Canvas& canvas, const ViewState& view, const CaveRun& run,
                    const StatusContext& status, AnimClock clock);

}  // namespace krattle
