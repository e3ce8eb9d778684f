#include <gtest/gtest.h>

#include <string>

#include "support/recording_host.h"
#include "support/test_cave.h"

namespace krattle::testing {
namespace {

enum Dir { L, U, R, Dn };

struct Kind {
  const char* name;
  Element byFacing[4];  // left, up, right, down
  // For each facing: first choice, then ahead, then the turn when both are blocked.
  Dir table[4][3];
};

const Kind kKinds[] = {
    {"firefly",
     {FireflyLeft, FireflyUp, FireflyRight, FireflyDown},
     {{Dn, L, U}, {L, U, R}, {U, R, Dn}, {R, Dn, L}}},
    {"alt firefly",
     {AltFireflyLeft, AltFireflyUp, AltFireflyRight, AltFireflyDown},
     {{Dn, L, U}, {L, U, R}, {U, R, Dn}, {R, Dn, L}}},
    {"butterfly",
     {ButterflyLeft, ButterflyUp, ButterflyRight, ButterflyDown},
     {{U, L, Dn}, {R, U, L}, {Dn, R, U}, {L, Dn, R}}},
    {"alt butterfly",
     {AltButterflyLeft, AltButterflyUp, AltButterflyRight, AltButterflyDown},
     {{U, L, Dn}, {R, U, L}, {Dn, R, U}, {L, Dn, R}}},
};

const int kDx[4] = {-1, 0, 1, 0};
const int kDy[4] = {0, -1, 0, 1};
const std::uint8_t kMove[4] = {3, 4, 2, 1};

TEST(Creatures, FacingTables) {
  for (const Kind& k : kKinds) {
    for (int f = 0; f < 4; ++f) {
      const Dir first = k.table[f][0], ahead = k.table[f][1], turn = k.table[f][2];
      SCOPED_TRACE(std::string(k.name) + " facing " + std::to_string(f));
      for (int open : {0, 1, 2}) {  // first choice open, only ahead open, nothing open
        TestCave c;
        c.Paint(9, 9, {"www", "www", "www"});
        c.Put(10, 10, k.byFacing[f]);
        if (open == 0) c.Put(10 + kDx[first], 10 + kDy[first], Space);
        if (open == 1) c.Put(10 + kDx[ahead], 10 + kDy[ahead], Space);
        c.Start();
        c.Tick();
        if (open == 2) {
          EXPECT_EQ(c.At(10, 10), k.byFacing[turn]);
          continue;
        }
        const Dir d = open == 0 ? first : ahead;
        EXPECT_EQ(c.At(10, 10), Space);
        EXPECT_EQ(c.At(10 + kDx[d], 10 + kDy[d]), k.byFacing[d]);
        EXPECT_EQ(c.MoveAt(10 + kDx[d], 10 + kDy[d]), kMove[d]);
      }
    }
  }
}

// A creature that moves down is met again when the scan reaches the row below: it must not act
// a second time there, also when a neighbour's visit just before looks at it, and until then it
// still reads as just moved (acid that eats fireflies facing down leaves it alone).
TEST(Creatures, MoveDownActsOnceAndReadsAsMovedForTheRestOfTheTick) {
  {
    TestCave c;
    c.Paint(9, 9, {"www", "wfw", "h  ", "www"});
    c.Start();
    c.Tick();
    EXPECT_EQ(c.At(10, 10), Space);
    EXPECT_EQ(c.At(10, 11), FireflyDown);
    EXPECT_EQ(c.MoveAt(10, 11), 1);
    EXPECT_EQ(c.At(11, 11), Space);
  }
  {
    TestCave c;
    c.B(FieldB::AcidSpeed) = 1;
    c.B(FieldB::AcidEats) = 18;  // firefly facing down
    c.Paint(9, 9, {"www", "wfw", "a w", "www"});
    c.Start();
    c.Tick();
    EXPECT_EQ(c.At(10, 11), FireflyDown);
    EXPECT_EQ(c.At(9, 11), Explosion2);
  }
}

TEST(Creatures, PocketedFireflyTurnsRightEachTick) {
  TestCave c;
  c.Paint(9, 9, {"www", "wfw", "www"});
  c.Paint(19, 9, {"www", "wqw", "www"});
  c.Start();
  const Element fly[] = {FireflyUp, FireflyRight, FireflyDown, FireflyLeft};
  const Element butterfly[] = {ButterflyRight, ButterflyUp, ButterflyLeft, ButterflyDown};
  for (int t = 0; t < 4; ++t) {
    c.Tick();
    EXPECT_EQ(c.At(10, 10), fly[t]);
    EXPECT_EQ(c.At(20, 10), butterfly[t]);
  }
}

TEST(Creatures, ExplodeNextToDravikDestroyingHim) {
  TestCave c;
  c.Paint(10, 10, {"fD"});
  c.Start();
  c.Tick();
  EXPECT_EQ(c.Events().PlayerKilledEvent, 1);
  EXPECT_EQ(c.Events().ExplosionEvent, 1);
  EXPECT_EQ(c.At(10, 10), Explosion);
  EXPECT_EQ(c.At(11, 10), Explosion);
  EXPECT_EQ(c.At(9, 9), Explosion);
  EXPECT_FALSE(c.Run().State.PlayerPresent);
  EXPECT_FALSE(c.Run().State.PlayerInPlay);
}

TEST(Creatures, AlternativesSwapTheirResults) {
  TestCave c;
  c.Put(10, 10, AltFireflyLeft).Put(11, 10, Amoeba);
  c.Put(20, 10, AltButterflyDown).Put(20, 11, Amoeba);
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(10, 10), DiamondBirth);
  EXPECT_EQ(c.At(20, 10), Explosion);
  EXPECT_EQ(c.Events().PlayerKilledEvent, 0);
}

TEST(Creatures, DummyLuresThemAndDravikPaysForIt) {
  TestCave c;
  c.Paint(10, 5, {"fY"});
  c.Paint(30, 15, {"D"});
  c.Start();
  c.Tick();
  EXPECT_TRUE(c.Run().State.DummyTriggered);
  EXPECT_EQ(c.At(11, 5), Explosion);   // the dummy itself is blown up
  EXPECT_EQ(c.At(30, 15), Explosion);  // Dravik went up at his visit later in the tick
  EXPECT_EQ(c.Events().PlayerKilledEvent, 1);
}

}  // namespace
}  // namespace krattle::testing
