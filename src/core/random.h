#pragma once
// The program's one random generator. Everything that draws from it (engine rules, the cave
// reveal, sound variants, the look map) shares this state, so identical input replays a cave.

#include <cstdint>

namespace krattle {

struct Random {
  std::uint32_t RandomSeed = 10;

  std::uint32_t RandomBelow(std::uint32_t n) {
    RandomSeed = RandomSeed * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(RandomSeed) * n) >> 32);
  }

  // One-in-N test of a cave chance byte: N = 0 and N = 1 always pass (0 still draws).
  bool OneIn(std::uint8_t n) { return RandomBelow(4u * n) < 4u; }
};

}  // namespace krattle
