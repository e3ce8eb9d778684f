#include "game/cave_report.h"

namespace krattle {

namespace {

const char* Flag(bool f) {
  return f ? "1" : "0";
}

template <typename Cells>
void AppendMap(std::string& out, const CaveGrid& g, const Cells& cells) {
  for (int y = 0; y < g.Rows(); ++y) {
    for (int x = 0; x < g.CaveWidth; ++x) {
      if (x) out += ' ';
      out += std::to_string(cells[y * g.CaveWidth + x]);
    }
    out += '\n';
  }
}

}  // namespace

std::string CaveLines(const CaveRun& run, std::initializer_list<CaveLine> lines) {
  const EngineState& s = run.State;
  const GameValues& v = run.Values;
  std::string out;
  auto line = [&](const char* name, const std::string& value) {
    out += name;
    out += ' ';
    out += value;
    out += '\n';
  };
  for (CaveLine l : lines) {
    switch (l) {
      case CaveLine::Phase: line("phase", std::to_string(v.GamePhase)); break;
      case CaveLine::Seed: line("seed", std::to_string(run.Rng.RandomSeed)); break;
      case CaveLine::Score: line("score", std::to_string(v.Score)); break;
      case CaveLine::Lives: line("lives", std::to_string(v.Lives)); break;
      case CaveLine::Time: line("time", std::to_string(v.TimeLeft)); break;
      case CaveLine::Diamonds: line("diamonds", std::to_string(s.DiamondsCollected)); break;
      case CaveLine::Player:
        line("player", std::string(Flag(s.PlayerPresent)) + " " + Flag(s.PlayerInPlay) + " " +
                           Flag(s.PlayerBorn));
        break;
      case CaveLine::Magic: line("magic", std::to_string(s.MagicWallState)); break;
      case CaveLine::Amoeba:
        line("amoeba", std::to_string(s.AmoebaCount) + " " + Flag(s.AmoebaStarted) + " " +
                           Flag(s.AmoebaEnclosed));
        break;
      case CaveLine::Dravik:
        line("dravik", std::to_string(s.DravikColumn) + " " + std::to_string(s.DravikRow));
        break;
      case CaveLine::Grid:
        out += "grid\n";
        AppendMap(out, run.Grid, run.Grid.Cells);
        break;
      case CaveLine::Moves:
        out += "moves\n";
        AppendMap(out, run.Grid, run.Grid.MoveMap);
        break;
    }
  }
  return out;
}

}  // namespace krattle
