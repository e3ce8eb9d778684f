#pragma once
// The in-play part of one 1250 ms game-clock tick: cave time, magic-wall time, amoeba time.

#include "engine/engine.h"

namespace krattle {

// How a demo changes the timed events. A recording lets them happen and stamps them; a
// playback leaves them to the stamps, except a magic wall whose demo carries no stamp.
enum class ClockDemo : std::uint8_t { None, Recording, Playing, PlayingNoMagicStamp };

// What ran out on this tick, for a recording to stamp.
struct ClockExpiries {
  bool MagicRanOut = false;
  bool AmoebaRanOut = false;
};

// Runs only while the cave is in play and Dravik has been born. `amoebaSwitched` tells a
// recording that its amoeba stamp has been taken.
ClockExpiries PlayClockTick(CaveRun& run, EngineHost& host, ClockDemo demo = ClockDemo::None,
                            bool amoebaSwitched = false);

}  // namespace krattle
