#include "planner.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <queue>
#include <unordered_set>
#include <vector>

namespace krattle::solve {
namespace {

struct Node {
  Runner R;
  std::string Moves;
  long Score = 0;
};

bool Passable(Element e) {
  return e == Space || e == Dirt || e == DiamondStationary;
}

bool NearCreature(const CaveGrid& g, int c) {
  for (int d = 0; d < 4; ++d)
    if (IsCreature(g.Cells[g.Wrap(c + Offset(d, g.CaveWidth))])) return true;
  return false;
}

struct Reach {
  std::vector<int> Dist, Prev;
};

// Shortest walks from `at` through dirt, space and diamonds, clear of creatures when shy. Clocks,
// bombs (when Dravik has none) and the open exit end a walk but are not walked through.
Reach ReachFrom(const Runner& r, int at, bool shy = true) {
  const CaveGrid& g = r.Run.Grid;
  const int w = g.CaveWidth, n = w * g.Rows();
  const bool carrying = g.Cells[at] == DravikWithBomb || g.Cells[at] == DravikWithBombMoved;
  Reach m{std::vector<int>(n, -1), std::vector<int>(n, -1)};
  std::queue<int> q;
  m.Dist[at] = 0;
  q.push(at);
  while (!q.empty()) {
    const int c = q.front();
    q.pop();
    for (int d = 0; d < 4; ++d) {
      const int t = g.Wrap(c + Offset(d, w));
      if (m.Dist[t] >= 0) continue;
      const Element e = g.Cells[t];
      const bool end = e == Clock || e == ExitOpen || (e == Bomb && !carrying);
      if ((!Passable(e) && !end) || (shy && NearCreature(g, t))) continue;
      m.Dist[t] = m.Dist[c] + 1;
      m.Prev[t] = c;
      if (!end) q.push(t);
    }
  }
  return m;
}

bool Survives(Runner probe, int d, int steps, int look) {
  for (int i = 0; i < steps && probe.InPlay(); ++i) probe.Step(Dir(d));
  for (int i = 0; i < look && probe.InPlay(); ++i) probe.Step({});
  return probe.Done() || (probe.InPlay() && probe.DravikCell() >= 0);
}

// Whether Dravik survives the input and can then stay alive for `look` ticks, standing still
// or by one or two steps away (a cell next to a creature's path is fine for a tick, and a drop
// is made by stepping out from under the boulder).
bool Safe(const Runner& r, const InputFlags& in, int look) {
  Runner probe = r;
  probe.Step(in);
  if (probe.Done()) return true;
  if (!probe.InPlay() || probe.DravikCell() < 0) return false;
  if (Survives(probe, -1, 0, look)) return true;
  for (int steps : {1, 2})
    for (int d = 0; d < 4; ++d)
      if (Survives(probe, d, steps, look)) return true;
  return false;
}

void Do(Node& n, int d, bool fire = false) {
  n.R.Step(Dir(d, fire));
  n.Moves += Token(d, fire);
}

int DirectionTo(const CaveGrid& g, int from, int to) {
  for (int d = 0; d < 4; ++d)
    if (g.Wrap(from + Offset(d, g.CaveWidth)) == to) return d;
  return -1;
}

bool Wait(Node& n, int ticks) {
  for (int i = 0; i < ticks && n.R.InPlay(); ++i) Do(n, -1);
  return n.R.Done() || (n.R.InPlay() && n.R.DravikCell() >= 0);
}

// Follows the shortest walk to `goal` a tick at a time, planned again after every step, and
// waits while the next step looks deadly. True once the step into the goal has been taken.
bool WalkTo(Node& n, int goal, const std::vector<int>& avoid = {}) {
  int waits = 0;
  for (int guard = 0; guard < 300 && n.R.InPlay(); ++guard) {
    const int at = n.R.DravikCell();
    if (at < 0) return false;
    if (at == goal) return true;
    Reach m = ReachFrom(n.R, at);
    if (m.Dist[goal] < 0) m = ReachFrom(n.R, at, false);
    for (int c : avoid)
      if (c != goal) m.Dist[c] = -1;
    if (m.Dist[goal] < 0) return false;
    int c = goal;
    while (m.Prev[c] != at) {
      c = m.Prev[c];
      if (m.Dist[c] < 0) return false;
    }
    const int d = DirectionTo(n.R.Run.Grid, at, c);
    if (Safe(n.R, Dir(d), 3)) {
      Do(n, d);
      if (c == goal) return n.R.Done() || n.R.DravikCell() >= 0;
    } else if (++waits < 12 && Safe(n.R, {}, 3)) {
      Do(n, -1);
    } else {
      return false;
    }
  }
  return false;
}

// Pressing towards a boulder until it gives way (pushes succeed by chance).
bool Push(Node& n, int d) {
  const int at = n.R.DravikCell();
  for (int i = 0; i < 24 && n.R.InPlay(); ++i) {
    if (!Safe(n.R, Dir(d), 3)) return false;
    Do(n, d);
    if (n.R.DravikCell() != at) return n.R.DravikCell() >= 0;
  }
  return false;
}

// Steps out from under a boulder or diamond, two cells to one side, and lets it fall.
bool StepAside(Node& n) {
  for (int d : {1, 2, 0}) {
    Node probe = n;
    Do(probe, d);
    Do(probe, d);
    if (probe.R.DravikCell() >= 0 && Wait(probe, 4) && Safe(probe.R, {}, 3)) {
      n = std::move(probe);
      return true;
    }
  }
  return false;
}

// Lays the bomb into the neighbour in direction d, takes cover out of its cross and waits for
// the blast to clear.
bool LayBomb(Node& n, int d) {
  const CaveGrid& g = n.R.Run.Grid;
  const int w = g.CaveWidth, at = n.R.DravikCell();
  const int x = g.Wrap(at + Offset(d, w));
  std::vector<int> cross{x};
  for (int k = 0; k < 4; ++k) cross.push_back(g.Wrap(x + Offset(k, w)));
  Do(n, d, true);
  if (n.R.DravikCell() < 0) return false;
  Reach m = ReachFrom(n.R, n.R.DravikCell());
  int best = -1;
  for (int c = 0; c < static_cast<int>(m.Dist.size()); ++c)
    if (m.Dist[c] > 0 && std::find(cross.begin(), cross.end(), c) == cross.end() &&
        Passable(n.R.Run.Grid.Cells[c]) && (best < 0 || m.Dist[c] < m.Dist[best]))
      best = c;
  if (best < 0 || m.Dist[best] > 4 || !WalkTo(n, best, cross)) return false;
  return Wait(n, 10);
}

std::uint64_t Hash(const Runner& r) {
  const CaveGrid& g = r.Run.Grid;
  std::uint64_t h = 1469598103934665603ull;
  // Creatures count as empty space, so waiting while they wander does not look like progress.
  for (int i = 0; i < g.CaveWidth * g.Rows(); ++i)
    h = (h ^ (IsCreature(g.Cells[i]) ? 0 : g.Cells[i])) * 1099511628211ull;
  h = (h ^ r.Run.State.DiamondsCollected) * 1099511628211ull;
  return (h ^ r.Run.State.MagicWallState) * 1099511628211ull;
}

// Diamonds first, then any diamond Dravik can walk to, then the exit; quicker is better.
long Score(const Runner& r) {
  if (r.Done()) return 1L << 40;
  const int need = r.Run.Params.Diamonds, have = r.Run.State.DiamondsCollected;
  long s = 100000L * std::min(have, need) - r.Ticks;
  const int at = r.DravikCell();
  if (at < 0) return s;
  const Element self = r.Run.Grid.Cells[at];
  if (self == DravikInExit || self == DravikInExitMoved) return 1L << 39;
  // Progress before any diamond is in reach: a bomb in hand, creatures gone, diamonds made.
  int creatures = 0, made = 0;
  for (int c = 0; c < r.Run.Grid.CaveWidth * r.Run.Grid.Rows(); ++c) {
    creatures += IsCreature(r.Run.Grid.Cells[c]);
    made += r.Run.Grid.Cells[c] == DiamondStationary;
  }
  s += (self == DravikWithBomb || self == DravikWithBombMoved ? 3000 : 0) - 2000L * creatures +
       1000L * std::min(made, std::max(0, need - have));
  const Reach m = ReachFrom(r, at);
  int free = 0, nearest = 200;
  for (int c = 0; c < static_cast<int>(m.Dist.size()); ++c) {
    const Element e = r.Run.Grid.Cells[c];
    if (m.Dist[c] < 0) continue;
    if (e == DiamondStationary) ++free;
    if (e == ExitOpen) s += 50000;
    if (e == (have >= need ? ExitOpen : DiamondStationary)) nearest = std::min(nearest, m.Dist[c]);
  }
  return s + 5000L * std::min(free, std::max(0, need - have)) - 20L * nearest;
}

struct Target {
  int Dist, Cell, Kind, Dir;  // Kind: 0 walk, 1 push, 2 lay a bomb, 3 drop
  bool operator<(const Target& o) const { return Dist < o.Dist; }
};

// The short plans worth trying from here, nearest first within each kind.
std::vector<Target> Targets(const Runner& r, const PlanRules& rules) {
  const CaveGrid& g = r.Run.Grid;
  const int w = g.CaveWidth, n = w * g.Rows(), at = r.DravikCell();
  const bool carrying = g.Cells[at] == DravikWithBomb || g.Cells[at] == DravikWithBombMoved;
  const bool enough = r.Run.State.DiamondsCollected >= r.Run.Params.Diamonds;
  const Reach m = ReachFrom(r, at, false);
  std::vector<Target> kinds[6];
  auto heavy = [](Element e) {
    return e == BoulderStationary || e == DiamondStationary || e == BombSolid;
  };
  for (int c = 0; c < n; ++c) {
    if (m.Dist[c] < 0) continue;
    const Element e = g.Cells[c];
    const int dist = m.Dist[c];
    if ((e == DiamondStationary && !enough) || e == ExitOpen) kinds[0].push_back({dist, c, 0, 0});
    if (e == Clock || (e == Bomb && rules.Bombs)) kinds[1].push_back({dist, c, 0, 0});
    if (!Passable(e)) continue;
    if (rules.Drops && c != at && e == Dirt && heavy(g.Cells[g.Wrap(c - w)]))
      kinds[2].push_back({dist, c, 3, 0});
    for (int d : {1, 2}) {
      const int b = g.Wrap(c + Offset(d, w)), beyond = g.Wrap(b + Offset(d, w));
      if (rules.Pushes && (g.Cells[b] == BoulderStationary || g.Cells[b] == BombSolid) &&
          g.Cells[beyond] == Space)
        kinds[3].push_back({dist, c, 1, d});
    }
    if (carrying && rules.Bombs)
      for (int d = 0; d < 4; ++d) {
        const int x = g.Wrap(c + Offset(d, w));
        if (x == at || (g.Cells[x] != Space && g.Cells[x] != Dirt)) continue;
        bool worth = false;
        for (int k = 0; k < 4; ++k) {
          const Element near = g.Cells[g.Wrap(x + Offset(k, w))];
          worth |= near == Wall || near == BombSolid || IsCreature(near);
        }
        if (worth) kinds[4].push_back({dist, c, 2, d});
      }
    if (e == Dirt && dist > 0 && !enough) kinds[5].push_back({dist + 40, c, 0, 0});
  }
  const std::size_t keep[6] = {5, 2, 4, 3, 5, 1};
  std::vector<Target> out;
  for (int k = 0; k < 6; ++k) {
    std::sort(kinds[k].begin(), kinds[k].end());
    for (std::size_t i = 0; i < kinds[k].size() && i < keep[k]; ++i) out.push_back(kinds[k][i]);
  }
  return out;
}

}  // namespace

PlanResult Plan(const Runner& start, const PlanRules& rules) {
  auto first = std::make_unique<Node>();
  first->R = start;
  while (first->R.InPlay() && !first->R.Run.State.PlayerBorn) Do(*first, -1);
  PlanResult result;
  if (!first->R.InPlay()) return result;

  std::vector<std::unique_ptr<Node>> open;
  auto worse = [](const std::unique_ptr<Node>& a, const std::unique_ptr<Node>& b) {
    return a->Score < b->Score;
  };
  std::unordered_set<std::uint64_t> seen{Hash(first->R)};
  first->Score = Score(first->R);
  open.push_back(std::move(first));
  const bool debug = std::getenv("SOLVE_DEBUG") != nullptr;

  while (!open.empty() && result.Expanded < rules.Budget) {
    std::pop_heap(open.begin(), open.end(), worse);
    std::unique_ptr<Node> node = std::move(open.back());
    open.pop_back();
    ++result.Expanded;
    if (debug && result.Expanded % 100 == 0)
      std::fprintf(stderr, "expanded %d, open %zu, best %ld, ticks %d, diamonds %d\n",
                   result.Expanded, open.size(), node->Score, node->R.Ticks,
                   node->R.Run.State.DiamondsCollected);
    std::vector<std::unique_ptr<Node>> children;
    auto child = [&] { return std::make_unique<Node>(*node); };
    for (const Target& t : Targets(node->R, rules)) {
      auto c = child();
      bool ok = WalkTo(*c, t.Cell);
      if (ok && t.Kind == 1) ok = Push(*c, t.Dir);
      if (ok && t.Kind == 2) ok = LayBomb(*c, t.Dir);
      if (ok && t.Kind == 3) ok = StepAside(*c);
      if (ok) children.push_back(std::move(c));
    }
    for (int ticks : {6, 30}) {
      auto c = child();
      if (Wait(*c, ticks)) children.push_back(std::move(c));
    }
    const int at = node->R.DravikCell();
    for (int d = 0; d < 4; ++d) {
      const Element e =
          node->R.Run.Grid.Cells[node->R.Run.Grid.Wrap(at + Offset(d, node->R.Run.Grid.CaveWidth))];
      if (e != DiamondStationary && e != Dirt) continue;
      auto c = child();
      if (Safe(c->R, Dir(d, true), 3)) {
        Do(*c, d, true);
        children.push_back(std::move(c));
      }
    }
    for (auto& c : children) {
      if (c->R.Done()) {
        result.Moves = c->Moves;
        return result;
      }
      if (!c->R.InPlay() || c->R.DravikCell() < 0 || !seen.insert(Hash(c->R)).second) continue;
      c->Score = Score(c->R);
      open.push_back(std::move(c));
      std::push_heap(open.begin(), open.end(), worse);
    }
    if (open.size() > 6000) {
      std::sort_heap(open.begin(), open.end(), worse);
      open.erase(open.begin(), open.begin() + static_cast<long>(open.size() - 3000));
      std::make_heap(open.begin(), open.end(), worse);
    }
  }
  return result;
}

}  // namespace krattle::solve
