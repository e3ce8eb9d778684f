// Each redesigned cave can only be completed with its idea. The checks read the cave as it
// starts and show that walking and digging alone cannot collect the diamonds needed.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <queue>
#include <string>
#include <vector>

#include "core/cave_set_file.h"
#include "engine/cave_setup.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

// Steps from the cells `from` picks to every cell, passing only cells `passes` lets through and
// going no further than `limit` steps; -1 where it does not get.
std::vector<int> Distances(const CaveGrid& g, const std::function<bool(int)>& from,
                           const std::function<bool(int)>& passes,
                           int limit = std::numeric_limits<int>::max()) {
  const int cells = g.CaveWidth * g.Rows();
  std::vector<int> dist(cells, -1);
  std::queue<int> q;
  for (int c = 0; c < cells; ++c)
    if (from(c)) {
      dist[c] = 0;
      q.push(c);
    }
  while (!q.empty()) {
    const int c = q.front();
    q.pop();
    if (dist[c] >= limit) continue;
    for (int o : {-g.CaveWidth, -1, 1, g.CaveWidth}) {
      const int t = g.Wrap(c + o);
      if (dist[t] < 0 && passes(t)) {
        dist[t] = dist[c] + 1;
        q.push(t);
      }
    }
  }
  return dist;
}

std::vector<bool> Reached(const std::vector<int>& dist) {
  std::vector<bool> seen(dist.size());
  for (std::size_t c = 0; c < dist.size(); ++c) seen[c] = dist[c] >= 0;
  return seen;
}

struct Start {
  std::unique_ptr<CaveRun> Run = std::make_unique<CaveRun>();
  int Needed = 0;
  const CaveGrid& Grid() const { return Run->Grid; }
  int Cells() const { return Grid().CaveWidth * Grid().Rows(); }
  int Count(const std::function<bool(Element)>& which) const {
    int n = 0;
    for (int c = 0; c < Cells(); ++c) n += which(Grid().Cells[c]);
    return n;
  }
  // Steps from the entrance to every cell through anything `blocks` lets pass.
  std::vector<int> FromEntrance(const std::function<bool(int)>& blocks) const {
    const CaveGrid& g = Grid();
    return Distances(
        g, [&](int c) { return g.Cells[c] == Entrance; }, [&](int c) { return !blocks(c); });
  }
  // Cells reachable from the entrance through anything `blocks` lets pass.
  std::vector<bool> Reach(const std::function<bool(Element)>& blocks) const {
    return Reached(FromEntrance([&](int c) { return blocks(Grid().Cells[c]); }));
  }
  // Fewest steps from the entrance to the nearest cell of kind `to`, or -1.
  int Steps(Element to, const std::function<bool(Element)>& blocks) const {
    const auto dist = FromEntrance([&](int c) { return blocks(Grid().Cells[c]); });
    int best = -1;
    for (int c = 0; c < Cells(); ++c)
      if (Grid().Cells[c] == to && dist[c] >= 0 && (best < 0 || dist[c] < best)) best = dist[c];
    return best;
  }
};

Start Load(const CaveSet& set, int cave, int level) {
  Start s;
  SetUpCaveForSim(*s.Run, set, cave, level);
  s.Needed = s.Run->Params.Diamonds;
  return s;
}

bool IsDiamond(Element e) {
  return e == DiamondStationary;
}
bool IsCreatureOrGrowth(Element e) {
  return (e >= FireflyMovedRight && e <= ButterflyRight) ||
         (e >= AltFireflyMovedRight && e <= AltButterflyRight) || e == Amoeba || e == Acid;
}
// Creatures that burst into diamonds and growth that turns into them.
bool MakesDiamonds(Element e) {
  return (e >= ButterflyMovedDown && e <= ButterflyRight) ||
         (e >= AltFireflyMovedRight && e <= AltFireflyDown) || e == Amoeba;
}
bool IsWall(Element e) {
  return e == Wall || e == SteelWall;
}

class CaveIdeas : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ReadCaveSet(fs::path(KRATTLE_BIN_DIR) / "Levels" / "Krattle.kcv", *set_).Ok());
  }
  template <typename Check>
  void EveryLevel(char cave, Check check) {
    for (int level = 0; level < LevelCount; ++level) {
      SCOPED_TRACE(std::string(1, cave) + std::to_string(level + 1));
      check(Load(*set_, cave - 'A', level));
    }
  }
  std::unique_ptr<CaveSet> set_ = std::make_unique<CaveSet>();
};

// Fewer diamonds lie in the cave than are needed and nothing else makes them: the rest must
// come out of butterflies crushed by boulders.
TEST_F(CaveIdeas, ButterflyNetsNeedsCrushedButterflies) {
  EveryLevel('D', [](const Start& s) {
    EXPECT_LT(s.Count(IsDiamond), s.Needed);
    EXPECT_EQ(s.Count([](Element e) { return e == MagicWall || e == Amoeba; }), 0);
    EXPECT_GT(s.Count([](Element e) { return e >= ButterflyDown && e <= ButterflyRight; }) * 6,
              s.Needed - s.Count(IsDiamond));
    // A pit three deep keeps a butterfly at its bottom from reaching the tunnel before the
    // boulder meets it; a shallow one kills whoever snaps the dirt away.
    const int w = s.Grid().CaveWidth;
    for (int c = 0; c < s.Cells(); ++c) {
      const Element e = s.Grid().Cells[c];
      if (e < ButterflyDown || e > ButterflyRight) continue;
      for (int up = 1; up <= 3; ++up)
        EXPECT_EQ(s.Grid().Cells[s.Grid().Wrap(c - up * w)], Space) << "pit above cell " << c;
    }
  });
}

// The diamonds needed are behind brick, and nothing but a laid bomb can break it.
TEST_F(CaveIdeas, DemolitionNeedsBombs) {
  EveryLevel('K', [](const Start& s) {
    const auto reach = s.Reach(IsWall);
    int outside = 0;
    for (int c = 0; c < s.Cells(); ++c) outside += reach[c] && IsDiamond(s.Grid().Cells[c]);
    EXPECT_LT(outside, s.Needed);
    EXPECT_EQ(s.Count([](Element e) { return IsCreatureOrGrowth(e) || e == BombSolid; }), 0);
    EXPECT_GE(s.Count([](Element e) { return e == Bomb; }), 4);
  });
}

// No diamond lies in the cave and no creature makes one; the magic wall does, below it where
// Dravik cannot go, so only the dummy there can collect them.
TEST_F(CaveIdeas, DecoyNeedsTheDummyToCatch) {
  EveryLevel('N', [](const Start& s) {
    EXPECT_EQ(s.Count(IsDiamond), 0);
    EXPECT_EQ(s.Count(IsCreatureOrGrowth), 0);
    const auto reach =
        s.Reach([](Element e) { return IsWall(e) || e == MagicWall || e == ExitClosed; });
    const int w = s.Grid().CaveWidth;
    int walls = 0;
    for (int c = 0; c < s.Cells(); ++c) {
      if (s.Grid().Cells[c] != MagicWall) continue;
      ++walls;
      EXPECT_FALSE(reach[s.Grid().Wrap(c + w)]);
      EXPECT_EQ(s.Grid().Cells[s.Grid().Wrap(c + 2 * w)], Dummy);
    }
    EXPECT_GE(walls, s.Needed);
  });
}

// Not a diamond in the cave and nothing but the magic wall to make them, with enough boulders
// to drop through it.
TEST_F(CaveIdeas, SieveCavesMakeEveryDiamondInTheMagicWall) {
  for (char cave : {'F', 'R'})
    EveryLevel(cave, [](const Start& s) {
      EXPECT_EQ(s.Count(IsDiamond), 0);
      EXPECT_EQ(s.Count(MakesDiamonds), 0);
      EXPECT_GT(s.Count([](Element e) { return e == MagicWall; }), 0);
      EXPECT_GE(s.Count([](Element e) { return e == BoulderStationary; }), s.Needed);
    });
}

// Dravik takes a step per tick at best, and the game clock ticks every eleven: even the
// shortest way to the exit, through boulders and all, outlasts the cave's own time, and only
// the clocks on the way make up the difference.
TEST_F(CaveIdeas, AgainstTheClockCannotBeRunWithoutClocks) {
  EveryLevel('J', [](const Start& s) {
    const int steps = s.Steps(ExitClosed, IsWall);
    ASSERT_GT(steps, 0);
    EXPECT_GT(steps, s.Run->Params.CaveTime * 11);
    const int clocks = s.Count([](Element e) { return e == Clock; });
    EXPECT_GE((s.Run->Params.CaveTime + clocks * s.Run->Params.ExtraTime) * 11, steps);
  });
}

// Only a walled-in amoeba makes diamonds here. Left alone it finds its way out through dirt
// and grows too big; its own room, closed off, holds enough of them.
TEST_F(CaveIdeas, GreenGrowthNeedsTheAmoebaWalledIn) {
  EveryLevel('E', [](const Start& s) {
    const CaveParams& p = s.Run->Params;
    EXPECT_EQ(s.Count(IsDiamond), 0);
    EXPECT_EQ(s.Count([](Element e) { return MakesDiamonds(e) && e != Amoeba; }), 0);
    EXPECT_EQ(s.Count([](Element e) { return e == MagicWall; }), 0);
    EXPECT_EQ(ElementChoice(p.EnclosedAmoeba), DiamondStationary);
    EXPECT_NE(ElementChoice(p.TooBigAmoeba), DiamondStationary);
    const CaveGrid& g = s.Grid();
    auto from_amoeba = [&](const std::function<bool(Element)>& open) {
      return Reached(Distances(
          g, [&](int c) { return g.Cells[c] == Amoeba; }, [&](int c) { return open(g.Cells[c]); }));
    };
    ASSERT_GT(s.Count([](Element e) { return e == Amoeba; }), 0);
    const auto grows = from_amoeba([](Element e) { return e == Space || e == Dirt; });
    EXPECT_GT(std::count(grows.begin(), grows.end(), true), p.AmoebaMax);
    const auto room = from_amoeba([](Element e) { return e == Space; });
    EXPECT_LT(std::count(room.begin(), room.end(), true), p.AmoebaMax);
    // The cells beside the dirt the amoeba would leave by stay outside once the gaps are
    // closed, and Dravik and the boulder he pushes in take two more.
    int walled_in = -2;
    for (int c = 0; c < s.Cells(); ++c) {
      if (!room[c]) continue;
      bool by_dirt = false;
      for (int o : {-g.CaveWidth, -1, 1, g.CaveWidth}) by_dirt |= g.Cells[g.Wrap(c + o)] == Dirt;
      walled_in += !by_dirt;
    }
    EXPECT_GE(walled_in, s.Needed);
  });
}

// Cells reachable from the entrance through any cell `blocks` lets pass, by index.
std::vector<bool> ReachCells(const Start& s, const std::function<bool(int)>& blocks) {
  return Reached(s.FromEntrance(blocks));
}

// The rows of expanding wall cross the cave from side to side, and each gap in them closes as
// soon as Dravik has left it. Too few diamonds lie on the entrance's side of the rows, and the
// exit lies there too, so every row crossed for the diamonds needs a second door to come back.
TEST_F(CaveIdeas, ClosingDoorsPassesEachDoorOnce) {
  EveryLevel('I', [](const Start& s) {
    EXPECT_EQ(
        s.Count([](Element e) { return IsCreatureOrGrowth(e) || e == Bomb || e == BombSolid; }), 0);
    const CaveGrid& g = s.Grid();
    auto door = [&](int c) {
      return g.Cells[c] != HorizExpWall && g.Cells[g.Wrap(c - 1)] == HorizExpWall &&
             g.Cells[g.Wrap(c + 1)] == HorizExpWall;
    };
    int doors = 0;
    for (int c = 0; c < s.Cells(); ++c) doors += door(c) && !IsWall(g.Cells[c]);
    EXPECT_GE(doors, 2);
    const auto near = ReachCells(
        s, [&](int c) { return IsWall(g.Cells[c]) || g.Cells[c] == HorizExpWall || door(c); });
    int diamonds = 0, exits = 0;
    for (int c = 0; c < s.Cells(); ++c) {
      diamonds += near[c] && IsDiamond(g.Cells[c]);
      exits += near[c] && g.Cells[c] == ExitClosed;
    }
    EXPECT_LT(diamonds, s.Needed);
    EXPECT_EQ(exits, 1);
  });
}

// Steel takes no blast, and the diamonds are sealed in it with glued solid bombs. Even letting
// Dravik blast every cell next to one he can reach, over and over, he gets to too few of them
// unless the blast runs along the glued bombs.
TEST_F(CaveIdeas, ChainReactionNeedsTheGluedBombsToCarryTheBlast) {
  EveryLevel('L', [](const Start& s) {
    EXPECT_EQ(s.Count([](Element e) { return IsCreatureOrGrowth(e) || e == Bomb; }), 0);
    EXPECT_GT(s.Count([](Element e) { return e == BombGlued; }), 0);
    const CaveGrid& g = s.Grid();
    const int w = g.CaveWidth;
    auto shielded = [&](int c) { return g.Cells[c] == SteelWall || g.Cells[c] == BombGlued; };
    std::vector<bool> open(s.Cells(), false);
    for (int c = 0; c < s.Cells(); ++c) open[c] = g.Cells[c] == Entrance;
    for (bool grew = true; grew;) {
      grew = false;
      const auto walk = ReachCells(s, [&](int c) {
        const Element e = g.Cells[c];
        return !open[c] && (IsWall(e) || e == BombSolid || shielded(c));
      });
      for (int c = 0; c < s.Cells(); ++c) {
        if (!walk[c]) continue;
        for (int dy : {-w, 0, w})
          for (int dx : {-1, 0, 1}) {
            const int t = g.Wrap(c + dy + dx);
            if (!open[t] && !shielded(t)) open[t] = grew = true;
          }
      }
    }
    int diamonds = 0;
    for (int c = 0; c < s.Cells(); ++c) diamonds += open[c] && IsDiamond(g.Cells[c]);
    EXPECT_LT(diamonds, s.Needed);
  });
}

// The rooms holding the diamonds are shut by loose walls, which nothing here can break; each
// hangs over open air down to the corridor, so walking under it pulls it down, and over more
// air below, so it falls past instead of plugging the shaft again.
TEST_F(CaveIdeas, LooseCeilingOpensRoomsByDroppingTheirFloors) {
  EveryLevel('M', [](const Start& s) {
    EXPECT_EQ(s.Count([](Element e) {
      return IsCreatureOrGrowth(e) || e == Bomb || e == BombSolid || e == BombGlued;
    }),
              0);
    const CaveGrid& g = s.Grid();
    const int w = g.CaveWidth;
    const auto walk = s.Reach([](Element e) { return IsWall(e) || e == WallFalling; });
    int diamonds = 0, plugs = 0;
    for (int c = 0; c < s.Cells(); ++c) {
      diamonds += walk[c] && IsDiamond(g.Cells[c]);
      if (g.Cells[c] != WallFalling || walk[g.Wrap(c - w)]) continue;
      ++plugs;
      int below = g.Wrap(c + w);
      while (g.Cells[below] == Space) below = g.Wrap(below + w);
      EXPECT_TRUE(walk[below]) << "nowhere to pull down the wall at " << c;
      EXPECT_LE(below - c, 21 * w);
      EXPECT_EQ(g.Cells[g.Wrap(below + w)], Space) << "the wall at " << c << " would stop short";
    }
    EXPECT_LT(diamonds, s.Needed);
    EXPECT_GT(plugs, 0);
  });
}

// Every diamond lies sealed in steel over slime, so walking and digging reach none; through the
// slime enough of them come down, and only once Dravik has dug out the plug beneath it.
TEST_F(CaveIdeas, SlimePitsNeedTheSlime) {
  EveryLevel('G', [](const Start& s) {
    EXPECT_EQ(s.Count(IsCreatureOrGrowth), 0);
    EXPECT_EQ(s.Count([](Element e) { return e == MagicWall || e == Bomb || e == BombSolid; }), 0);
    EXPECT_NE(s.Run->Params.SlimePenetrated, 3) << "the slime must let diamonds through";
    const auto walk = s.Reach([](Element e) { return IsWall(e) || e == Slime; });
    const auto seep = s.Reach(IsWall);
    int walked = 0, seeped = 0;
    for (int c = 0; c < s.Cells(); ++c) {
      walked += walk[c] && IsDiamond(s.Grid().Cells[c]);
      seeped += seep[c] && IsDiamond(s.Grid().Cells[c]);
    }
    EXPECT_EQ(walked, 0);
    EXPECT_GE(seeped, s.Needed);
    const int w = s.Grid().CaveWidth;
    for (int c = 0; c < s.Cells(); ++c) {
      if (s.Grid().Cells[c] != Slime) continue;
      EXPECT_EQ(s.Grid().Cells[s.Grid().Wrap(c + w)], Dirt) << "plug below slime at " << c;
    }
  });
}

// The vaults are shut by rows of boulders in steel that nothing can push or drop, and only the
// acid eats them. Each acid must touch a boulder, or it burns out for nothing.
TEST_F(CaveIdeas, AcidBathNeedsTheAcidToEatTheDoors) {
  EveryLevel('H', [](const Start& s) {
    EXPECT_EQ(ElementChoice(s.Run->Params.AcidEats), BoulderStationary);
    EXPECT_EQ(s.Count([](Element e) {
      return (IsCreatureOrGrowth(e) && e != Acid) || e == MagicWall || e == Slime || e == Bomb ||
             e == BombSolid || e == BombGlued;
    }),
              0);
    const CaveGrid& g = s.Grid();
    const int w = g.CaveWidth;
    auto at = [&](int c) { return g.Cells[g.Wrap(c)]; };
    auto loose = [](Element e) { return e == Space || e == Dirt; };
    // On steel with nothing open beside it, a boulder neither falls nor takes a push.
    auto stuck = [&](int c) {
      return g.Cells[c] == BoulderStationary && at(c + w) == SteelWall && !loose(at(c - 1)) &&
             !loose(at(c + 1));
    };
    const auto walk = ReachCells(s, [&](int c) {
      const Element e = g.Cells[c];
      return IsWall(e) || e == Acid || e == ExitClosed || stuck(c);
    });
    const auto eaten = s.Reach(IsWall);
    int walked = 0, behind = 0, acids = 0;
    for (int c = 0; c < s.Cells(); ++c) {
      walked += walk[c] && IsDiamond(g.Cells[c]);
      behind += eaten[c] && IsDiamond(g.Cells[c]);
      if (g.Cells[c] != Acid) continue;
      ++acids;
      bool lit = false;
      for (int o : {-w, -1, 1, w}) lit |= at(c + o) == BoulderStationary;
      EXPECT_TRUE(lit) << "acid at " << c << " touches no boulder";
    }
    EXPECT_LT(walked, s.Needed);
    EXPECT_GE(behind, s.Needed);
    EXPECT_GT(acids, 0);
  });
}

// No diamond lies here, and only the fireflies, which burst into diamonds, can make one; the
// butterflies burst into fire. The exit is shut in brick that only a butterfly's fire reaches:
// no bomb or other creature could open it, and no firefly's burst turns it to diamonds.
TEST_F(CaveIdeas, ChangelingsPayOnlyForTheRightCreatures) {
  auto firefly = [](Element e) { return e >= AltFireflyMovedRight && e <= AltFireflyDown; };
  auto butterfly = [](Element e) { return e >= AltButterflyMovedDown && e <= AltButterflyRight; };
  EveryLevel('O', [&](const Start& s) {
    EXPECT_EQ(s.Count(IsDiamond), 0);
    EXPECT_EQ(s.Count([&](Element e) {
      return (IsCreatureOrGrowth(e) && !firefly(e) && !butterfly(e)) || e == MagicWall ||
             e == Bomb || e == BombSolid || e == BombGlued;
    }),
              0);
    EXPECT_GE(s.Count(firefly) * 9, s.Needed);
    EXPECT_GT(s.Count(butterfly), 0);
    const CaveGrid& g = s.Grid();
    const int w = g.CaveWidth;
    auto near = [&](int c, const std::function<bool(Element)>& kind) {
      for (int dy : {-w, 0, w})
        for (int dx : {-1, 0, 1})
          if (kind(g.Cells[g.Wrap(c + dy + dx)])) return true;
      return false;
    };
    const int exit =
        static_cast<int>(std::find(g.Cells.begin(), g.Cells.end(), ExitClosed) - g.Cells.begin());
    ASSERT_LT(exit, s.Cells());
    EXPECT_FALSE(near(exit, butterfly)) << "the fire would take the exit too";
    EXPECT_FALSE(s.Reach(IsWall)[exit]);
    const auto burnt = ReachCells(s, [&](int c) {
      const Element e = g.Cells[c];
      return e == SteelWall || (e == Wall && (!near(c, butterfly) || near(c, firefly)));
    });
    EXPECT_TRUE(burnt[exit]);
  });
}

// A bonus run: the way to the exit folds through the whole cave, the diamonds lying in its first
// half are too few, so the diamonds needed take the whole tour, and the time covers the way but
// not three times over.
TEST_F(CaveIdeas, GrandTourTakesTheWholeWay) {
  EveryLevel('P', [](const Start& s) {
    const CaveGrid& g = s.Grid();
    const auto dist = s.FromEntrance([&](int c) { return IsWall(g.Cells[c]); });
    const int way = s.Steps(ExitClosed, IsWall);
    ASSERT_GT(way, 0);
    EXPECT_GE(way, 4 * g.CaveWidth);
    int early = 0;
    for (int c = 0; c < s.Cells(); ++c)
      early += IsDiamond(g.Cells[c]) && dist[c] >= 0 && 2 * dist[c] <= way;
    EXPECT_LT(early, s.Needed);
    const int ticks = s.Run->Params.CaveTime * 11;
    EXPECT_GE(ticks, way);
    EXPECT_LE(ticks, 3 * way);
  });
}

// Only the butterflies make diamonds, and each sits in a shaft roofed in steel, so nothing
// falls straight in; beside the shaft's top a boulder waits over a round post (brick, or a
// boulder on steel so that it stays put) and reaches the butterfly only by rolling off it.
TEST_F(CaveIdeas, RollingStonesReachButterfliesOnlyByRolling) {
  EveryLevel('B', [](const Start& s) {
    auto butterfly = [](Element e) { return e >= ButterflyMovedDown && e <= ButterflyRight; };
    EXPECT_EQ(s.Count(IsDiamond), 0);
    EXPECT_EQ(s.Count([&](Element e) { return MakesDiamonds(e) && !butterfly(e); }), 0);
    EXPECT_EQ(s.Count([](Element e) { return e == MagicWall; }), 0);
    const int butterflies = s.Count(butterfly);
    EXPECT_GE(butterflies * 6, s.Needed);
    const CaveGrid& g = s.Grid();
    const int w = g.CaveWidth;
    auto at = [&](int c) { return g.Cells[g.Wrap(c)]; };
    for (int c = 0; c < s.Cells(); ++c) {
      if (!butterfly(g.Cells[c])) continue;
      int top = c;
      while (at(top - w) == Space) top -= w;
      EXPECT_EQ(at(top - w), SteelWall)
          << "a boulder could fall straight onto the butterfly at " << c;
      bool post = false;
      for (int side : {-1, 1}) {
        const int beside = g.Wrap(top + side);
        const Element under = at(beside + w);
        post |= at(beside) == Dirt && at(beside - w) == BoulderStationary &&
                (under == Wall || (under == BoulderStationary && at(beside + 2 * w) == SteelWall));
      }
      EXPECT_TRUE(post) << "no boulder to roll onto the butterfly at " << c;
    }
  });
}

// The fireflies are shut in brick rooms, each circling a heap of diamonds, and hardly any lie
// elsewhere: keeping clear of every cell a firefly patrols and every cell beside one, Dravik
// reaches too few. The rooms open by digging, and behind them lie enough.
TEST_F(CaveIdeas, FireflyRoomsMustBeOpened) {
  auto firefly = [](Element e) { return e >= FireflyMovedRight && e <= FireflyDown; };
  EveryLevel('C', [&](const Start& s) {
    EXPECT_EQ(s.Count([&](Element e) {
      return (IsCreatureOrGrowth(e) && !firefly(e)) || e == MagicWall || e == Slime || e == Bomb ||
             e == BombSolid || e == BombGlued;
    }),
              0);
    const CaveGrid& g = s.Grid();
    const int w = g.CaveWidth;
    // Fireflies move only into space, so that is all they patrol.
    std::vector<bool> patrolled(s.Cells(), false);
    int fireflies = 0;
    for (int c = 0; c < s.Cells(); ++c) {
      if (!firefly(g.Cells[c]) || patrolled[c]) continue;
      ++fireflies;
      const auto rooms = Distances(
          g, [c](int at) { return at == c; },
          [&](int t) { return g.Cells[t] == Space || firefly(g.Cells[t]); });
      int room = 0;
      for (int at = 0; at < s.Cells(); ++at)
        if (rooms[at] >= 0) room += 1, patrolled[at] = true;
      EXPECT_LE(room, 30) << "the firefly at " << c << " is not shut in a room";
    }
    EXPECT_GE(fireflies, 4);
    auto near_patrol = [&](int c) {
      for (int o : {0, -w, -1, 1, w})
        if (patrolled[g.Wrap(c + o)]) return true;
      return false;
    };
    const auto wary = ReachCells(s, [&](int c) { return IsWall(g.Cells[c]) || near_patrol(c); });
    const auto dug = s.Reach(IsWall);
    int safe = 0, behind = 0;
    for (int c = 0; c < s.Cells(); ++c) {
      safe += wary[c] && IsDiamond(g.Cells[c]);
      behind += dug[c] && IsDiamond(g.Cells[c]);
    }
    EXPECT_LT(safe, s.Needed);
    EXPECT_GE(behind, s.Needed);
  });
}

// The first cave teaches digging and falling boulders and holds nothing worse. The way to the
// exit passes no diamond, so Dravik must dig away from it, and the diamonds with nothing resting
// on them are too few: he must take some from under a boulder and see it drop.
TEST_F(CaveIdeas, FirstDigLeadsUnderBoulders) {
  EveryLevel('A', [](const Start& s) {
    EXPECT_EQ(s.Count([](Element e) {
      return IsCreatureOrGrowth(e) || e == MagicWall || e == Slime || e == Bomb || e == BombSolid ||
             e == BombGlued;
    }),
              0);
    const CaveGrid& g = s.Grid();
    const int w = g.CaveWidth;
    auto from = [&](Element start) {
      return Distances(
          g, [&](int c) { return g.Cells[c] == start; },
          [&](int t) { return !IsWall(g.Cells[t]) && g.Cells[t] != BoulderStationary; });
    };
    const auto in = from(Entrance);
    const auto out = from(ExitClosed);
    int way = -1;
    for (int c = 0; c < s.Cells(); ++c)
      if (g.Cells[c] == ExitClosed) way = in[c];
    ASSERT_GT(way, 0);
    int on_the_way = 0, bare = 0, reachable = 0;
    for (int c = 0; c < s.Cells(); ++c) {
      if (!IsDiamond(g.Cells[c])) continue;
      on_the_way += in[c] >= 0 && out[c] >= 0 && in[c] + out[c] <= way + 2;
      bare += g.Cells[g.Wrap(c - w)] != BoulderStationary;
      reachable += in[c] >= 0;
    }
    EXPECT_LT(on_the_way, s.Needed);
    EXPECT_LT(bare, s.Needed);
    EXPECT_GE(reachable, s.Needed);
  });
}

// Every diamond has a boulder on it wedged in steel, so it cannot be pushed or rolled off and
// no diamond can be taken from above; steel under the diamond stops the boulder in its place,
// so each one taken closes its cell. Most of them are needed, and nothing makes more.
TEST_F(CaveIdeas, SteppingStonesTakesEachDiamondFromUnderItsBoulder) {
  EveryLevel('Q', [](const Start& s) {
    EXPECT_EQ(s.Count([](Element e) { return MakesDiamonds(e) || e == MagicWall; }), 0);
    const CaveGrid& g = s.Grid();
    const int w = g.CaveWidth;
    auto at = [&](int c) { return g.Cells[g.Wrap(c)]; };
    int diamonds = 0;
    for (int c = 0; c < s.Cells(); ++c) {
      if (!IsDiamond(g.Cells[c])) continue;
      ++diamonds;
      const int b = c - w;
      EXPECT_EQ(at(b), BoulderStationary) << "no boulder on the diamond at " << c;
      EXPECT_EQ(at(b - 1), SteelWall) << "the boulder over " << c << " could move left";
      EXPECT_EQ(at(b + 1), SteelWall) << "the boulder over " << c << " could move right";
      EXPECT_EQ(at(b - w), SteelWall) << "the boulder over " << c << " could be reached";
      EXPECT_EQ(at(c + w), SteelWall) << "the boulder over " << c << " would fall on through";
    }
    EXPECT_LE(s.Needed, diamonds);
    EXPECT_GT(s.Needed * 2, diamonds);
  });
}

// Too few diamonds lie on the pegs and nothing but the butterflies makes more; each boulder
// hangs over the open swarm on a plug of dirt, so Dravik decides when it falls.
TEST_F(CaveIdeas, SwarmNeedsButterfliesCrushed) {
  EveryLevel('S', [](const Start& s) {
    const int lying = s.Count(IsDiamond);
    EXPECT_LT(lying, s.Needed);
    EXPECT_EQ(s.Count([](Element e) {
      return e == MagicWall || e == Amoeba || (e >= AltFireflyMovedRight && e <= AltFireflyDown);
    }),
              0);
    const int butterflies =
        s.Count([](Element e) { return e >= ButterflyDown && e <= ButterflyRight; });
    EXPECT_GE(butterflies * 6, s.Needed - lying);
    const CaveGrid& g = s.Grid();
    const int w = g.CaveWidth;
    int drops = 0;
    for (int c = 0; c < s.Cells(); ++c) {
      if (g.Cells[c] != BoulderStationary) continue;
      EXPECT_EQ(g.Cells[g.Wrap(c + w)], Dirt) << "the boulder at " << c << " has no plug";
      drops += g.Cells[g.Wrap(c + 2 * w)] == Space;
    }
    EXPECT_GE(drops, 2);
  });
}

// The amoeba is all that stands between Dravik and the diamonds, and it makes none: shut in
// or grown too big it turns to stone. Every way to enough of them passes within two cells of
// it, so only a dash before it closes the corridor gets there.
TEST_F(CaveIdeas, LastLightIsADashPastTheAmoeba) {
  EveryLevel('T', [](const Start& s) {
    const CaveParams& p = s.Run->Params;
    EXPECT_EQ(s.Count([](Element e) { return MakesDiamonds(e) && e != Amoeba; }), 0);
    EXPECT_EQ(s.Count([](Element e) { return e == MagicWall; }), 0);
    EXPECT_NE(ElementChoice(p.EnclosedAmoeba), DiamondStationary);
    EXPECT_NE(ElementChoice(p.TooBigAmoeba), DiamondStationary);
    const CaveGrid& g = s.Grid();
    ASSERT_GT(s.Count([](Element e) { return e == Amoeba; }), 0);
    const auto dist = Distances(
        g, [&](int c) { return g.Cells[c] == Amoeba; },
        [&](int t) { return g.Cells[t] == Space || g.Cells[t] == Dirt; }, 2);
    const auto safe = ReachCells(s, [&](int c) { return IsWall(g.Cells[c]) || dist[c] >= 0; });
    const auto dash = ReachCells(s, [&](int c) { return IsWall(g.Cells[c]) || dist[c] == 0; });
    int safely = 0, dashing = 0;
    for (int c = 0; c < s.Cells(); ++c) {
      safely += safe[c] && IsDiamond(g.Cells[c]);
      dashing += dash[c] && IsDiamond(g.Cells[c]);
    }
    EXPECT_LT(safely, s.Needed);
    EXPECT_GE(dashing, s.Needed);
  });
}

}  // namespace
}  // namespace krattle::testing
