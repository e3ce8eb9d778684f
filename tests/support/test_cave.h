#pragma once
// Builds small caves in code for engine tests: an all-space cave inside a steel frame, painted
// from character rows, then run tick by tick through the same loop as krattle-cli sim.

#include <memory>
#include <string>
#include <vector>

#include "core/cave_set.h"
#include "game/headless_sim.h"

namespace krattle::testing {

// Legend: '#' steel  'w' wall  '.' dirt  ' ' space  'o' boulder  'O' falling boulder
// '*' diamond  '+' falling diamond  'D' Dravik  'K' Dravik with bomb  'E' entrance
// 'X' closed exit  'Z' open exit  'M' magic wall  'S' slime  'B' solid bomb  'b' bomb
// 'c' clock  'Y' dummy  'f' firefly left  'q' butterfly down  'A' amoeba  'a' acid
// 'h' 'v' 'x' expanding walls (horizontal, vertical, both)  'W' falling wall  'g' glued boulder
Element Legend(char c);

class TestCave {
 public:
  explicit TestCave(int cave = 0, int level = 0);

  // Paints rows starting at (x0, y0), one string per row.
  TestCave& Paint(int x0, int y0, const std::vector<std::string>& rows);
  TestCave& Put(int x, int y, Element e);
  std::uint8_t& A(FieldA f) { return set_->A(SlotOf(cave_, level_), f); }
  std::uint8_t& B(FieldB f) { return set_->B(SlotOf(cave_, level_), f); }

  HeadlessSim& Start(EngineHost* host = nullptr);
  HeadlessSim& Sim() { return *sim_; }
  CaveRun& Run() { return sim_->Cave(); }
  CaveSet& Set() { return *set_; }

  // Cell of the running grid at (x, y).
  Element At(int x, int y) { return Run().Grid.Cells[y * Run().Grid.CaveWidth + x]; }
  std::uint8_t MoveAt(int x, int y) { return Run().Grid.MoveMap[y * Run().Grid.CaveWidth + x]; }
  void Set(int x, int y, Element e) { Run().Grid.Cells[y * Run().Grid.CaveWidth + x] = e; }

  // Runs ticks with the given input held (or a MOVES string).
  void Tick(int n = 1, InputFlags in = {});
  void Moves(const std::string& moves);
  const TickEvents& Events() { return sim_->LastEvents(); }

 private:
  int cave_, level_;
  std::unique_ptr<CaveSet> set_;
  std::unique_ptr<HeadlessSim> sim_;
};

InputFlags Right();
InputFlags Left();
InputFlags Up();
InputFlags Down();
InputFlags Snap(InputFlags dir);

}  // namespace krattle::testing
