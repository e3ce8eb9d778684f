// krattle-solve: finds an input that completes a cave, with the real engine.
//   krattle-solve SET.kcv --cave C --level L [--budget N] [--forbid bombs|pushes|drops]
//       [--walker] [--tries N] [--seed S]
// prints the MOVES string; exit status 1 when nothing was found.
//   krattle-solve SET.kcv --table SOLUTIONS
// prints the difficulty table of all slots as Markdown.

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <queue>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/cave_set_file.h"
#include "engine/cave_setup.h"
#include "game/moves.h"
#include "planner.h"
#include "walker.h"

namespace krattle::solve {

std::string Compress(const std::string& moves) {
  std::string out;
  for (std::size_t i = 0; i < moves.size();) {
    std::size_t j = i;
    while (j < moves.size() && moves[j] == moves[i]) ++j;
    out += moves[i];
    if (j - i > 1) out += std::to_string(j - i);
    i = j;
  }
  return out;
}

namespace {

std::unique_ptr<Runner> Start(CaveSet& set, int cave, int level) {
  auto r = std::make_unique<Runner>();
  r->Set = &set;
  SetUpCaveForSim(r->Run, set, cave, level);
  return r;
}

// Diamonds lying where Dravik can walk from the entrance (creatures and falls aside), and every
// diamond the cave holds or can make: one per diamond on the map, nine per creature that bursts
// into diamonds.
std::pair<int, int> DiamondsAvailable(const Runner& r) {
  const CaveGrid& g = r.Run.Grid;
  const int w = g.CaveWidth, n = w * g.Rows();
  int total = 0;
  std::vector<char> seen(n, 0);
  std::queue<int> q;
  for (int c = 0; c < n; ++c) {
    const Element e = g.Cells[c];
    total += e == DiamondStationary ? 1 : 0;
    total += (e >= ButterflyMovedDown && e <= ButterflyRight) ||
                     (e >= AltFireflyMovedRight && e <= AltFireflyDown)
                 ? 9
                 : 0;
    if (e == Entrance) {
      seen[c] = 1;
      q.push(c);
    }
  }
  int free = 0;
  while (!q.empty()) {
    const int c = q.front();
    q.pop();
    free += g.Cells[c] == DiamondStationary ? 1 : 0;
    for (int d = 0; d < 4; ++d) {
      const int t = g.Wrap(c + Offset(d, w));
      const Element e = g.Cells[t];
      if (!seen[t] && (e == Space || e == Dirt || e == DiamondStationary)) {
        seen[t] = 1;
        q.push(t);
      }
    }
  }
  return {free, total};
}

std::map<std::string, std::string> ReadSolutions(const char* path) {
  std::map<std::string, std::string> out;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string slot, moves;
    words >> slot >> moves;
    out[slot] = moves;
  }
  return out;
}

int Table(CaveSet& set, const char* solutionsPath) {
  const auto solutions = ReadSolutions(solutionsPath);
  std::printf(
      "| Slot | Time | Needed | Free | Total | Solution ticks | Time left | Naive deaths |\n"
      "|---|---:|---:|---:|---:|---:|---:|---:|\n");
  bool allSolved = true;
  for (int cave = 0; cave < CaveCount; ++cave)
    for (int level = 0; level < LevelCount; ++level) {
      const std::string slot =
          std::string(1, static_cast<char>('A' + cave)) + std::to_string(level + 1);
      auto start = Start(set, cave, level);
      Runner r = *start;
      r.Step({});  // the first tick turns the stored cave into the one being played
      const auto [free, total] = DiamondsAvailable(r);
      int ticks = 0, left = -1;
      auto it = solutions.find(slot);
      if (it != solutions.end()) {
        const MovesParse moves = ParseMoves(it->second);
        Runner play = *start;
        for (const InputFlags& in : moves.Ticks)
          if (!play.Step(in)) break;
        while (play.InPlay() && play.Ticks < static_cast<int>(moves.Ticks.size()) + 4)
          play.Step({});
        if (play.Done()) {
          ticks = play.Ticks;
          left = play.Run.Values.TimeLeft;
        }
      }
      allSolved &= left >= 0;
      int deaths = 0;
      std::mt19937 rng(1);
      for (int i = 0; i < 10; ++i) deaths += Walk(*start, rng, i * 2, false, true).Died;
      std::printf("| %s | %d | %d | %d | %d | %s | %s | %d/10 |\n", slot.c_str(),
                  start->Run.Values.TimeLeft, start->Run.Params.Diamonds, free, total,
                  left >= 0 ? std::to_string(ticks).c_str() : "unsolved",
                  left >= 0 ? std::to_string(left).c_str() : "-", deaths);
    }
  return allSolved ? 0 : 1;
}

// A whole non-negative number, else -1.
int NumberArg(const std::string& v) {
  int n = -1;
  const auto r = std::from_chars(v.data(), v.data() + v.size(), n);
  return r.ec == std::errc() && r.ptr == v.data() + v.size() && n >= 0 ? n : -1;
}

// A cave by its letter (A..T, as krattle-cli takes it) or by its number from 0; -1 for anything
// else, so a mistyped cave is refused instead of quietly solving cave A.
int CaveArg(const std::string& v) {
  if (v.size() == 1 && std::isalpha(static_cast<unsigned char>(v[0]))) {
    const int c = std::toupper(static_cast<unsigned char>(v[0])) - 'A';
    return c < 20 ? c : -1;
  }
  return NumberArg(v);
}

}  // namespace
}  // namespace krattle::solve

int main(int argc, char** argv) {
  using namespace krattle;
  using namespace krattle::solve;
  int cave = -1, level = -1, tries = 40, seed = 12345;
  bool walker = false;
  const char* table = nullptr;
  PlanRules rules;
  bool ok = argc >= 2;
  for (int i = 2; ok && i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--walker") {
      walker = true;
      continue;
    }
    ok = i + 1 < argc;
    if (!ok) break;
    const std::string v = argv[++i];
    if (a == "--table")
      table = argv[i];
    else if (a == "--forbid" && (v == "bombs" || v == "pushes" || v == "drops"))
      (v == "bombs" ? rules.Bombs : v == "pushes" ? rules.Pushes : rules.Drops) = false;
    else if (a == "--cave")
      ok = (cave = CaveArg(v)) >= 0;
    else if (a == "--level")
      ok = (level = NumberArg(v)) >= 0;
    else if (a == "--budget")
      ok = (rules.Budget = NumberArg(v)) >= 0;
    else if (a == "--tries")
      ok = (tries = NumberArg(v)) >= 0;
    else if (a == "--seed")
      ok = (seed = NumberArg(v)) >= 0;
    else
      ok = false;
  }
  if (!ok || (!table && (cave < 0 || level < 0))) {
    std::fprintf(stderr,
                 "usage: krattle-solve SET.kcv --cave A..T|0..19 --level 0..4 [--budget N] "
                 "[--forbid bombs|pushes|drops] [--walker] [--tries N] [--seed S]\n"
                 "       krattle-solve SET.kcv --table SOLUTIONS\n");
    return 2;
  }
  auto set = std::make_unique<CaveSet>();
  if (!ReadCaveSet(argv[1], *set).Ok() || cave > 19 || level > 4) {
    std::fprintf(stderr, "krattle-solve: bad set, cave or level\n");
    return 2;
  }
  if (table) return Table(*set, table);
  auto start = std::make_unique<Runner>();
  start->Set = set.get();
  SetUpCaveForSim(start->Run, *set, cave, level);
  std::string moves;
  if (walker) {
    std::mt19937 rng(static_cast<unsigned>(seed));
    for (int t = 0; t < tries && moves.empty(); ++t)
      moves = Walk(*start, rng, t * 2, !rules.Pushes, false).Moves;
  } else {
    const PlanResult plan = Plan(*start, rules);
    moves = plan.Moves;
    if (std::getenv("SOLVE_DEBUG")) std::fprintf(stderr, "expanded %d states\n", plan.Expanded);
  }
  if (moves.empty()) {
    std::fprintf(stderr, "krattle-solve: no solution found for %c%d\n", 'A' + cave, level + 1);
    return 1;
  }
  std::printf("%s\n", Compress(moves).c_str());
  return 0;
}
