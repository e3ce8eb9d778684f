#include "game/tick_sounds.h"

namespace krattle {

TickWaves WavesForTick(const TickEvents& e, Random& rng) {
  TickWaves out;
  auto add = [&](int wave) { out.Wave[out.Count++] = wave; };
  auto oneOf = [&](int first, std::uint32_t n) {
    add(first + static_cast<int>(rng.RandomBelow(n)));
  };
  if (e.FallEvent == 1) oneOf(0, 3);
  if (e.FallEvent == 2) add(3);
  if (e.FallEvent == 3) add(4);
  static constexpr int kAction[8] = {-1, -1, 7, 8, 9, 24, 25, 26};
  if (e.PlayerAction == 1) oneOf(5, 2);
  if (e.PlayerAction >= 2 && e.PlayerAction <= 7) add(kAction[e.PlayerAction]);
  if (e.ExplosionEvent != 0) oneOf(11, 2);
  if (e.GrowthEvent == 1) add(14);
  if (e.GrowthEvent == 2) add(22);
  if (e.PlayerKilledEvent != 0) add(10);
  if (e.SignalEvent != 0) add(15);
  if (e.ExitEvent != 0) add(19);
  if (e.ExitLowTimeEvent != 0) add(18);
  if (e.WallGrowthEvent != 0) add(9);
  if (e.AcidWallEvent == 1) add(27);
  if (e.AcidWallEvent == 2) add(28);
  return out;
}

}  // namespace krattle
