// The greedy walker: heads for the nearest diamond (then the exit), refuses moves after which
// standing still for a few ticks would kill Dravik, and gives up when it stops making progress.
// Without the look-ahead it is the naive player of the difficulty table.

#include "walker.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <queue>

namespace krattle::solve {
namespace {

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
std::vector<int> PreferredMoves(const Runner& r, int at, std::mt19937& rng, int noise,
                                bool noPush) {
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
      if (pushable && (d == 1 || d == 2) && !noPush) {
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
int ChooseMove(const Runner& r, const std::vector<int>& order, bool naive) {
  if (naive) return order.empty() ? -1 : order[0];
  for (int d : order)
    if (Safe(r, d, 4)) return d;
  if (Safe(r, -1, 4) || order.empty()) return -1;
  for (int d : {0, 1, 2, 3})
    if (Safe(r, d, 0)) return d;
  return -1;
}

}  // namespace

WalkResult Walk(const Runner& start, std::mt19937& rng, int noise, bool noPush, bool naive) {
  Runner r = start;
  std::string moves;
  int lastProgress = 0, lastDiamonds = 0;
  while (r.Run.Values.GamePhase == gpPlay) {
    int move = -1;
    if (r.Run.State.PlayerBorn) {
      const int at = r.DravikCell();
      if (at < 0) {
        Debug("died", r);
        return {{}, true};
      }
      if (r.Run.State.DiamondsCollected != lastDiamonds) {
        lastDiamonds = r.Run.State.DiamondsCollected;
        lastProgress = r.Ticks;
      }
      if (r.Ticks - lastProgress > 400) {
        Debug("stuck", r);
        return {};
      }
      move = ChooseMove(r, PreferredMoves(r, at, rng, noise, noPush), naive);
    }
    r.Step(move >= 0 ? Dir(move) : InputFlags{});
    moves += Token(move);
  }
  Debug("ended", r);
  if (r.Done()) return {moves, false};
  return {{}, r.DravikCell() < 0};
}

}  // namespace krattle::solve
