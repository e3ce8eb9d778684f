#include "game/play_clock.h"

namespace krattle {

ClockExpiries PlayClockTick(CaveRun& run, EngineHost& host, ClockDemo demo, bool amoebaSwitched) {
  ClockExpiries out;
  GameValues& v = run.Values;
  EngineState& s = run.State;
  if (v.GamePhase != gpPlay || !s.PlayerBorn) return out;
  if (v.TimeLeft == 1 && host.DemoPlaying()) host.FinishPlayback();
  if (v.TimeLeft > 0) --v.TimeLeft;
  v.ClockTicked = true;
  if (v.TimeLeft <= 10) host.PlaySound(waves::TimeRunningOut);

  const bool playing = demo == ClockDemo::Playing || demo == ClockDemo::PlayingNoMagicStamp;
  if (s.MagicTimeLeft > 0 && s.MagicWallState == 1) {
    --s.MagicTimeLeft;
    if (s.MagicTimeLeft == 0) {
      out.MagicRanOut = true;
      if (demo != ClockDemo::Playing) s.MagicWallState = 2;
    }
  }

  if (s.AmoebaTimeLeft > 0 && s.AmoebaStarted) {
    --s.AmoebaTimeLeft;
    return out;
  }
  if (s.AmoebaTimeLeft == 0 && !amoebaSwitched && !playing) {
    s.AmoebaGrowth = run.Params.AmoebaFast;
    out.AmoebaRanOut = true;
  }
  return out;
}

}  // namespace krattle
