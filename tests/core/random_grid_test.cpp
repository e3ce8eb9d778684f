#include <gtest/gtest.h>

#include "core/cave_grid.h"
#include "core/random.h"

namespace krattle::testing {
namespace {

TEST(RandomBelow, KnownSequenceFromTen) {
  Random r;  // seeded with 10 like every cave start
  EXPECT_EQ(r.RandomBelow(4), 1u);
  EXPECT_EQ(r.RandomSeed, 1347758131u);
  EXPECT_EQ(r.RandomBelow(4), 1u);
  EXPECT_EQ(r.RandomBelow(16), 4u);
  EXPECT_EQ(r.RandomBelow(100), 90u);
  EXPECT_EQ(r.RandomBelow(0), 0u);  // still advances the state
  EXPECT_EQ(r.RandomSeed, 1117777183u);
  EXPECT_EQ(r.RandomBelow(1000), 142u);
}

TEST(RandomBelow, OneInNTest) {
  Random r;
  for (int i = 0; i < 100; ++i) {
    EXPECT_TRUE(r.OneIn(1));
    EXPECT_TRUE(r.OneIn(0));
  }
  int passes = 0;
  const int n = 40000;
  for (int i = 0; i < n; ++i) passes += r.OneIn(4);
  EXPECT_NEAR(passes, n / 4, n / 40);
  // Every test draws exactly once.
  Random a, b;
  a.OneIn(200);
  b.RandomBelow(800);
  EXPECT_EQ(a.RandomSeed, b.RandomSeed);
}

TEST(WrapCell, OneWrapOnly) {
  EXPECT_EQ(WrapCell(-1, 40), 879);
  EXPECT_EQ(WrapCell(-1, 20), 239);
  EXPECT_EQ(WrapCell(880, 40), 0);
  EXPECT_EQ(WrapCell(240, 20), 0);
  EXPECT_EQ(WrapCell(1000, 40), 120);
  EXPECT_EQ(WrapCell(500, 20), 260);
  EXPECT_EQ(WrapCell(-5, 33), -5);  // other widths are left alone
  EXPECT_EQ(WrapCell(879, 40), 879);
}

TEST(CaveGridAccess, NeverLeavesTheArrays) {
  CaveGrid g;
  g.CaveWidth = 33;  // a width the loader never sets
  g.At(-5) = 9;
  g.At(5000) = 8;
  EXPECT_EQ(g.Cells[875], 9);
  EXPECT_EQ(g.Cells[5000 % 880], 8);
}

}  // namespace
}  // namespace krattle::testing
