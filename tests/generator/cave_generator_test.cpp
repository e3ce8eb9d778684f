#include "generator/cave_generator.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace krattle::testing {
namespace {

std::vector<int> FirstNumbers(std::uint8_t seed, int n) {
  GeneratorRandom rng{seed, 0};
  std::vector<int> out;
  for (int i = 0; i < n; ++i) out.push_back(rng.Next());
  return out;
}

TEST(GeneratorRandom, KnownSequences) {
  EXPECT_EQ(FirstNumbers(0, 12),
            (std::vector<int>{0, 9, 220, 56, 94, 206, 71, 10, 23, 238, 78, 120}));
  EXPECT_EQ(FirstNumbers(1, 12),
            (std::vector<int>{0, 74, 157, 59, 34, 146, 205, 82, 95, 54, 150, 192}));
  EXPECT_EQ(FirstNumbers(255, 12),
            (std::vector<int>{127, 72, 91, 56, 158, 206, 73, 204, 25, 239, 144, 250}));
}

class GeneratorTest : public ::testing::Test {
 protected:
  std::unique_ptr<CaveSet> set_ = std::make_unique<CaveSet>(NewCaveSet());
  Element Cell(int cave, int x, int y, int level = 0) { return set_->MapCell(cave, level, x, y); }
};

TEST_F(GeneratorTest, DefaultSettingsRowOne) {
  GenerateCave(*set_, 0, 0);
  const Element expected[] = {SteelWall, Wall,  Dirt, BoulderStationary, Dirt,
                              Dirt,      Space, Wall, DiamondStationary};
  for (int x = 0; x < 9; ++x) EXPECT_EQ(Cell(0, x, 1), expected[x]) << "column " << x;
}

TEST_F(GeneratorTest, FramesWithSteelAndTouchesOnlyTheSlotMap) {
  auto before = std::make_unique<CaveSet>(*set_);
  set_->SetDemoPresent(2, true);
  before->SetDemoPresent(2, false);
  GeneratorSettings g;
  g.Seed = 77;
  g.Item = {29, 30, 31, 32};  // items that never occur as steel
  GenerateCave(*set_, 2, 3, g);
  for (int x = 0; x < 40; ++x) {
    EXPECT_EQ(Cell(2, x, 0, 3), SteelWall);
    EXPECT_EQ(Cell(2, x, 21, 3), SteelWall);
  }
  for (int y = 0; y < 22; ++y) {
    EXPECT_EQ(Cell(2, 0, y, 3), SteelWall);
    EXPECT_EQ(Cell(2, 39, y, 3), SteelWall);
  }
  EXPECT_FALSE(set_->DemoPresent(2));
  // Only the map of slot 2/3 and the demo flag differ; the stored settings were not rewritten.
  for (int off = 0; off < CaveSetSize; ++off) {
    const int y = off % 24, slot = (off / 24) % 100;
    if (slot == SlotOf(2, 3) && y < 22) continue;
    ASSERT_EQ(set_->Bytes[off], before->Bytes[off]) << "offset " << off;
  }
}

TEST_F(GeneratorTest, IntermissionIsTheUpperLeftOfANormalCave) {
  GeneratorSettings g;
  g.Seed = 201;
  GenerateCave(*set_, 5, 0, g);
  auto before = std::make_unique<CaveSet>(*set_);
  GenerateCave(*set_, 17, 2, g);
  for (int y = 1; y < 11; ++y)
    for (int x = 1; x < 19; ++x) ASSERT_EQ(Cell(17, x, y, 2), Cell(5, x, y)) << x << "," << y;
  for (int x = 0; x < 20; ++x) {
    EXPECT_EQ(Cell(17, x, 0, 2), SteelWall);
    EXPECT_EQ(Cell(17, x, 11, 2), SteelWall);
  }
  for (int y = 0; y < 12; ++y) EXPECT_EQ(Cell(17, 19, y, 2), SteelWall);
  // The spare space of the slot (demos, high scores) is left alone.
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 40; ++x)
      if (x >= 20 || y >= 12) {
        ASSERT_EQ(Cell(17, x, y, 2), before->MapCell(17, 2, x, y));
      }
}

TEST_F(GeneratorTest, ProbabilityZeroAndTwoFiftyFive) {
  GeneratorSettings g;
  g.Probability = {0, 0, 0, 0};
  GenerateCave(*set_, 0, 0, g);
  for (int y = 1; y < 21; ++y)
    for (int x = 1; x < 39; ++x) ASSERT_EQ(Cell(0, x, y), Dirt);

  g.Probability = {0, 0, 0, 255};
  for (int seed = 0; seed < 256; seed += 15) {
    g.Seed = static_cast<std::uint8_t>(seed);
    GenerateCave(*set_, 0, 0, g);
    GeneratorRandom rng{g.Seed, 0};
    for (int y = 1; y <= 21; ++y)
      for (int x = 0; x < 40; ++x) {
        const int r = rng.Next();
        if (x == 0 || x == 39 || y == 21) continue;
        ASSERT_EQ(Cell(0, x, y), r == 255 ? Dirt : Wall);
      }
  }
}

TEST_F(GeneratorTest, LaterItemsWinAndSpecialEntriesPlaceTheirOwnCodes) {
  GeneratorSettings g;
  g.Seed = 3;
  g.Probability = {255, 200, 100, 50};
  g.Item = {9, 35, 39, 10};  // Dravik entry, both alternative groups, closed exit
  GenerateCave(*set_, 0, 0, g);
  GeneratorRandom rng{3, 0};
  int seen[4] = {};
  for (int y = 1; y <= 21; ++y)
    for (int x = 0; x < 40; ++x) {
      const int r = rng.Next();
      if (x == 0 || x == 39 || y == 21) continue;
      const Element want = r < 50    ? ExitClosed
                           : r < 100 ? AltFireflyLeft
                           : r < 200 ? AltButterflyLeft
                           : r < 255 ? Entrance
                                     : Dirt;
      ASSERT_EQ(Cell(0, x, y), want) << x << "," << y;
      if (want == ExitClosed) ++seen[0];
      if (want == AltFireflyLeft) ++seen[1];
      if (want == AltButterflyLeft) ++seen[2];
      if (want == Entrance) ++seen[3];
    }
  for (int k = 0; k < 4; ++k) EXPECT_GT(seen[k], 0);
}

TEST_F(GeneratorTest, ItemBytesPastTheListNeverReadOutsideIt) {
  EXPECT_FALSE(GeneratorItem(43).has_value());
  EXPECT_FALSE(GeneratorItem(255).has_value());
  EXPECT_EQ(GeneratorItem(42), AltFireflyDown);

  GeneratorSettings g;
  g.InitialItem = 200;
  g.Probability = {255, 0, 0, 0};
  g.Item = {43, 3, 6, 19};
  GenerateCave(*set_, 0, 0, g);
  // The unknown item places nothing and the unknown base falls back to dirt.
  for (int y = 1; y < 21; ++y)
    for (int x = 1; x < 39; ++x) ASSERT_EQ(Cell(0, x, y), Dirt);
}

TEST_F(GeneratorTest, StoredSettingsRoundTripAndRegenerateIdentically) {
  GeneratorSettings g;
  g.Seed = 99;
  g.Probability = {10, 20, 30, 40};
  g.InitialItem = 2;
  g.Item = {3, 6, 11, 26};
  g.StoreInto(*set_, SlotOf(4, 1));
  GenerateCave(*set_, 4, 1);
  auto first = std::make_unique<CaveSet>(*set_);
  GenerateCave(*set_, 4, 1, GeneratorSettings::FromSlot(*set_, SlotOf(4, 1)));
  EXPECT_EQ(first->Bytes, set_->Bytes);
  EXPECT_EQ(set_->A(SlotOf(4, 1), FieldA::Item4), 26);
}

}  // namespace
}  // namespace krattle::testing
