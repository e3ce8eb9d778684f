// krattle-solve: looks for an input that completes a cave, using the real engine. A greedy
// walker heads for the nearest diamond (then the exit), refuses moves after which standing
// still for a few ticks would kill Dravik, and restarts with more randomness when it gets stuck.
//   krattle-solve SET.kcv --cave C --level L [--tries N] [--seed S] [--no-push]
// prints the MOVES string.

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
// Pushes succeed by chance, so an input that pushes may not replay after another random history.
bool gNoPush = false;

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

void Debug(const char* what, const Runner& r) {
  if (std::getenv("SOLVE_DEBUG"))
    std::fprintf(stderr, "%s at tick %d, phase %d, %d diamonds\n", what, r.Ticks,
                 r.Run.Values.GamePhase, r.Run.State.DiamondsCollected);
}

// First steps towards the targets (diamonds until enough are taken, then the open exit), the
// nearest first with some jitter, found by a breadth-first search that keeps clear of
// creatures and may push a boulder or solid bomb sideways into space.
std::vector<int> PreferredMoves(const Runner& r, int at, std::mt19937& rng, int noise) {
  const CaveGrid& g = r.Run.Grid;
  const int w = g.CaveWidth, n = w * g.Rows();
  const bool wantExit = r.Run.State.DiamondsCollected >= r.Run.Params.Diamonds;
  auto nearCreature = [&](int c) {
    for (int o : {-w, -1, 1, w}) {
      const int m = c + o;
      if (m >= 0 && m < n && IsCreature(g.Cells[m])) return true;
    }
    return false;
  };
  std::vector<int> dist(n, -1), first(n, -1);
  std::vector<std::pair<int, int>> targets;  // (score, cell)
  std::queue<int> q;
  dist[at] = 0;
  q.push(at);
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
      const bool pushable = e == BoulderStationary || e == BombSolid;
      if (pushable && (d == 1 || d == 2) && !gNoPush) {
        const int beyond = m + off;
        pass = beyond >= 0 && beyond < n && g.Cells[beyond] == Space;
      }
      if (!pass || nearCreature(m)) continue;
      dist[m] = dist[c] + 1;
      first[m] = c == at ? d : first[c];
      if (wantExit ? e == ExitOpen : e == DiamondStationary) {
        const int jitter = noise > 0 ? static_cast<int>(rng() % (noise + 1)) : 0;
        targets.push_back({dist[m] + jitter, m});
      }
      if (e == ExitOpen || e == Clock || e == Bomb || pushable) continue;
      q.push(m);
    }
  }
  if (targets.empty()) {
    // Nothing to collect yet: stir things up by digging out from under boulders and
    // diamonds, so they fall (through magic walls, onto creatures).
    for (int c = w; c < n; ++c) {
      const Element up = g.Cells[c - w];
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
  return order;
}

// The first preferred move that looks safe; else waiting, if that is safe; else any move
// Dravik survives for one tick. -1 is no input.
int ChooseMove(const Runner& r, const std::vector<int>& order) {
  for (int d : order)
    if (Safe(r, d, 4)) return d;
  if (Safe(r, -1, 4) || order.empty()) return -1;
  for (int d : {0, 1, 2, 3})
    if (Safe(r, d, 0)) return d;
  return -1;
}

std::string Attempt(const Runner& start, std::mt19937& rng, int noise) {
  Runner r = start;
  std::string moves;
  int lastProgress = 0, lastDiamonds = 0;
  while (r.Run.Values.GamePhase == gpPlay) {
    int move = -1;
    if (r.Run.State.PlayerBorn) {
      const int at = r.DravikCell();
      if (at < 0) {
        Debug("died", r);
        return {};
      }
      if (r.Run.State.DiamondsCollected != lastDiamonds) {
        lastDiamonds = r.Run.State.DiamondsCollected;
        lastProgress = r.Ticks;
      }
      if (r.Ticks - lastProgress > 400) {
        Debug("stuck", r);
        return {};
      }
      move = ChooseMove(r, PreferredMoves(r, at, rng, noise));
    }
    r.Step(move >= 0 ? Dir(move) : InputFlags{});
    moves += Token(move);
  }
  Debug("ended", r);
  return r.Done() ? moves : std::string();
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
  int cave = -1, level = -1, tries = 60, seed = 12345;
  bool ok = argc >= 2;
  for (int i = 2; ok && i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--no-push") {
      gNoPush = true;
      continue;
    }
    ok = i + 1 < argc;
    const int v = ok ? std::atoi(argv[++i]) : 0;
    if (a == "--cave")
      cave = v;
    else if (a == "--level")
      level = v;
    else if (a == "--tries")
      tries = v;
    else if (a == "--seed")
      seed = v;
    else
      ok = false;
  }
  if (!ok) {
    std::fprintf(stderr,
                 "usage: krattle-solve SET.kcv --cave C --level L [--tries N] [--seed S] "
                 "[--no-push]\n");
    return 2;
  }
  auto set = std::make_unique<CaveSet>();
  if (!ReadCaveSet(argv[1], *set).Ok() || cave < 0 || cave > 19 || level < 0 || level > 4) {
    std::fprintf(stderr, "krattle-solve: bad set, cave or level\n");
    return 2;
  }
  auto start = std::make_unique<Runner>();
  start->Set = set.get();
  SetUpCaveForSim(start->Run, *set, cave, level);
  std::mt19937 rng(static_cast<unsigned>(seed));
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
