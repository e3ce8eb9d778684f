#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "game/play_clock.h"
#include "support/recording_host.h"
#include "support/test_cave.h"

namespace krattle::testing {
namespace {

TEST(Tick, MarkersOnlyTurnBack) {
  const Element markers[][2] = {
      {DravikMoved, Dravik},
      {BoulderFallingMoved, BoulderFalling},
      {FireflyMovedDown, FireflyDown},
      {ButterflyMovedRight, ButterflyRight},
      {AcidMoved, Acid},
      {AltButterflyMovedDown, AltButterflyDown},
      {ClockTaken, Dirt},
      {BombFallingMoved, BombFalling},
  };
  for (const auto& m : markers) {
    TestCave c;
    // Room everywhere, so any rule that ran would show.
    c.Put(20, 10, m[0]);
    c.Start();
    c.Tick(1, Right());
    EXPECT_EQ(c.At(20, 10), m[1]) << int(m[0]);
    EXPECT_EQ(c.Run().Rng.RandomSeed, 10u) << int(m[0]);
    EXPECT_EQ(c.At(21, 10), Space) << int(m[0]);
    EXPECT_EQ(c.At(20, 11), Space) << int(m[0]);
  }
}

TEST(Tick, MoveMapIsClearedEachTick) {
  TestCave c;
  c.Paint(5, 2, {"o"});
  c.Start();
  c.Tick();
  EXPECT_EQ(c.MoveAt(5, 3), 1);
  c.Run().Grid.MoveMap[0] = 77;
  c.Tick();
  EXPECT_EQ(c.MoveAt(5, 3), 0);
  EXPECT_EQ(c.Run().Grid.MoveMap[0], 0);
}

TEST(Tick, ThePlayerLeavingEndsPlayAndDemos) {
  TestCave c;
  c.Paint(5, 5, {"D"});
  RecordingHost host;
  host.Recording = true;
  c.Start(&host);
  c.Tick();
  EXPECT_TRUE(c.Run().State.PlayerInPlay);
  c.Set(5, 5, Space);
  c.Tick();
  EXPECT_FALSE(c.Run().State.PlayerInPlay);
  EXPECT_EQ(host.FinishedRecordings, 1);
  EXPECT_EQ(host.RecordTicks, 1);  // only while recording
}

TEST(Tick, IntermissionScansTwelveRowsOfTwenty) {
  TestCave c(16, 2);
  c.Paint(3, 1, {"o"});
  c.Start();
  EXPECT_EQ(c.Run().Grid.CaveWidth, 20);
  EXPECT_EQ(c.Run().Grid.Cells[12 * 20 + 5], SteelWall);  // rows behind the cave are steel
  c.Tick(15);
  EXPECT_EQ(c.At(3, 10), BoulderStationary);
}

TEST(Tick, IntermissionWrapsAtTwoHundredForty) {
  TestCave c(17, 0);
  c.Put(5, 11, Dravik).Put(5, 0, Space);
  c.Start();
  c.Tick(1, Down());
  EXPECT_EQ(c.At(5, 0), DravikMoved);
  EXPECT_TRUE(c.Run().State.PlayerInPlay);
}

TEST(PlayClock, CountsOnlyAfterBirth) {
  TestCave c;
  c.Paint(5, 5, {"E"});
  c.A(FieldA::InBox) = 0;
  c.A(FieldA::CaveTime) = 11;
  RecordingHost host;
  c.Start(&host);
  EXPECT_EQ(c.Run().Values.TimeLeft, 12);
  PlayClockTick(c.Run(), host);
  EXPECT_EQ(c.Run().Values.TimeLeft, 12);
  c.Tick(4);
  ASSERT_TRUE(c.Run().State.PlayerBorn);
  PlayClockTick(c.Run(), host);
  EXPECT_EQ(c.Run().Values.TimeLeft, 11);
  EXPECT_TRUE(host.Played.empty());
  PlayClockTick(c.Run(), host);
  EXPECT_EQ(host.Played, std::vector<int>{23});
}

TEST(PlayClock, StoredTimeTwoHundredFiftyFiveStays) {
  TestCave c;
  c.A(FieldA::CaveTime) = 255;
  c.Start();
  EXPECT_EQ(c.Run().Values.TimeLeft, 255);
}

TEST(PlayClock, MagicWallExpiresAndAmoebaSpeedsUp) {
  TestCave c;
  c.Paint(5, 5, {"D"});
  c.A(FieldA::MagicTime) = 2;
  c.A(FieldA::AmoebaTime) = 2;
  c.A(FieldA::AmoebaSlow) = 30;
  c.A(FieldA::AmoebaFast) = 3;
  EngineHost host;
  c.Start();
  CaveRun& r = c.Run();
  r.State.PlayerBorn = true;
  PlayClockTick(r, host);  // dormant wall and unstarted amoeba: neither time runs
  EXPECT_EQ(r.State.MagicTimeLeft, 2);
  EXPECT_EQ(r.State.AmoebaTimeLeft, 2);
  r.State.MagicWallState = 1;
  r.State.AmoebaStarted = true;
  PlayClockTick(r, host);
  PlayClockTick(r, host);
  EXPECT_EQ(r.State.MagicWallState, 2);
  EXPECT_EQ(r.State.AmoebaTimeLeft, 0);
  EXPECT_EQ(r.State.AmoebaGrowth, 30);
  PlayClockTick(r, host);
  EXPECT_EQ(r.State.AmoebaGrowth, 3);
}

TEST(HeadlessRun, TimeOutStopsTheRun) {
  TestCave c;
  c.Paint(5, 5, {"D"});
  c.A(FieldA::CaveTime) = 1;
  c.Start();
  c.Run().State.PlayerBorn = true;
  const int ran = c.Sim().Run(100, {}, 3);
  EXPECT_EQ(ran, 6);  // time 2 runs out on the second clock tick
  EXPECT_EQ(c.Run().Values.GamePhase, gpOutOfTime);
}

// Every code in every cell, random parameter bytes and random input: the engine must
// neither fault nor lose determinism.
TEST(LongRun, RandomCavesAreSafeAndDeterministic) {
  std::mt19937 gen(12345);
  for (int round = 0; round < 12; ++round) {
    const int cave = round % 4 == 3 ? 16 + round % 4 : round;
    auto set = std::make_unique<CaveSet>(NewCaveSet());
    std::uniform_int_distribution<int> byte(0, 255);
    for (int x = 0; x < 40; ++x)
      for (int y = 0; y < 22; ++y) {
        int v = byte(gen);
        set->MapCell(cave, 1, x, y) = static_cast<std::uint8_t>(v < 128 ? v : v % 117);
      }
    const int slot = SlotOf(cave, 1);
    for (int x = 0; x < 40; ++x) {
      set->At(x, slot, RowA) = static_cast<std::uint8_t>(byte(gen));
      set->At(x, slot, RowB) = static_cast<std::uint8_t>(byte(gen));
    }
    std::vector<InputFlags> moves(3000);
    for (auto& m : moves) {
      switch (byte(gen) % 6) {
        case 0: m.InputRight = true; break;
        case 1: m.InputLeft = true; break;
        case 2: m.InputUp = true; break;
        case 3: m.InputDown = true; break;
        default: break;
      }
      m.InputFire = byte(gen) % 4 == 0;
    }
    auto a = std::make_unique<HeadlessSim>(*set, cave, 1);
    auto b = std::make_unique<HeadlessSim>(*set, cave, 1);
    for (const auto& m : moves) {
      a->Step(m, 11);
      b->Step(m, 11);
      a->Cave().Values.GamePhase = gpPlay;  // keep going past exits and time-outs
      b->Cave().Values.GamePhase = gpPlay;
      a->Cave().Values.TimeLeft = 200;
      b->Cave().Values.TimeLeft = 200;
    }
    EXPECT_EQ(a->Cave().Grid.Cells, b->Cave().Grid.Cells) << round;
    EXPECT_EQ(a->Cave().Rng.RandomSeed, b->Cave().Rng.RandomSeed) << round;
    EXPECT_EQ(a->Report(), b->Report()) << round;
  }
}

}  // namespace
}  // namespace krattle::testing
