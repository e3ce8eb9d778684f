#pragma once
// Demos through the real game flow without a window: recording from scripted input (one
// input per engine tick, held on the keyboard as a player would) and playing stored demos.

#include <vector>

#include "game/headless_runner.h"

namespace krattle {

// Records `cave` at `level` of the runner's set. The recording ends by itself (exit, lost,
// time, full) or after the tick of the last input. Returns how it ended and the cave then.
DemoOutcome RecordDemoFromMoves(HeadlessRunner& runner, int cave, int level,
                                const std::vector<InputFlags>& moves, long frameLimit = 2'000'000);

// Plays the stored demo of `cave` on its own, at the runner's Speed. Why is None when the
// cave holds no demo or the frame limit came first.
DemoOutcome PlayStoredDemo(HeadlessRunner& runner, int cave, long frameLimit = 2'000'000);

// The keys a player would hold for one tick's input.
void HoldInput(ScriptedKeyboard& keys, const InputFlags& in);

}  // namespace krattle
