#pragma once
// What a resting boulder or diamond rolls off, shared by its rule and by the scan, which skips
// resting objects that cannot move.

#include <array>

#include "core/elements.h"

namespace krattle {

constexpr std::array<bool, 256> MakeRoundForRest() {
  std::array<bool, 256> t{};
  for (Element c : {Wall, BoulderStationary, DiamondStationary, BombSolid, BombGlued, BoulderGlued,
                    DiamondGlued})
    t[c] = true;
  return t;
}
inline constexpr auto kRoundForRest = MakeRoundForRest();

}  // namespace krattle
