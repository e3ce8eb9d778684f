#include "game/tick_sounds.h"

#include "engine/waves.h"

namespace krattle {

TickWaves WavesForTick(const TickEvents& e, Random& rng) {
  TickWaves out;
  auto add = [&](int wave) { out.Wave[out.Count++] = wave; };
  auto oneOf = [&](int first, std::uint32_t n) {
    add(first + static_cast<int>(rng.RandomBelow(n)));
  };
  if (e.FallEvent == 1) oneOf(waves::DiamondFall, 3);
  if (e.FallEvent == 2) add(waves::BoulderFall);
  if (e.FallEvent == 3) add(waves::BoulderLand);
  static constexpr int kAction[8] = {-1,
                                     -1,
                                     waves::Dig,
                                     waves::DiamondTaken,
                                     waves::Push,
                                     waves::ClockTaken,
                                     waves::BombTaken,
                                     waves::BombLaid};
  if (e.PlayerAction == 1) oneOf(waves::Step, 2);
  if (e.PlayerAction >= 2 && e.PlayerAction <= 7) add(kAction[e.PlayerAction]);
  if (e.ExplosionEvent != 0) oneOf(waves::Explosion, 2);
  if (e.GrowthEvent == 1) add(waves::AmoebaGrows);
  if (e.GrowthEvent == 2) add(waves::IntoSlime);
  if (e.PlayerKilledEvent != 0) add(waves::Killed);
  if (e.SignalEvent != 0) add(waves::Signal);
  if (e.ExitEvent != 0) add(waves::CaveCompleted);
  if (e.ExitLowTimeEvent != 0) add(waves::LowTimeExit);
  if (e.WallGrowthEvent != 0) add(waves::Push);
  if (e.AcidWallEvent == 1) add(waves::AcidSpreads);
  if (e.AcidWallEvent == 2) add(waves::WallFalls);
  return out;
}

}  // namespace krattle
