#pragma once
// The in-play part of one 1250 ms game-clock tick: cave time, magic-wall time, amoeba time.

#include "engine/engine.h"

namespace krattle {

// Runs only while the cave is in play and Dravik has been born. Demo recording and playback
// change how the timed events expire; that is decided by the caller's host.
void PlayClockTick(CaveRun& run, EngineHost& host);

}  // namespace krattle
