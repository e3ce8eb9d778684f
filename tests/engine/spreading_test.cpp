#include <gtest/gtest.h>

#include "support/recording_host.h"
#include "support/test_cave.h"

namespace krattle::testing {
namespace {

int CountOf(TestCave& c, Element e) {
  int n = 0;
  for (Element cell : c.Run().Grid.Cells) n += cell == e;
  return n;
}

TEST(Amoeba, BoxedInFromTheStartNeverStartsOrConverts) {
  TestCave c;
  c.Paint(9, 9, {"###", "#A#", "###"});
  c.A(FieldA::AmoebaMax) = 200;
  RecordingHost host;
  c.Start(&host);
  c.Tick(60);
  EXPECT_EQ(c.At(10, 10), Amoeba);
  EXPECT_FALSE(c.Run().State.AmoebaStarted);
  EXPECT_FALSE(c.Run().State.AmoebaEnclosed);
  EXPECT_TRUE(host.Looped.empty());
  EXPECT_EQ(c.Run().State.AmoebaCount, 1);
  EXPECT_EQ(c.Run().Rng.RandomSeed, 10u);  // no room, no draw
}

TEST(Amoeba, MaxSizeOneConvertsInTheSecondTick) {
  TestCave c;
  c.Paint(10, 10, {"A"});
  c.A(FieldA::AmoebaMax) = 1;
  c.A(FieldA::AmoebaSlow) = 1;  // always grows
  c.Start();
  c.Tick();
  EXPECT_EQ(CountOf(c, Amoeba), 2);
  EXPECT_EQ(c.Run().State.AmoebaCountLast, 2);
  EXPECT_EQ(c.Events().GrowthEvent, 1);
  c.Tick();
  EXPECT_EQ(CountOf(c, Amoeba), 0);
  EXPECT_EQ(c.At(10, 10), BoulderStationary);
}

TEST(Amoeba, BlockedDirectionDrawsNoSecondNumber) {
  TestCave c;
  c.Paint(9, 9, {"###", "#A#", "# #"});
  c.Start();
  c.Tick();  // the first draw from seed 10 is 1 (left): blocked
  EXPECT_EQ(c.Run().Rng.RandomSeed, 1347758131u);
  EXPECT_TRUE(c.Run().State.AmoebaStarted);
  EXPECT_TRUE(c.Run().State.AmoebaCanGrow);
  EXPECT_EQ(c.At(10, 11), Space);
}

TEST(Amoeba, GrowsIntoDirtWithItsMoveValue) {
  TestCave c;
  c.Paint(9, 9, {"#.#", ".A.", "#.#"});
  c.A(FieldA::AmoebaSlow) = 1;
  c.Start();
  c.Tick();
  // Seed 10 draws 1 first: left, into dirt.
  EXPECT_EQ(c.At(9, 10), Amoeba);
  EXPECT_EQ(c.MoveAt(9, 10), 3 + 4);
}

TEST(Amoeba, EnclosedTurnsWholeOnTheTickAfter) {
  TestCave c;
  c.Paint(9, 9, {"####", "#A #", "####"});
  c.A(FieldA::AmoebaSlow) = 1;
  RecordingHost host;
  c.Start(&host);
  int ticks = 0;
  while (!c.Run().State.AmoebaEnclosed && ticks < 200) {
    c.Tick();
    ++ticks;
  }
  ASSERT_TRUE(c.Run().State.AmoebaEnclosed);
  EXPECT_EQ(CountOf(c, Amoeba), 2);
  EXPECT_EQ(host.Looped, std::vector<int>{13});
  c.Tick();
  EXPECT_EQ(c.At(10, 10), DiamondStationary);
  EXPECT_EQ(c.At(11, 10), DiamondStationary);
  // No amoeba left: the loop stops at the end of that tick.
  EXPECT_EQ(host.Stopped, std::vector<int>{13});
}

TEST(Amoeba, MeetingACreatureBlowsTheCreatureUp) {
  TestCave c;
  c.Paint(10, 10, {"fA"});
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(11, 10), Explosion);
}

TEST(Acid, EatsAllFourNeighboursAtSpeedOne) {
  TestCave c;
  c.Paint(9, 9, {"...", ".a.", "..."});
  c.B(FieldB::AcidSpeed) = 1;
  c.B(FieldB::AcidEats) = 1;
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(10, 9), Acid);
  EXPECT_EQ(c.At(9, 10), Acid);
  EXPECT_EQ(c.At(11, 10), Acid);
  EXPECT_EQ(c.At(10, 11), Acid);
  EXPECT_EQ(c.MoveAt(10, 11), 1);
  EXPECT_EQ(c.At(10, 10), Explosion2);
  EXPECT_EQ(c.At(9, 9), Dirt);
  EXPECT_EQ(c.Events().AcidWallEvent, 1);
  // The acid that arrived right and below did not act again in that tick.
  EXPECT_EQ(c.At(12, 10), Space);
  c.Tick(3);
  EXPECT_EQ(c.At(10, 10), Space);  // dissolved through the last explosion stages
}

TEST(Acid, OnlyTheChosenElementIsEaten) {
  TestCave c;
  c.Paint(9, 9, {" w ", "ga.", " w "});
  c.B(FieldB::AcidSpeed) = 1;
  c.B(FieldB::AcidEats) = 23;  // wall
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(10, 9), Acid);
  EXPECT_EQ(c.At(10, 11), Acid);
  EXPECT_EQ(c.At(9, 10), BoulderGlued);
  EXPECT_EQ(c.At(11, 10), Dirt);
}

TEST(ExpandingWalls, OneCellPerTickEachWay) {
  TestCave c;
  c.Paint(1, 4, {"wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww"});
  c.Paint(1, 6, {"wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww"});
  c.Put(20, 5, HorizExpWall);
  c.Start();
  for (int t = 1; t <= 5; ++t) {
    c.Tick();
    EXPECT_EQ(c.At(20 - t, 5), HorizExpWall) << t;
    EXPECT_EQ(c.At(20 + t, 5), HorizExpWall) << t;
    EXPECT_EQ(c.At(20 + t + 1, 5), Space) << t;
    EXPECT_EQ(c.At(20 - t - 1, 5), Space) << t;
    EXPECT_EQ(c.Events().WallGrowthEvent, 1);
  }
  EXPECT_EQ(c.MoveAt(25, 5), 2);
  EXPECT_EQ(c.MoveAt(15, 5), 3);
}

TEST(ExpandingWalls, SideFreedEarlierInTheTickLetsTheWallGrow) {
  TestCave c;
  c.Paint(5, 4, {" qhw"});
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(5, 4), ButterflyLeft);
  EXPECT_EQ(c.At(6, 4), HorizExpWall);
  EXPECT_EQ(c.MoveAt(6, 4), 3);
}

TEST(ExpandingWalls, VerticalAndBothWays) {
  TestCave c;
  c.Put(10, 10, VertExpWall).Put(30, 10, BothDirExpWall);
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(10, 9), VertExpWall);
  EXPECT_EQ(c.At(10, 11), VertExpWall);
  EXPECT_EQ(c.At(11, 10), Space);
  EXPECT_EQ(c.At(30, 9), BothDirExpWall);
  EXPECT_EQ(c.At(29, 10), BothDirExpWall);
  EXPECT_EQ(c.At(31, 10), BothDirExpWall);
  EXPECT_EQ(c.At(30, 11), BothDirExpWall);
  EXPECT_EQ(c.MoveAt(30, 11), 1);
  c.Tick();
  EXPECT_EQ(c.At(10, 8), VertExpWall);
  EXPECT_EQ(c.At(10, 12), VertExpWall);
  EXPECT_EQ(c.At(10, 13), Space);
}

}  // namespace
}  // namespace krattle::testing
