// krattle-solve: looks for an input that completes a cave, using the real engine. A greedy
// walker heads for the nearest diamond (then the exit), refuses moves after which standing
// still for a few ticks would kill Dravik, and restarts with more randomness when it gets stuck.
//   krattle-solve SET.kcv --cave C --level L [--tries N]      prints the MOVES string

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <queue>
#include <random>
#include <string>
#include <vector>

#include "core/cave_set_file.h"
#include "engine/cave_setup.h"
#include "engine/engine.h"
#include "game/play_clock.h"

namespace {

using namespace krattle;

constexpr int kClock = 11;

struct Runner {
  CaveSet* Set;
  EngineHost Host;
  CaveRun Run;
  int Ticks = 0;

  // The same order of work as the headless tick loop.
  bool Step(const InputFlags& in) {
    ++Ticks;
    Run.Input = in;
    Engine(Run, Host, Set).EngineTick();
    TickEvents& e = Run.Events;
    if (e.FallEvent == 1) Run.Rng.RandomBelow(3);
    if (e.PlayerAction == 1) Run.Rng.RandomBelow(2);
    if (e.ExplosionEvent != 0) Run.Rng.RandomBelow(2);
    e.Clear();
    if (Ticks % kClock == 0) PlayClockTick(Run, Host);
    GameValues& v = Run.Values;
    if (v.TimeLeft == 0 && v.GamePhase < gpTimeBonus) v.GamePhase = gpOutOfTime;
    return v.GamePhase == gpPlay;
  }
  bool Done() const { return Run.Values.GamePhase == gpTimeBonus; }
  int DravikCell() const {
    const CaveGrid& g = Run.Grid;
    for (int i = 0; i < g.CaveWidth * g.Rows(); ++i) {
      const Element e = g.Cells[i];
      if (e == Dravik || e == DravikMoved || e == DravikWithBomb || e == DravikWithBombMoved ||
          e == DravikInExit || e == DravikInExitMoved)
        return i;
    }
    return -1;
  }
};

bool IsCreature(Element e) {
  return (e >= 10 && e <= 21) || (e >= 90 && e <= 101);
}

InputFlags Dir(int d) {
  InputFlags in;
  if (d == 0) in.InputUp = true;
  if (d == 1) in.InputLeft = true;
  if (d == 2) in.InputRight = true;
  if (d == 3) in.InputDown = true;
  return in;
}
char Token(int d) {
  return d < 0 ? '.' : "ULRD"[d];
}

// Whether Dravik survives (or finishes) a move followed by a few idle ticks.
bool Safe(const Runner& r, int d, int look) {
  Runner probe = r;
  if (!probe.Step(Dir(d))) return probe.Done();
  for (int i = 0; i < look; ++i) {
    if (!probe.Step({})) return probe.Done();
    if (probe.DravikCell() < 0) return false;
  }
  return probe.DravikCell() >= 0;
}

std::string Attempt(const Runner& start, std::mt19937& rng, int noise) {
  Runner r = start;
  std::string moves;
  const CaveGrid& g = r.Run.Grid;
  const int w = g.CaveWidth, n = w * g.Rows();
  int lastProgress = 0, lastDiamonds = 0;
  while (r.Run.Values.GamePhase == gpPlay) {
    if (r.Done()) break;
    const int at = r.Run.State.PlayerBorn ? r.DravikCell() : -1;
    if (!r.Run.State.PlayerBorn) {
      r.Step({});
      moves += '.';
      continue;
    }
    if (at < 0) {
      if (std::getenv("SOLVE_DEBUG"))
        std::fprintf(stderr, "died at tick %d: %s\n", r.Ticks, moves.c_str());
      return {};
    }
    if (r.Run.State.DiamondsCollected != lastDiamonds) {
      lastDiamonds = r.Run.State.DiamondsCollected;
      lastProgress = r.Ticks;
    }
    if (r.Ticks - lastProgress > 400) {
      if (std::getenv("SOLVE_DEBUG")) std::fprintf(stderr, "stuck at tick %d\n", r.Ticks);
      return {};
    }
    const bool wantExit = r.Run.State.DiamondsCollected >= r.Run.Params.Diamonds;
    // Breadth-first search from Dravik; first[] remembers the first step of each path.
    std::vector<int> dist(n, -1), first(n, -1);
    std::queue<int> q;
    dist[at] = 0;
    q.push(at);
    std::vector<std::pair<int, int>> targets;  // (score, cell)
    auto nearCreature = [&](int c) {
      for (int o : {-w, -1, 1, w}) {
        const int m = c + o;
        if (m >= 0 && m < n && IsCreature(g.Cells[m])) return true;
      }
      return false;
    };
    while (!q.empty()) {
      const int c = q.front();
      q.pop();
      for (int d = 0; d < 4; ++d) {
        const int off = d == 0 ? -w : d == 1 ? -1 : d == 2 ? 1 : w;
        const int m = c + off;
        if (m < 0 || m >= n || dist[m] >= 0) continue;
        const Element e = g.Cells[m];
        bool pass = e == Space || e == Dirt || e == DiamondStationary || e == ExitOpen ||
                    e == Clock || e == Bomb;
        if ((e == BoulderStationary || e == BombSolid) && (d == 1 || d == 2)) {
          const int beyond = m + off;
          pass = beyond >= 0 && beyond < n && g.Cells[beyond] == Space;
        }
        if (!pass || nearCreature(m)) continue;
        dist[m] = dist[c] + 1;
        first[m] = c == at ? d : first[c];
        const bool target = wantExit ? e == ExitOpen : e == DiamondStationary;
        if (target) {
          const int jitter = noise > 0 ? static_cast<int>(rng() % (noise + 1)) : 0;
          targets.push_back({dist[m] + jitter, m});
        }
        if (e == ExitOpen || e == Clock || e == Bomb) continue;
        if (e == BoulderStationary || e == BombSolid) continue;
        q.push(m);
      }
    }
    if (targets.empty()) {
      // Nothing to collect yet: stir things up by digging out from under boulders and
      // diamonds, so they fall (through magic walls, onto creatures).
      for (int c = 0; c < n; ++c) {
        const Element up = c >= w ? g.Cells[c - w] : Element{Space};
        if (dist[c] > 0 && g.Cells[c] == Dirt &&
            (up == BoulderStationary || up == DiamondStationary || up == BombSolid))
          targets.push_back({dist[c] + static_cast<int>(rng() % (noise + 3)), c});
      }
    }
    std::sort(targets.begin(), targets.end());
    std::vector<int> order;
    for (const auto& t : targets) {
      const int d = first[t.second];
      if (std::find(order.begin(), order.end(), d) == order.end()) order.push_back(d);
    }
    int chosen = -2;
    for (int d : order)
      if (Safe(r, d, 4)) {
        chosen = d;
        break;
      }
    if (chosen == -2 && Safe(r, -1, 4)) chosen = -1;
    if (chosen == -2) {
      // Nothing looks safe: take any move Dravik survives for one tick.
      for (int d : {0, 1, 2, 3})
        if (Safe(r, d, 0)) {
          chosen = d;
          break;
        }
      if (chosen == -2) chosen = -1;
    }
    if (chosen >= 0 && targets.empty()) chosen = -1;
    r.Step(chosen >= 0 ? Dir(chosen) : InputFlags{});
    moves += Token(chosen);
  }
  if (std::getenv("SOLVE_DEBUG"))
    std::fprintf(stderr, "attempt ended: tick %d phase %d diamonds %d\n", r.Ticks,
                 r.Run.Values.GamePhase, r.Run.State.DiamondsCollected);
  if (!r.Done()) return {};
  return moves;
}

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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: krattle-solve SET.kcv --cave C --level L [--tries N]\n");
    return 2;
  }
  int cave = -1, level = -1, tries = 60;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    const int v = std::atoi(argv[i + 1]);
    if (a == "--cave") cave = v;
    if (a == "--level") level = v;
    if (a == "--tries") tries = v;
  }
  auto set = std::make_unique<CaveSet>();
  if (!ReadCaveSet(argv[1], *set).Ok() || cave < 0 || cave > 19 || level < 0 || level > 4) {
    std::fprintf(stderr, "krattle-solve: bad set, cave or level\n");
    return 2;
  }
  auto start = std::make_unique<Runner>();
  start->Set = set.get();
  SetUpCaveForSim(start->Run, *set, cave, level);
  std::mt19937 rng(12345);
  for (int t = 0; t < tries; ++t) {
    const std::string moves = Attempt(*start, rng, t * 2);
    if (!moves.empty()) {
      std::printf("%s\n", Compress(moves).c_str());
      return 0;
    }
  }
  std::fprintf(stderr, "krattle-solve: no solution found for %c%d\n", 'A' + cave, level + 1);
  return 1;
}
