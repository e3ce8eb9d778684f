#pragma once

#include <random>
#include <string>

#include "runner.h"

namespace krattle::solve {

struct WalkResult {
  std::string Moves;  // empty unless the exit was reached
  bool Died = false;
};

// One walk from start; noise jitters the choice between near targets. A naive walk takes the
// first step towards its target without looking whether Dravik survives it.
WalkResult Walk(const Runner& start, std::mt19937& rng, int noise, bool noPush, bool naive);

}  // namespace krattle::solve
