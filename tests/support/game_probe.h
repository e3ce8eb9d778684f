#pragma once
// Write access to the game's state for tests that set up a situation directly instead of
// playing up to it. The program itself changes state only through the game's commands.

#include "game/game.h"

namespace krattle::testing {

struct GameProbe {
  static CaveSet& Set(Game& g) { return *g.set_; }
  static CaveRun& Run(Game& g) { return g.run_; }
  static FlowState& Flow(Game& g) { return g.flow_; }
  static ViewState& View(Game& g) { return g.view_; }
  static Settings& Config(Game& g) { return g.settings_; }
};

}  // namespace krattle::testing
