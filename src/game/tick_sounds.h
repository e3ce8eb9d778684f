#pragma once
// The waves that the events of one engine tick call for, in the order they are played.

#include <array>
#include <cstddef>

#include "core/random.h"
#include "engine/engine_state.h"

namespace krattle {

struct TickWaves {
  std::array<int, 10> Wave{};  // at most one per event
  std::size_t Count = 0;
};

// Draws the variants (one of three landing sounds, one of two steps, one of two blasts) from
// the shared generator whenever their event is set, whether or not anything will be heard:
// a muted game must replay exactly like a loud one.
TickWaves WavesForTick(const TickEvents& events, Random& rng);

}  // namespace krattle
