#include "game/headless_sim.h"

#include "game/play_clock.h"

namespace krattle {

HeadlessSim::HeadlessSim(CaveSet& set, int cave, int level, EngineHost* host)
    : host_(host ? *host : defaultHost_), engine_(run_, host_, &set) {
  SetUpCaveForSim(run_, set, cave, level);
}

bool HeadlessSim::Step(const InputFlags& input, int clockEvery) {
  ++ticks_;
  run_.Input = input;
  engine_.EngineTick();
  // The frame step draws its sound variants whether or not anything is heard.
  TickEvents& e = run_.Events;
  if (e.FallEvent == 1) run_.Rng.RandomBelow(3);
  if (e.PlayerAction == 1) run_.Rng.RandomBelow(2);
  if (e.ExplosionEvent != 0) run_.Rng.RandomBelow(2);
  lastEvents_ = e;
  e.Clear();
  if (clockEvery > 0 && ticks_ % clockEvery == 0) PlayClockTick(run_, host_);
  GameValues& v = run_.Values;
  if (v.TimeLeft == 0 && v.GamePhase < gpTimeBonus) v.GamePhase = gpOutOfTime;
  return v.GamePhase == gpPlay;
}

int HeadlessSim::Run(int ticks, const std::vector<InputFlags>& moves, int clockEvery) {
  for (int t = 0; t < ticks; ++t) {
    const std::size_t i = static_cast<std::size_t>(ticks_);
    const InputFlags in = i < moves.size() ? moves[i] : InputFlags{};
    if (!Step(in, clockEvery)) break;
  }
  return ticks_;
}

std::string HeadlessSim::Report() const {
  const EngineState& s = run_.State;
  const GameValues& v = run_.Values;
  const CaveGrid& g = run_.Grid;
  std::string out;
  auto line = [&](const std::string& l) {
    out += l;
    out += '\n';
  };
  auto b = [](bool f) { return f ? "1" : "0"; };
  line("ticks " + std::to_string(ticks_));
  line("phase " + std::to_string(v.GamePhase));
  line("seed " + std::to_string(run_.Rng.RandomSeed));
  line("score " + std::to_string(v.Score));
  line("lives " + std::to_string(v.Lives));
  line("time " + std::to_string(v.TimeLeft));
  line("diamonds " + std::to_string(s.DiamondsCollected));
  line(std::string("player ") + b(s.PlayerPresent) + " " + b(s.PlayerInPlay) + " " +
       b(s.PlayerBorn));
  line("magic " + std::to_string(s.MagicWallState));
  line("amoeba " + std::to_string(s.AmoebaCount) + " " + b(s.AmoebaStarted) + " " +
       b(s.AmoebaEnclosed));
  line("dravik " + std::to_string(s.DravikColumn) + " " + std::to_string(s.DravikRow));
  auto map = [&](const auto& cells) {
    for (int y = 0; y < g.Rows(); ++y) {
      std::string row;
      for (int x = 0; x < g.CaveWidth; ++x) {
        if (x) row += ' ';
        row += std::to_string(cells[y * g.CaveWidth + x]);
      }
      line(row);
    }
  };
  line("grid");
  map(g.Cells);
  line("moves");
  map(g.MoveMap);
  return out;
}

}  // namespace krattle
