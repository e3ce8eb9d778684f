#include <gtest/gtest.h>

#include "support/recording_host.h"
#include "support/test_cave.h"

namespace krattle::testing {
namespace {

TEST(Falling, OneCellPerTick) {
  TestCave c;
  c.Paint(5, 2, {"o"});
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(5, 2), Space);
  EXPECT_EQ(c.At(5, 3), BoulderFalling);
  EXPECT_EQ(c.MoveAt(5, 3), 1);
  EXPECT_EQ(c.Events().FallEvent, 2);
  c.Tick();
  EXPECT_EQ(c.At(5, 4), BoulderFalling);
  EXPECT_EQ(c.Events().FallEvent, 0);  // falling on raises nothing
  c.Tick(30);
  EXPECT_EQ(c.At(5, 20), BoulderStationary);  // landed on the steel floor
}

TEST(Falling, VariantTravelsWithBoulder) {
  TestCave c;
  c.Paint(5, 2, {"o"});
  c.Start();
  c.Run().Grid.VariantMap[2 * 40 + 5] = 2;
  c.Tick(2);
  EXPECT_EQ(c.Run().Grid.VariantMap[4 * 40 + 5], 2);
}

TEST(Rolling, LeftWinsThenRightThenStay) {
  TestCave c;
  c.Paint(5, 4, {" o ", " o ", "..."});
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(5, 4), BoulderFalling);
  EXPECT_EQ(c.MoveAt(5, 4), 3);
  EXPECT_EQ(c.Events().FallEvent, 2);

  TestCave d;
  d.Paint(5, 4, {" o ", ".o ", "..."});
  d.Start();
  d.Tick();
  EXPECT_EQ(d.At(7, 4), BoulderFalling);
  EXPECT_EQ(d.MoveAt(7, 4), 2);

  TestCave e;
  e.Paint(5, 4, {" o.", ".o.", "..."});
  e.Start();
  e.Tick();
  EXPECT_EQ(e.At(6, 4), BoulderStationary);
}

// The butterfly, scanned first, moves away and frees the boulder's left side within the tick.
TEST(Rolling, SideFreedEarlierInTheTickLetsTheBoulderRoll) {
  TestCave c;
  c.Paint(5, 4, {"  qo.", ".. w."});
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(6, 4), ButterflyLeft);
  EXPECT_EQ(c.At(7, 4), BoulderFalling);
  EXPECT_EQ(c.MoveAt(7, 4), 3);
  EXPECT_EQ(c.At(8, 4), Space);
}

TEST(Rolling, FallingBoulderThatCannotRollLands) {
  TestCave c;
  c.Paint(5, 4, {".O.", ".*.", "..."});
  c.B(FieldB::FallingBoulder) = 5;  // glued boulder, to see the choice applied
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(6, 4), BoulderGlued);
  EXPECT_EQ(c.Events().FallEvent, 3);
}

TEST(Rolling, DiamondsRollOffGluedButBombsDoNot) {
  TestCave c;
  c.Paint(5, 4, {" * ", " g ", "..."});
  c.Paint(15, 4, {" B ", " g ", "..."});
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(5, 4), DiamondFalling);
  EXPECT_EQ(c.Events().FallEvent, 1);
  EXPECT_EQ(c.At(16, 4), BombSolid);
}

TEST(Crushing, BoulderOnDravikExplodesInTheSameTick) {
  TestCave c;
  c.Paint(5, 4, {"O", "D"});
  c.Start();
  c.Tick();
  EXPECT_EQ(c.Events().PlayerKilledEvent, 1);
  EXPECT_EQ(c.Events().ExplosionEvent, 1);
  EXPECT_EQ(c.At(5, 5), Explosion);
  EXPECT_EQ(c.At(5, 4), Explosion);  // the boulder's own cell is in the blast
  EXPECT_EQ(c.At(6, 6), Explosion);
  EXPECT_FALSE(c.Run().State.PlayerInPlay);
}

TEST(Crushing, CreaturesGiveTheirResult) {
  TestCave c;
  c.Paint(5, 4, {"O", "f"});
  c.Paint(15, 4, {"O", "q"});
  c.Put(25, 4, BoulderFalling).Put(25, 5, AltFireflyUp);
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(5, 5), Explosion);
  EXPECT_EQ(c.At(15, 5), DiamondBirth);
  EXPECT_EQ(c.At(25, 5), DiamondBirth);
}

TEST(Crushing, ButterflyLeavesDiamondsFourTicksLater) {
  TestCave c;
  c.Paint(4, 4, {"wOw", "wqw", "#ww"});
  c.Start();
  c.Tick();
  for (int y = 4; y <= 6; ++y)
    for (int x = 4; x <= 6; ++x)
      if (!(x == 4 && y == 6)) {
        EXPECT_EQ(c.At(x, y), DiamondBirth) << x << "," << y;
      }
  EXPECT_EQ(c.At(4, 6), SteelWall);
  c.Tick(3);
  EXPECT_EQ(c.At(5, 5), DiamondBirth4);
  c.Tick();
  for (int y = 4; y <= 6; ++y)
    for (int x = 4; x <= 6; ++x)
      if (!(x == 4 && y == 6)) {
        EXPECT_EQ(c.At(x, y), DiamondStationary) << x << "," << y;
      }
}

TEST(MagicWall, RestingBoulderNeverEnters) {
  TestCave c;
  c.Paint(5, 4, {"o", "M"});
  c.Start();
  c.Tick(5);
  EXPECT_EQ(c.At(5, 4), BoulderStationary);
  EXPECT_EQ(c.Run().State.MagicWallState, 0);
}

TEST(MagicWall, BoulderBecomesDiamondAndWakesTheWall) {
  TestCave c;
  c.Paint(5, 3, {"O", "M", " ", "."});
  RecordingHost host;
  c.Start(&host);
  c.Tick();
  EXPECT_EQ(c.Run().State.MagicWallState, 1);
  EXPECT_EQ(c.At(5, 3), Space);
  EXPECT_EQ(c.At(5, 5), DiamondFalling);
  EXPECT_EQ(c.MoveAt(5, 5), 5);
  EXPECT_EQ(c.Events().FallEvent, 1);
  // The wall cell lies after the boulder in the scan, so its loop starts in the same tick.
  EXPECT_EQ(host.Looped, std::vector<int>{20});
  c.Tick();
  EXPECT_EQ(host.Looped.size(), 1u);
  EXPECT_TRUE(c.Run().State.MagicWallSoundOn);
  // Expiry stops the loop at the end of the next tick.
  c.Run().State.MagicWallState = 2;
  c.Tick();
  EXPECT_EQ(host.Stopped, std::vector<int>{20});
  EXPECT_FALSE(c.Run().State.MagicWallSoundOn);
}

TEST(MagicWall, LostWhenBlockedOrExpired) {
  TestCave c;
  c.Paint(5, 3, {"O", "M", "."});
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(5, 3), Space);
  EXPECT_EQ(c.At(5, 5), Dirt);
  EXPECT_EQ(c.MoveAt(5, 4), 1);

  TestCave d;
  d.Paint(5, 3, {"+", "M", " "});
  d.Start();
  d.Run().State.MagicWallState = 2;
  d.Tick();
  EXPECT_EQ(d.At(5, 3), Space);
  EXPECT_EQ(d.At(5, 5), Space);
  EXPECT_EQ(d.MoveAt(5, 4), 2);
  EXPECT_EQ(d.Events().FallEvent, 2);
}

TEST(MagicWall, DiamondTurnsIntoTheChosenElement) {
  struct Case {
    std::uint8_t choice;
    Element result;
    std::uint8_t move;
  };
  for (Case k : {Case{4, BoulderFalling, 5}, Case{6, DiamondStationary, 13},
                 Case{7, DiamondFalling, 13}, Case{37, BombSolid, 0}, Case{1, Dirt, 0}}) {
    TestCave c;
    c.Paint(5, 3, {"+", "M", " ", "."});
    c.B(FieldB::DiamondInMagic) = k.choice;
    c.Start();
    c.Tick();
    EXPECT_EQ(c.At(5, 5), k.result) << int(k.choice);
    EXPECT_EQ(c.MoveAt(5, 5), k.move) << int(k.choice);
  }
}

TEST(MagicWall, WakingItEnclosesAStartedAmoeba) {
  for (std::uint8_t dontStop : {0, 255}) {
    TestCave c;
    c.Paint(5, 3, {"O", "M", " ", "."});
    c.B(FieldB::MagicStopsAmoeba) = dontStop;
    c.Put(20, 10, Amoeba);  // with room, so only the wall can enclose it
    c.Start();
    c.Run().State.AmoebaStarted = true;
    c.Tick();
    EXPECT_EQ(c.Run().State.AmoebaEnclosed, dontStop == 0);
  }
}

TEST(Slime, PassageAndOptions) {
  TestCave c;
  c.Paint(5, 3, {"o", "S", " ", "."});
  c.Paint(8, 3, {"*", "S", " ", "."});
  c.Paint(11, 3, {"B", "S", " ", "."});
  c.A(FieldA::Slime) = 1;
  c.B(FieldB::SlimePenetrated) = 1;  // diamonds and boulders only
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(5, 5), BoulderFalling);
  EXPECT_EQ(c.MoveAt(5, 5), 9);
  EXPECT_EQ(c.At(8, 5), DiamondFalling);
  EXPECT_EQ(c.At(11, 3), BombSolid);
  EXPECT_EQ(c.Events().GrowthEvent, 2);
}

TEST(Slime, BouldersStuckForGoodWithOptionTwo) {
  TestCave c;
  c.Paint(5, 3, {"O", "S", " "});
  c.A(FieldA::Slime) = 1;
  c.B(FieldB::SlimePenetrated) = 2;
  c.Start();
  c.Tick(20);
  EXPECT_EQ(c.At(5, 3), BoulderFalling);
}

TEST(Slime, FailedPassageLandsTheFallingObject) {
  TestCave c;
  c.Paint(5, 3, {"+", "S", "."});
  c.Paint(8, 3, {"O", "S", "."});
  c.A(FieldA::Slime) = 1;
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(5, 3), DiamondStationary);
  EXPECT_EQ(c.At(8, 3), BoulderStationary);
}

TEST(SolidBombs, FallingBombStopsOnDirtExplodesOnWalls) {
  TestCave c;
  c.Paint(5, 3, {"B", " ", "."});
  c.Paint(15, 3, {"B", " ", "w"});
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(5, 4), BombFalling);
  c.Tick();
  EXPECT_EQ(c.At(5, 4), BombSolid);
  EXPECT_EQ(c.Events().FallEvent, 3);
  EXPECT_EQ(c.At(15, 4), SolidBombExpl);
  EXPECT_EQ(c.At(15, 5), SolidBombExpl);  // the wall below is in the blast
  EXPECT_EQ(c.Events().ExplosionEvent, 1);
}

TEST(SolidBombs, LandingOnDummyTriggersIt) {
  TestCave c;
  c.Paint(5, 3, {"B", " ", "Y"});
  c.Start();
  c.Tick(2);
  EXPECT_TRUE(c.Run().State.DummyTriggered);
}

TEST(Falling, WaitsAboveIgnitedBombsAndBombBlasts) {
  TestCave c;
  c.Paint(5, 3, {"O"});
  c.Put(5, 4, BombExpl3);
  c.Paint(8, 3, {"+"});
  c.Put(8, 4, BombIgnitedMoved);
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(5, 3), BoulderFalling);
  EXPECT_EQ(c.At(8, 3), DiamondFalling);
}

TEST(Falling, DiamondOnDummyIsCollected) {
  TestCave c;
  c.Paint(5, 3, {"+", "Y"});
  c.A(FieldA::Value) = 4;
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(5, 3), Space);
  EXPECT_EQ(c.At(5, 4), Dummy);
  EXPECT_EQ(c.Run().State.DiamondsCollected, 1);
  EXPECT_EQ(c.Run().Values.Score, 4);
  EXPECT_EQ(c.Events().PlayerAction, 3);
}

TEST(FallingWall, FallsOnlyWhenDravikIsFirstBelow) {
  TestCave c;
  c.Put(5, 1, WallFalling).Put(5, 15, Dravik);
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(5, 2), WallFallingFalling);
  EXPECT_EQ(c.Events().AcidWallEvent, 2);

  TestCave d;  // something in between
  d.Put(5, 1, WallFalling).Put(5, 8, Dirt).Put(5, 15, Dravik);
  d.Start();
  d.Tick();
  EXPECT_EQ(d.At(5, 1), WallFalling);

  TestCave e;  // directly below occupied
  e.Put(5, 1, WallFalling).Put(5, 2, Dravik);
  e.Start();
  e.Tick();
  EXPECT_EQ(e.At(5, 1), WallFalling);
}

TEST(FallingWall, CrushesDravikAndStopsOnGround) {
  TestCave c;
  c.Put(5, 3, WallFallingFalling).Put(5, 4, Dravik);
  c.Put(9, 3, WallFallingFalling).Put(9, 4, Dirt);
  c.Start();
  c.Tick();
  EXPECT_EQ(c.Events().PlayerKilledEvent, 1);
  EXPECT_EQ(c.At(5, 4), Explosion);
  EXPECT_EQ(c.At(9, 3), WallFalling);
}

}  // namespace
}  // namespace krattle::testing
