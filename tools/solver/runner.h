#pragma once
// One cave played headless with the real engine, tick by tick, in the same order of work as the
// game's tick loop, so that an input found here replays exactly in the game and its demos.

#include <string>

#include "core/cave_set.h"
#include "engine/engine.h"
#include "game/play_clock.h"

namespace krattle::solve {

constexpr int kClock = 11;

struct Runner {
  CaveSet* Set = nullptr;
  EngineHost Host;
  CaveRun Run;
  int Ticks = 0;

  bool Step(const InputFlags& in) {
    ++Ticks;
    Run.Input = in;
    Engine(Run, Host, Set).EngineTick();
    TickEvents& e = Run.Events;
    if (e.FallEvent == 1) Run.Rng.RandomBelow(3);
    if (e.PlayerAction == 1) Run.Rng.RandomBelow(2);
    if (e.ExplosionEvent != 0) Run.Rng.RandomBelow(2);
    e.Clear();
    if (Ticks % kClock == 0) PlayClockTick(Run, Host);
    GameValues& v = Run.Values;
    if (v.TimeLeft == 0 && v.GamePhase < gpTimeBonus) v.GamePhase = gpOutOfTime;
    return v.GamePhase == gpPlay;
  }
  bool Done() const { return Run.Values.GamePhase == gpTimeBonus; }
  bool InPlay() const { return Run.Values.GamePhase == gpPlay; }
  int DravikCell() const {
    const CaveGrid& g = Run.Grid;
    for (int i = 0; i < g.CaveWidth * g.Rows(); ++i)
      if (IsDravik(g.Cells[i])) return i;
    return -1;
  }
  static bool IsDravik(Element e) {
    return e == Dravik || e == DravikMoved || e == DravikWithBomb || e == DravikWithBombMoved ||
           e == DravikInExit || e == DravikInExitMoved;
  }
};

inline bool IsCreature(Element e) {
  return (e >= 10 && e <= 21) || (e >= 90 && e <= 101);
}

// 0 up, 1 left, 2 right, 3 down; -1 nothing. Fire makes it a snap.
inline InputFlags Dir(int d, bool fire = false) {
  InputFlags in;
  in.InputUp = d == 0;
  in.InputLeft = d == 1;
  in.InputRight = d == 2;
  in.InputDown = d == 3;
  in.InputFire = fire && d >= 0;
  return in;
}
inline char Token(int d, bool fire = false) {
  return d < 0 ? '.' : (fire ? "ulrd" : "ULRD")[d];
}
inline int Offset(int d, int w) {
  return d == 0 ? -w : d == 1 ? -1 : d == 2 ? 1 : w;
}

std::string Compress(const std::string& moves);

}  // namespace krattle::solve
