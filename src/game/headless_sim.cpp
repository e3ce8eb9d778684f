#include "game/headless_sim.h"

#include "game/cave_report.h"
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
  using L = CaveLine;
  std::string out = "ticks ";
  out += std::to_string(ticks_);
  out += '\n';
  out += CaveLines(run_, {L::Phase, L::Seed, L::Score, L::Lives, L::Time, L::Diamonds, L::Player,
                          L::Magic, L::Amoeba, L::Dravik, L::Grid, L::Moves});
  return out;
}

}  // namespace krattle
