#pragma once

#include <string>

#include "runner.h"

namespace krattle::solve {

// What the planner may do; the checks that a cave needs its idea switch one of these off.
struct PlanRules {
  bool Bombs = true;   // pick up bombs and lay them
  bool Pushes = true;  // push boulders and solid bombs
  bool Drops = true;   // dig out from under boulders and diamonds on purpose
  int Budget = 3000;   // states expanded before giving up
};

struct PlanResult {
  std::string Moves;  // uncompressed, one token per tick; empty when nothing was found
  int Expanded = 0;
};

// A best-first search over short plans (walk to a target, push, lay a bomb and take cover,
// wait), each played out on the real engine, with repeated states pruned by a hash of the cave.
PlanResult Plan(const Runner& start, const PlanRules& rules);

}  // namespace krattle::solve
