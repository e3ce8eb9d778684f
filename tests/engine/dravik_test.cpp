#include <gtest/gtest.h>

#include "support/recording_host.h"
#include "support/test_cave.h"

namespace krattle::testing {
namespace {

TEST(DravikMoves, StepDigCollect) {
  TestCave c;
  c.Paint(5, 5, {"D .*", "...."});
  c.A(FieldA::Value) = 7;
  c.Start();
  c.Tick(1, Right());
  EXPECT_EQ(c.At(5, 5), Space);
  EXPECT_EQ(c.At(6, 5), Dravik);  // the marker turned back when the scan reached it
  EXPECT_EQ(c.MoveAt(6, 5), 2);
  EXPECT_EQ(c.Events().PlayerAction, 1);
  c.Tick(1, Right());
  EXPECT_EQ(c.MoveAt(7, 5), 2 + 4);
  EXPECT_EQ(c.Events().PlayerAction, 2);
  c.Tick(1, Right());
  EXPECT_EQ(c.MoveAt(8, 5), 2 + 8);
  EXPECT_EQ(c.Events().PlayerAction, 3);
  EXPECT_EQ(c.Run().Values.Score, 7);
  EXPECT_EQ(c.Run().State.DiamondsCollected, 1);
  EXPECT_EQ(c.Run().State.DravikColumn, 8);
  EXPECT_EQ(c.Run().State.DravikRow, 5);
  EXPECT_EQ(c.Run().State.DravikSprite, 41);
  // Up and left write the base code directly.
  c.Tick(1, Up());
  EXPECT_EQ(c.At(8, 4), Dravik);
  EXPECT_EQ(c.MoveAt(8, 4), 4);
  EXPECT_EQ(c.Run().State.DravikSprite, 41);  // still facing right
  c.Tick(1, Left());
  EXPECT_EQ(c.At(7, 4), Dravik);
  EXPECT_EQ(c.Run().State.DravikSprite, 33);
}

TEST(DravikMoves, WrapFromCellZeroLandsAsMarkerAndMovesOnce) {
  TestCave c;
  c.Put(0, 0, Dravik).Put(39, 21, Space).Put(38, 21, Space);
  c.Start();
  c.Tick(1, Left());
  EXPECT_EQ(c.At(39, 21), Dravik);
  EXPECT_EQ(c.At(38, 21), Space);
  EXPECT_EQ(c.At(0, 0), Space);
  EXPECT_TRUE(c.Run().State.PlayerInPlay);
}

TEST(DravikMoves, WrapFromLastRowIsFoundByRowZeroCheck) {
  TestCave c;
  c.Put(5, 21, Dravik).Put(5, 0, Space);
  c.Start();
  c.Tick(1, Down());
  EXPECT_EQ(c.At(5, 0), DravikMoved);
  EXPECT_TRUE(c.Run().State.PlayerPresent);
  EXPECT_TRUE(c.Run().State.PlayerInPlay);
  // Next tick the marker only turns back; he does not move although Down is held.
  c.Set(5, 1, Space);
  c.Tick(1, Down());
  EXPECT_EQ(c.At(5, 0), Dravik);
  EXPECT_EQ(c.At(5, 1), Space);
}

// Caves without a closed frame: a 40-wide cave and an intermission.
struct Wrap {
  int cave, w, h;
};
constexpr Wrap kWraps[] = {{0, 40, 22}, {16, 20, 12}};

TEST(DravikMoves, WrapIntoSpaceOrDirtKeepsTheMarker) {
  for (const Wrap& k : kWraps)
    for (Element ground : {Space, Dirt})
      for (Element self : {Dravik, DravikWithBomb}) {
        SCOPED_TRACE(::testing::Message()
                     << k.w << " wide, ground " << int(ground) << ", self " << int(self));
        // Up from row 0 into the last row; left from cell 0 into the last cell.
        TestCave c(k.cave);
        c.Put(9, 0, self).Put(9, k.h - 1, ground).Put(9, k.h - 2, Space);
        c.Start();
        c.Tick(1, Up());
        EXPECT_EQ(c.At(9, 0), Space);
        EXPECT_EQ(c.At(9, k.h - 1), self);  // arrived as the marker, so he did not go on
        EXPECT_EQ(c.At(9, k.h - 2), Space);
        EXPECT_EQ(c.MoveAt(9, k.h - 1), ground == Dirt ? 4 + 4 : 4);

        TestCave d(k.cave);
        d.Put(0, 0, self).Put(k.w - 1, k.h - 1, ground).Put(k.w - 2, k.h - 1, Space);
        d.Start();
        d.Tick(1, Left());
        EXPECT_EQ(d.At(k.w - 1, k.h - 1), self);
        EXPECT_EQ(d.At(k.w - 2, k.h - 1), Space);
        EXPECT_EQ(d.MoveAt(k.w - 1, k.h - 1), ground == Dirt ? 3 + 4 : 3);
        EXPECT_EQ(d.Run().State.DravikColumn, k.w - 1);
        EXPECT_EQ(d.Run().State.DravikRow, k.h - 1);
      }
}

TEST(DravikMoves, WrapIntoDiamondLandsAsBaseCodeAndActsAgain) {
  for (const Wrap& k : kWraps) {
    SCOPED_TRACE(::testing::Message() << k.w << " wide");
    TestCave c(k.cave);
    c.Put(9, 0, Dravik).Put(9, k.h - 1, DiamondStationary).Put(9, k.h - 2, Space);
    c.Start();
    c.Tick(1, Up());
    // The scan reaches him in the last row with Up still held, and he steps on into the row
    // it has passed.
    EXPECT_EQ(c.At(9, 0), Space);
    EXPECT_EQ(c.At(9, k.h - 1), Space);
    EXPECT_EQ(c.At(9, k.h - 2), Dravik);
    EXPECT_EQ(c.MoveAt(9, k.h - 2), 4);
    EXPECT_EQ(c.MoveAt(9, k.h - 1), 4 + 8);
    EXPECT_EQ(c.Run().State.DiamondsCollected, 1);
    EXPECT_EQ(c.Run().State.DravikRow, k.h - 2);
    EXPECT_EQ(c.Events().PlayerAction, 1);  // the second step's

    TestCave d(k.cave);
    d.Put(0, 0, Dravik).Put(k.w - 1, k.h - 1, DiamondStationary).Put(k.w - 2, k.h - 1, Space);
    d.Start();
    d.Tick(1, Left());
    EXPECT_EQ(d.At(k.w - 1, k.h - 1), Space);
    EXPECT_EQ(d.At(k.w - 2, k.h - 1), Dravik);
    EXPECT_EQ(d.MoveAt(k.w - 2, k.h - 1), 3);
    EXPECT_EQ(d.MoveAt(k.w - 1, k.h - 1), 3 + 8);
    EXPECT_EQ(d.Run().State.DiamondsCollected, 1);
    EXPECT_EQ(d.Run().State.DravikColumn, k.w - 2);
  }
}

TEST(DravikMoves, WrapIntoBombOrExitWritesTheBaseCode) {
  for (const Wrap& k : kWraps) {
    SCOPED_TRACE(::testing::Message() << k.w << " wide");
    // With the bomb in hand he is reached again and walks on left.
    TestCave c(k.cave);
    c.Put(0, 0, Dravik).Put(k.w - 1, k.h - 1, Bomb).Put(k.w - 2, k.h - 1, Space);
    c.Start();
    c.Tick(1, Left());
    EXPECT_EQ(c.At(k.w - 1, k.h - 1), Space);
    EXPECT_EQ(c.At(k.w - 2, k.h - 1), DravikWithBomb);
    EXPECT_EQ(c.MoveAt(k.w - 1, k.h - 1), 3 + 16);

    // The exit taken across the top edge completes at once: no moved stage in between.
    TestCave d(k.cave);
    d.Put(9, 0, Dravik).Put(9, k.h - 1, ExitOpen);
    d.Start();
    d.Tick(1, Up());
    EXPECT_EQ(d.At(9, k.h - 1), DravikInExit);
    EXPECT_EQ(d.Run().Values.GamePhase, gpTimeBonus);
  }
}

TEST(Pushing, WrappedLeftPushWritesTheBaseCodeAndPushesAgain) {
  for (const Wrap& k : kWraps) {
    SCOPED_TRACE(::testing::Message() << k.w << " wide");
    TestCave c(k.cave);
    const int y = k.h - 1, x = k.w - 1;
    c.Put(0, 0, Dravik).Put(x, y, BoulderStationary).Put(x - 1, y, Space).Put(x - 2, y, Space);
    c.A(FieldA::Pushing) = 1;
    c.Start();
    c.Tick(1, Left());
    // Pushed across the edge, then reached again by the scan and pushed once more.
    EXPECT_EQ(c.At(0, 0), Space);
    EXPECT_EQ(c.At(x, y), Space);
    EXPECT_EQ(c.At(x - 1, y), Dravik);
    EXPECT_EQ(c.At(x - 2, y), BoulderStationary);
    EXPECT_EQ(c.MoveAt(x - 1, y), 3);
    EXPECT_EQ(c.MoveAt(x - 2, y), 3);
    EXPECT_EQ(c.Run().State.DravikColumn, x - 1);
    EXPECT_FALSE(c.Run().State.PushedRight);
  }
}

TEST(DravikMoves, IdleLookDrawsTwicePerTick) {
  TestCave c;
  c.Paint(5, 5, {"D"});
  c.Start();
  Random expected;
  for (int t = 0; t < 50; ++t) {
    c.Tick();
    expected.RandomBelow(4);
    expected.RandomBelow(16);
    ASSERT_EQ(c.Run().Rng.RandomSeed, expected.RandomSeed) << t;
    const int sprite = c.Run().State.DravikSprite;
    ASSERT_TRUE(sprite == 0 || sprite == 9 || sprite == 17 || sprite == 25) << sprite;
  }
}

TEST(DravikMoves, InputChangesBetweenRows) {
  for (int row : {3, 10}) {
    TestCave c;
    c.Paint(5, row, {"D "});
    RecordingHost host;
    // Right is pressed while the scan is at row 6.
    host.Poll = [](InputFlags& in, int r) { in.InputRight = r >= 6; };
    c.Start(&host);
    c.Tick();
    EXPECT_EQ(c.At(6, row), row >= 6 ? Dravik : Space) << row;
  }
}

TEST(Pushing, AlwaysWithOneNeverWithoutRoom) {
  TestCave c;
  c.Paint(5, 5, {"Do  "});
  c.Paint(5, 6, {"...."});
  c.A(FieldA::Pushing) = 1;
  c.Start();
  c.Tick(1, Right());
  EXPECT_EQ(c.At(6, 5), Dravik);
  EXPECT_EQ(c.At(7, 5), BoulderStationary);
  EXPECT_EQ(c.MoveAt(7, 5), 2);
  EXPECT_EQ(c.Events().PlayerAction, 4);

  // The cell beyond is taken: no push and no random draw.
  TestCave d;
  d.Paint(5, 5, {"Dow", "..."});
  d.A(FieldA::Pushing) = 4;
  d.Start();
  d.Tick(10, Right());
  EXPECT_EQ(d.At(6, 5), BoulderStationary);
  EXPECT_EQ(d.Run().Rng.RandomSeed, 10u);
}

TEST(Pushing, OneInFourSucceedsAboutAQuarterOfTheTime) {
  TestCave c;
  c.Paint(1, 5, {"Do                                    "});
  c.Paint(1, 6, {"......................................"});
  c.A(FieldA::Pushing) = 4;
  c.Start();
  c.Tick(80, Right());
  const int pushed = c.Run().State.DravikColumn - 1;
  EXPECT_GE(pushed, 8);
  EXPECT_LE(pushed, 35);
}

TEST(Pushing, RightPushOverGapFallsInPlaceLeftPushWaits) {
  TestCave c;
  c.Paint(5, 5, {"Do "});
  c.Paint(5, 6, {"...", ".. "});
  c.Put(7, 6, Space);
  c.A(FieldA::Pushing) = 1;
  c.Start();
  c.Tick(1, Right());
  EXPECT_EQ(c.At(7, 5), BoulderFalling);
  EXPECT_FALSE(c.Run().State.PushedRight);
  c.Tick();
  EXPECT_EQ(c.At(7, 6), BoulderFalling);

  TestCave d;
  d.Paint(5, 5, {" oD"});
  d.Paint(5, 6, {" .."});
  d.A(FieldA::Pushing) = 1;
  d.Start();
  d.Tick(1, Left());
  EXPECT_EQ(d.At(5, 5), BoulderStationary);
  EXPECT_EQ(d.At(6, 5), Dravik);
  d.Tick();
  EXPECT_EQ(d.At(5, 6), BoulderFalling);
  EXPECT_EQ(d.At(5, 5), Space);
}

TEST(Pushing, VariantTravelsWithTheBoulderAndSnapPushLeavesDravik) {
  TestCave c;
  c.Paint(5, 5, {"DB "});
  c.Paint(5, 6, {"..."});
  c.A(FieldA::Pushing) = 1;
  c.Start();
  c.Run().Grid.VariantMap[5 * 40 + 6] = 3;
  c.Tick(1, Snap(Right()));
  EXPECT_EQ(c.At(5, 5), Dravik);
  EXPECT_EQ(c.At(6, 5), Space);
  EXPECT_EQ(c.At(7, 5), BombSolid);
  EXPECT_EQ(c.Run().Grid.VariantMap[5 * 40 + 7], 3);
  EXPECT_EQ(c.Events().PlayerAction, 4);
}

TEST(Snapping, DirtDiamondBombAndExit) {
  TestCave c;
  c.Paint(4, 5, {".D*", "..."});
  c.A(FieldA::Value) = 3;
  c.Start();
  c.Tick(1, Snap(Left()));
  EXPECT_EQ(c.At(4, 5), Space);
  EXPECT_EQ(c.MoveAt(4, 5), 2);
  EXPECT_EQ(c.At(5, 5), Dravik);
  c.Tick(1, Snap(Right()));
  EXPECT_EQ(c.At(6, 5), Space);
  EXPECT_EQ(c.MoveAt(6, 5), 1);
  EXPECT_EQ(c.Run().Values.Score, 3);

  TestCave e;
  e.Paint(5, 5, {"DZ"});
  e.Start();
  e.Tick(1, Snap(Right()));
  EXPECT_EQ(e.At(6, 5), Space);
  EXPECT_EQ(e.At(5, 5), DravikInExit);
  e.Tick();
  EXPECT_EQ(e.Run().Values.GamePhase, gpTimeBonus);
  EXPECT_EQ(e.Events().ExitEvent, 1);
}

TEST(Bombs, PickUpCarryAndLay) {
  TestCave c;
  c.Paint(5, 5, {"Db b."});
  c.Start();
  c.Tick(1, Right());
  EXPECT_EQ(c.At(6, 5), DravikWithBomb);
  EXPECT_EQ(c.MoveAt(6, 5), 18);
  EXPECT_EQ(c.Events().PlayerAction, 6);
  c.Tick(1, Right());
  EXPECT_TRUE(c.Run().State.CarryingBomb);
  // A second bomb cannot be taken, neither by walking nor by snapping.
  c.Tick(1, Right());
  c.Tick(1, Snap(Right()));
  EXPECT_EQ(c.At(7, 5), DravikWithBomb);
  EXPECT_EQ(c.At(8, 5), Bomb);
  // Snapping dirt with a bomb lays it into the dirt.
  c.Set(8, 5, Dirt);
  c.Tick(1, Snap(Right()));
  EXPECT_EQ(c.At(7, 5), Dravik);
  EXPECT_EQ(c.At(8, 5), BombIgnited);
  EXPECT_EQ(c.Events().PlayerAction, 7);
}

TEST(Bombs, SnapPicksUpWithoutMoving) {
  TestCave c;
  c.Paint(5, 5, {"bD"});
  c.Start();
  c.Tick(1, Snap(Left()));
  EXPECT_EQ(c.At(5, 5), Space);
  EXPECT_EQ(c.At(6, 5), DravikWithBomb);
  EXPECT_EQ(c.MoveAt(5, 5), 3);
}

TEST(Clocks, ExtraTimeClamps) {
  TestCave c;
  c.Paint(5, 5, {"cDc"});
  c.B(FieldB::ExtraTime) = 0;  // -100
  c.Start();
  c.Run().Values.TimeLeft = 30;
  c.Tick(1, Right());
  EXPECT_EQ(c.Run().Values.TimeLeft, 0);
  EXPECT_EQ(c.At(7, 5), Dirt);  // taken to the right, turned to dirt in the same tick
  EXPECT_EQ(c.At(6, 5), Dravik);
  EXPECT_EQ(c.Events().PlayerAction, 5);

  c.Run().Values.TimeLeft = 200;
  c.Run().Params.ExtraTime = 155;
  c.Tick(1, Left());
  EXPECT_EQ(c.Run().Values.TimeLeft, 255);
  EXPECT_EQ(c.At(5, 5), ClockTaken);  // to the left it waits for the next scan
  c.Tick();
  EXPECT_EQ(c.At(5, 5), Dirt);
}

TEST(Scoring, ValueThenBonusExitOpens) {
  TestCave c;
  c.Paint(5, 5, {"D***X", "....."});
  c.A(FieldA::Diamonds) = 2;
  c.A(FieldA::Value) = 5;
  c.A(FieldA::Bonus) = 10;
  c.Start();
  c.Tick(1, Right());
  EXPECT_EQ(c.Run().Values.Score, 5);
  EXPECT_FALSE(c.Run().State.ExitFlash);
  EXPECT_EQ(c.At(9, 5), ExitClosed);
  c.Tick(1, Right());
  EXPECT_EQ(c.Run().Values.Score, 10);
  EXPECT_TRUE(c.Run().State.ExitFlash);
  EXPECT_EQ(c.Events().SignalEvent, 1);
  EXPECT_EQ(c.At(9, 5), ExitOpen);
  c.Tick(1, Right());
  EXPECT_EQ(c.Run().Values.Score, 20);
  c.Tick(1, Right());
  c.Tick(1, Right());
  EXPECT_EQ(c.Run().Values.GamePhase, gpTimeBonus);
  EXPECT_EQ(c.Events().ExitEvent, 1);
  EXPECT_EQ(c.Events().ExitLowTimeEvent, 0);
}

TEST(Scoring, BonusLifeOncePerDiamondAndBestScore) {
  TestCave c;
  c.Paint(5, 5, {"D**", "..."});
  c.A(FieldA::Value) = 99;
  RecordingHost host;
  c.Start(&host);
  c.Run().Values.Score = 950;
  c.Run().Values.NextBonusScore = 500;
  c.Tick(1, Right());
  EXPECT_EQ(c.Run().Values.Score, 1049);
  EXPECT_EQ(c.Run().Values.NextBonusScore, 1000);
  EXPECT_EQ(c.Run().Values.Lives, 4);
  EXPECT_EQ(c.Run().Values.BonusLifeBanner, 128);
  EXPECT_EQ(host.Played, std::vector<int>{17});
  EXPECT_EQ(c.Run().Values.HighScore, 1049);
  EXPECT_EQ(c.Set().BestScore(), 1049u);

  c.Run().Values.Lives = 9;
  c.Tick(1, Right());
  EXPECT_EQ(c.Run().Values.NextBonusScore, 1500);
  EXPECT_EQ(c.Run().Values.Lives, 9);
  EXPECT_EQ(host.Played.size(), 1u);
}

TEST(Scoring, DemosGainNoLifeAndNoBestScore) {
  TestCave c;
  c.Paint(5, 5, {"D*", ".."});
  c.A(FieldA::Value) = 50;
  RecordingHost host;
  host.Recording = true;
  c.Start(&host);
  c.Run().Values.Score = 480;
  c.Tick(1, Right());
  EXPECT_EQ(c.Run().Values.Score, 530);
  EXPECT_EQ(c.Run().Values.Lives, 3);
  EXPECT_EQ(c.Run().Values.NextBonusScore, 500);
  EXPECT_EQ(c.Run().Values.HighScore, 0);
  EXPECT_EQ(c.Set().BestScore(), 0u);
  EXPECT_EQ(host.RecordTicks, 1);
}

TEST(Entrance, DelayThenThreeBirthStages) {
  TestCave c;
  c.Paint(5, 5, {"E  E"});
  c.A(FieldA::InBox) = 3;
  c.Start();
  for (int t = 0; t < 3; ++t) {
    c.Tick();
    EXPECT_EQ(c.At(5, 5), Entrance);
    EXPECT_TRUE(c.Run().State.PlayerPresent);
  }
  EXPECT_EQ(c.Run().State.InBoxCounter, 0);
  c.Tick();
  EXPECT_EQ(c.At(5, 5), DravikBirth);
  EXPECT_EQ(c.At(8, 5), DravikBirth);
  c.Tick();
  EXPECT_EQ(c.At(5, 5), DravikBirth2);
  EXPECT_EQ(c.Events().SignalEvent, 1);
  c.Tick();
  EXPECT_EQ(c.At(5, 5), DravikBirth3);
  EXPECT_FALSE(c.Run().State.PlayerBorn);
  c.Tick();
  EXPECT_EQ(c.At(5, 5), Dravik);
  EXPECT_EQ(c.At(8, 5), Dravik);
  EXPECT_TRUE(c.Run().State.PlayerBorn);
  // The later entrance is where the view starts.
  TestCave d;
  d.Paint(5, 5, {"E  E"});
  d.Start();
  EXPECT_EQ(d.Run().State.DravikColumn, 8);
  EXPECT_EQ(d.Run().State.DravikRow, 5);
}

TEST(Exit, LowTimeAndDemoEnds) {
  TestCave c;
  c.Paint(5, 5, {"DZ"});
  c.A(FieldA::CaveTime) = 40;
  c.Start();
  c.Tick(1, Right());
  EXPECT_EQ(c.At(6, 5), DravikInExit);
  c.Tick();
  EXPECT_EQ(c.Events().ExitLowTimeEvent, 1);
  EXPECT_EQ(c.Run().Values.GamePhase, gpTimeBonus);

  TestCave d;
  d.Paint(5, 5, {"ZD"});
  RecordingHost host;
  host.Playing = true;
  d.Start(&host);
  d.Tick(1, Left());
  EXPECT_EQ(d.At(5, 5), DravikInExit);
  d.Tick();
  EXPECT_EQ(host.FinishedPlaybacks, 1);
  EXPECT_EQ(d.Run().Values.GamePhase, gpPlay);
  EXPECT_EQ(host.PlaybackTicks, 2);
}

TEST(Exit, ZeroDiamondsOpensAtOnce) {
  TestCave c;
  c.Paint(5, 5, {"X"});
  c.A(FieldA::Diamonds) = 0;
  c.Start();
  c.Tick();
  EXPECT_EQ(c.At(5, 5), ExitOpen);
}

}  // namespace
}  // namespace krattle::testing
