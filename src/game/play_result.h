#pragma once
// How krattle-cli reports a demo: "end" with the reason, then ticks, score, diamonds and seed
// in the lines of krattle-cli sim.

#include <string>

#include "game/game_state.h"

namespace krattle {

const char* DemoEndName(DemoEnd why);
std::string DemoReport(const DemoOutcome& out);
// The rest of what krattle-cli sim prints, for the cave as the demo left it.
std::string DemoEndState(const DemoOutcome& out);

}  // namespace krattle
