#include "game/play_result.h"

#include "game/cave_report.h"

namespace krattle {

const char* DemoEndName(DemoEnd why) {
  switch (why) {
    case DemoEnd::Exit: return "exit";
    case DemoEnd::Lost: return "lost";
    case DemoEnd::Time: return "time";
    case DemoEnd::Length: return "length";
    case DemoEnd::Full: return "full";
    case DemoEnd::Stopped: return "input";
    default: return "none";
  }
}

std::string DemoReport(const DemoOutcome& out) {
  std::string s = std::string("end ") + DemoEndName(out.Why) + "\n";
  s += "ticks " + std::to_string(out.Ticks) + "\n";
  s += "score " + std::to_string(out.Score) + "\n";
  s += "diamonds " + std::to_string(out.Diamonds) + "\n";
  s += "seed " + std::to_string(out.Seed) + "\n";
  return s;
}

std::string DemoEndState(const DemoOutcome& out) {
  using L = CaveLine;
  return CaveLines(out.End, {L::Phase, L::Lives, L::Time, L::Player, L::Magic, L::Amoeba, L::Dravik,
                             L::Grid, L::Moves});
}

}  // namespace krattle
