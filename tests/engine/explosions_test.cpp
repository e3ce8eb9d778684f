#include <gtest/gtest.h>

#include "support/test_cave.h"

namespace krattle::testing {
namespace {

TEST(Blasts, StagesAndWhatTheyLeave) {
  TestCave c;
  c.Put(10, 10, ExplodeRegular);
  c.B(FieldB::RegularExplosion) = 6;  // diamonds, to see the choice
  c.Start();
  c.Tick();
  for (int y = 9; y <= 11; ++y)
    for (int x = 9; x <= 11; ++x) EXPECT_EQ(c.At(x, y), Explosion) << x << "," << y;
  c.Tick();
  EXPECT_EQ(c.At(9, 9), Explosion2);
  EXPECT_EQ(c.At(11, 11), Explosion2);
  c.Tick(2);
  EXPECT_EQ(c.At(10, 10), Explosion4);
  c.Tick();
  EXPECT_EQ(c.At(10, 10), DiamondStationary);
  EXPECT_EQ(c.At(9, 9), DiamondStationary);
}

TEST(Blasts, SteelAndSolidBombBlastsAreProof) {
  TestCave c;
  c.Put(10, 10, ExplodeRegular).Put(9, 9, SteelWall).Put(11, 11, SolidBombExpl2);
  c.Put(9, 11, FireflyLeft);  // destroyed without a blast of its own
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(9, 9), SteelWall);
  EXPECT_EQ(c.At(11, 11), SolidBombExpl3);  // aged by its own rule only
  EXPECT_EQ(c.At(9, 11), Explosion);
  EXPECT_EQ(c.At(8, 11), Space);
  EXPECT_EQ(c.At(8, 12), Space);
}

TEST(Blasts, CellsBeforeAndAfterTheCentreAgeInStep) {
  // The centre sits at the left edge: its left column wraps into the row above, which the
  // scan has passed, while the cell after the centre is still ahead.
  TestCave c;
  c.Put(0, 10, ExplodeRegular).Put(1, 10, Dirt).Put(39, 10, Dirt).Put(39, 9, Dirt);
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(0, 10), Explosion);
  EXPECT_EQ(c.At(1, 10), Explosion);
  EXPECT_EQ(c.At(39, 9), Explosion);   // x - 1 of the centre wraps to the end of row 9
  EXPECT_EQ(c.At(39, 10), Explosion);  // x + W - 1 wraps to the end of row 10
}

TEST(SolidBombs, ChainsGoOffOneRingPerTick) {
  TestCave c;
  c.Paint(11, 10, {"BBB", "..."});
  c.Put(10, 10, ExplodeRegular);
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(11, 10), SolidBombDetonate);
  EXPECT_EQ(c.At(12, 10), BombSolid);
  c.Tick();
  EXPECT_EQ(c.At(11, 10), SolidBombExpl);
  EXPECT_EQ(c.At(12, 10), SolidBombDetonate);
  EXPECT_EQ(c.At(13, 10), BombSolid);
  c.Tick();
  EXPECT_EQ(c.At(13, 10), SolidBombDetonate);
  c.Tick();
  EXPECT_EQ(c.At(13, 10), SolidBombExpl);
  EXPECT_EQ(c.At(14, 11), SolidBombExpl);
  c.Tick(4);
  EXPECT_EQ(c.At(13, 10), Space);  // default solid-bomb result
}

TEST(SolidBombs, BlastMarksDummyAndDravikBeforeChangingCells) {
  TestCave c;
  c.Put(10, 10, SolidBombDetonate).Put(9, 9, Dummy).Put(11, 11, Dravik);
  c.Start();
  c.Tick();
  EXPECT_TRUE(c.Run().State.DummyTriggered);
  EXPECT_EQ(c.Events().PlayerKilledEvent, 1);
  EXPECT_EQ(c.At(9, 9), SolidBombExpl);
  EXPECT_EQ(c.At(11, 11), SolidBombExpl);
}

TEST(Bombs, FuseBurnsSixTicksThenPlusShapedBlast) {
  for (bool right : {true, false}) {
    TestCave c;
    c.Paint(10, 10, {" K "});
    c.Put(12, 9, Dirt).Put(10, 9, Dirt).Put(10, 11, Dirt).Put(12, 11, Dirt).Put(11, 9, Dirt);
    c.Start();
    c.Tick(1, Snap(right ? Right() : Left()));  // laid in tick 1
    const int bx = right ? 12 : 10;
    EXPECT_EQ(c.At(bx, 10), BombIgnited);
    EXPECT_EQ(c.At(11, 10), Dravik);
    c.Tick(1, Up());  // Dravik digs away upwards
    c.Tick(4);
    EXPECT_EQ(c.At(bx, 10), BombIgnited6);
    c.Tick();  // tick 7 = 1 + 6
    EXPECT_EQ(c.At(bx, 10), BombExpl);
    EXPECT_EQ(c.At(bx, 9), BombExpl);
    EXPECT_EQ(c.At(bx, 11), BombExpl);
    EXPECT_EQ(c.At(bx + 1, 10), BombExpl);
    EXPECT_EQ(c.At(bx + 1, 11), Space);  // no corners
    EXPECT_EQ(c.Events().ExplosionEvent, 1);
    c.Tick(3);
    EXPECT_EQ(c.At(bx, 10), Space);
  }
}

TEST(Bombs, IgnitedBlastKillsDravikAndSetsOffSolidBombs) {
  TestCave c;
  c.Put(10, 10, BombIgnited6).Put(11, 10, Dravik).Put(10, 9, BombSolid).Put(10, 11, BombGlued);
  c.Start();
  c.Tick();
  EXPECT_EQ(c.Events().PlayerKilledEvent, 1);
  EXPECT_EQ(c.At(11, 10), BombExpl);
  EXPECT_EQ(c.At(10, 9), SolidBombDetonate);
  EXPECT_EQ(c.At(10, 11), SolidBombDetonate);  // written as moved, aged once in this tick
}

}  // namespace
}  // namespace krattle::testing
