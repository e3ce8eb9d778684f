#pragma once
// The lines krattle-cli prints about a running cave: one value per line, then the grid and the
// move map row by row. sim prints them all; demo prints those its own lines leave out.

#include <initializer_list>
#include <string>

#include "engine/engine.h"

namespace krattle {

enum class CaveLine {
  Phase,
  Seed,
  Score,
  Lives,
  Time,
  Diamonds,
  Player,
  Magic,
  Amoeba,
  Dravik,
  Grid,
  Moves,
};

std::string CaveLines(const CaveRun& run, std::initializer_list<CaveLine> lines);

}  // namespace krattle
