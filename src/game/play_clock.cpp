#include "game/play_clock.h"

namespace krattle {

void PlayClockTick(CaveRun& run, EngineHost& host) {
  GameValues& v = run.Values;
  EngineState& s = run.State;
  if (v.GamePhase != gpPlay || !s.PlayerBorn) return;
  if (v.TimeLeft == 1 && host.DemoPlaying()) host.FinishPlayback();
  if (v.TimeLeft > 0) --v.TimeLeft;
  if (v.TimeLeft <= 10) host.PlaySound(23);

  if (s.MagicTimeLeft > 0 && s.MagicWallState == 1) {
    --s.MagicTimeLeft;
    if (s.MagicTimeLeft == 0) s.MagicWallState = 2;
  }

  if (s.AmoebaTimeLeft > 0 && s.AmoebaStarted) {
    --s.AmoebaTimeLeft;
    return;
  }
  if (s.AmoebaTimeLeft == 0) s.AmoebaGrowth = run.Params.AmoebaFast;
}

}  // namespace krattle
