#pragma once
// A cave run without a window: the tick loop of krattle-cli sim, also used by the tests.

#include <string>
#include <vector>

#include "core/cave_set.h"
#include "engine/cave_setup.h"
#include "engine/engine.h"
#include "game/moves.h"

namespace krattle {

class HeadlessSim {
 public:
  // Sets the cave up as a game would start it, already revealed and in play.
  HeadlessSim(CaveSet& set, int cave, int level, EngineHost* host = nullptr);

  // One tick: input, EngineTick, the frame step's sound-variant draws, events cleared, the
  // play clock every `clockEvery` ticks, and the time-out check. Returns false once the phase
  // has left gpPlay.
  bool Step(const InputFlags& input, int clockEvery = 0);

  // Runs up to `ticks` ticks with scripted input (none once it is used up).
  int Run(int ticks, const std::vector<InputFlags>& moves, int clockEvery = 0);

  // The exact text krattle-cli sim prints.
  std::string Report() const;

  CaveRun& Cave() { return run_; }
  const CaveRun& Cave() const { return run_; }
  int TicksRun() const { return ticks_; }
  // Events of the last tick, before they were cleared.
  const TickEvents& LastEvents() const { return lastEvents_; }

 private:
  EngineHost defaultHost_;
  EngineHost& host_;
  CaveRun run_;
  Engine engine_;
  TickEvents lastEvents_;
  int ticks_ = 0;
};

}  // namespace krattle
