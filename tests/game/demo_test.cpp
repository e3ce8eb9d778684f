#include "core/cave_set_file.h"
#include "game/demo_codec.h"
#include "game/headless_demo.h"
#include "game/moves.h"
#include "game_fixture.h"
#include "support/game_probe.h"

namespace krattle::testing {
namespace {

// A stored demo written byte by byte, as a file from elsewhere could hold it.
void PutDemo(CaveSet& set, int cave, const std::vector<std::uint8_t>& bytes, int level = 0) {
  set.SetDemoPresent(cave, true);
  set.DemoLevel(cave) = static_cast<std::uint8_t>(level);
  set.SetAmoebaExpiryTick(cave, 0xFFFF);
  set.SetMagicExpiryTick(cave, 0xFFFF);
  set.SetDemoLength(cave, static_cast<std::uint16_t>(bytes.size() - 1));
  for (std::size_t n = 0; n < bytes.size(); ++n)
    set.SetDemoStep(cave, static_cast<int>(n), bytes[n]);
}

std::vector<InputFlags> Moves(const std::string& text) {
  const MovesParse p = ParseMoves(text);
  EXPECT_EQ(p.Error, "");
  return p.Ticks;
}

std::vector<int> StoredBytes(const CaveSet& set, int cave) {
  std::vector<int> out;
  for (int n = 0; n <= set.DemoLength(cave); ++n) out.push_back(set.DemoStep(cave, n));
  return out;
}

class DemoTest : public GameTest {
 protected:
  DemoOutcome Record(const std::string& moves, int cave = 0, int level = 0) {
    return RecordDemoFromMoves(runner(), cave, level, Moves(moves));
  }
  const CaveSet& set() { return GameProbe::Set(game()); }
  void RunUntilBorn() {
    runner().FramesUntil([&] { return GameProbe::Run(game()).State.PlayerBorn; }, 1000);
    ASSERT_TRUE(GameProbe::Run(game()).State.PlayerBorn);
  }
  // Runs frames until the engine has ticked once more.
  void OneTick() {
    const int before = game().Demo().Ticks;
    runner().FramesUntil([&] { return game().Demo().Ticks != before; }, 16);
  }
};

TEST_F(DemoTest, RecordingWithoutInputStoresRunsOfFiftyTicks) {
  UsePlayable();
  const DemoOutcome out = Record(".101");
  EXPECT_EQ(out.Why, DemoEnd::Stopped);
  EXPECT_EQ(out.Ticks, 101);
  EXPECT_EQ(StoredBytes(set(), 0), (std::vector<int>{49, 49, 0}));
  EXPECT_TRUE(set().DemoPresent(0));
  EXPECT_EQ(set().DemoLevel(0), 0);
}

TEST_F(DemoTest, TheFirstTickIsTheOpenRunRecordingStartsWith) {
  UsePlayable();
  // Held keys on the first tick are not stored: it is always the run of no input.
  Record("R .");
  EXPECT_EQ(StoredBytes(set(), 0), (std::vector<int>{1}));
}

TEST_F(DemoTest, ThirtyOneTicksToTheRightSplitAtTheRunLimit) {
  UsePlayable();
  Record(". R31");
  EXPECT_EQ(StoredBytes(set(), 0), (std::vector<int>{0, 79, 50}));
}

TEST_F(DemoTest, EveryInputCodeIsRecordedUpToItsLimit) {
  auto s = PlayableSet();
  // Room to walk around in and nothing to push.
  for (int x = 1; x < 39; ++x)
    for (int y = 1; y < 21; ++y) s->MapCell(0, 0, x, y) = Space;
  s->MapCell(0, 0, 20, 10) = Entrance;
  Use(*s);
  Record(". .50 R31 D21 L31 U21 r41 d11 l41 u11 .");
  EXPECT_EQ(StoredBytes(GameProbe::Set(game()), 0),
            (std::vector<int>{49, 0, 79, 50, 99, 80, 129, 100, 149, 130, 189, 150, 199, 190, 239,
                              200, 249, 240, 0}));
}

TEST_F(DemoTest, AFullDemoEndsTheRecordingAfterSixHundredBytes) {
  UsePlayable();
  std::string moves = ".";
  for (int k = 0; k < 320; ++k) moves += " R L";
  const DemoOutcome out = Record(moves);
  EXPECT_EQ(out.Why, DemoEnd::Full);
  EXPECT_EQ(set().DemoLength(0), 599);
  EXPECT_TRUE(set().DemoPresent(0));
  const auto bytes = StoredBytes(set(), 0);
  EXPECT_EQ(bytes[0], 0);
  for (int n = 1; n < 600; ++n) ASSERT_EQ(bytes[n], n % 2 ? 50 : 100) << n;
  EXPECT_EQ(phase(), gpDemoEnd);
  // The recording is over: the position the set keeps is back and the score is gone.
  EXPECT_FALSE(flow().DemoRecording);
  EXPECT_EQ(values().Score, 0);
  runner().Frames(114);
  EXPECT_EQ(flow().ScreenMode, smTitle);
}

TEST_F(DemoTest, FinishingARecordingWritesTheSet) {
  const auto dir = TempDir("demo_save");
  const auto file = dir / "Rec.kcv";
  ASSERT_TRUE(SaveCaveSet(file, *PlayableSet()).Ok());
  ASSERT_TRUE(game().LoadCaveSet(file));
  Record(". R5 .");
  CaveSet onDisk;
  ASSERT_TRUE(ReadCaveSet(file, onDisk).Ok());
  EXPECT_TRUE(onDisk.DemoPresent(0));
  EXPECT_EQ(onDisk.DemoLength(0), 2);
}

// A cave whose old demo carries a stamp, a level and odd bytes, so a partial restore shows.
class AbandonedRecordingTest : public DemoTest {
 protected:
  void SetUp() override {
    auto s = PlayableSet();
    PutDemo(*s, 0, {3, 50, 1, 49}, 2);
    s->SetAmoebaExpiryTick(0, 7);
    s->SetMagicExpiryTick(0, 0);
    s->SetDemoStep(0, 599, 77);  // past the demo's length, still the cave's bytes
    file_ = TempDir("demo_abandon") / "Old.kcv";
    ASSERT_TRUE(SaveCaveSet(file_, *s).Ok());
    ASSERT_TRUE(game().LoadCaveSet(file_));
    before_ = GameProbe::Set(game()).Bytes;
  }
  // Starts a recording of cave 0 with Shift+D and plays into it far enough to overwrite bytes.
  void StartRecording() {
    flow().CurrentCave = 0;
    flow().CurrentLevel = 0;
    flow().TitlePicture = false;
    game().KeyDown(keys::Letter('D'), keys::ShiftBit);
    ASSERT_TRUE(flow().DemoRecording);
    RunToPlay();
    runner().Keys.Press(keys::Right);
    runner().Frames(200);
    runner().Keys.ReleaseAll();
    ASSERT_FALSE(game().Demo().Finished);
    ASSERT_NE(GameProbe::Set(game()).Bytes, before_);
  }
  std::filesystem::path file_;
  std::array<std::uint8_t, CaveSetSize> before_{};
};

TEST_F(AbandonedRecordingTest, EscapeKeepsTheOldDemoAndItStillPlays) {
  StartRecording();
  game().KeyDown(keys::Escape);
  EXPECT_EQ(flow().ScreenMode, smTitle);
  EXPECT_FALSE(flow().DemoRecording);
  EXPECT_TRUE(GameProbe::Set(game()).Bytes == before_);
  EXPECT_EQ(PlayStoredDemo(runner(), 0).Why, DemoEnd::Length);

  // A later save of the set (a new game's start) writes the old demo, not the lost one.
  runner().Frames(200);
  StartAt(0, 0);
  CaveSet onDisk, old;
  old.Bytes = before_;
  ASSERT_TRUE(ReadCaveSet(file_, onDisk).Ok());
  for (int n = 0; n < DemoMaxSteps; ++n) ASSERT_EQ(onDisk.DemoStep(0, n), old.DemoStep(0, n)) << n;
  EXPECT_EQ(onDisk.DemoLength(0), 3);
  EXPECT_EQ(onDisk.DemoLevel(0), 2);
  EXPECT_EQ(onDisk.AmoebaExpiryTick(0), 7);
  EXPECT_EQ(onDisk.MagicExpiryTick(0), 0);
  EXPECT_TRUE(onDisk.DemoPresent(0));
}

TEST_F(AbandonedRecordingTest, StopQAndASecondRecordingGiveItBackToo) {
  StartRecording();
  game().Stop();
  EXPECT_TRUE(GameProbe::Set(game()).Bytes == before_);

  StartRecording();
  game().KeyDown(keys::Letter('Q'));
  EXPECT_TRUE(GameProbe::Set(game()).Bytes == before_);

  // Shift+D again while recording starts over from the old demo, and Escape then restores it.
  StartRecording();
  game().KeyDown(keys::Letter('D'), keys::ShiftBit);
  RunToPlay();
  runner().Frames(50);
  game().KeyDown(keys::Escape);
  EXPECT_TRUE(GameProbe::Set(game()).Bytes == before_);
}

TEST_F(AbandonedRecordingTest, LoadingAnotherSetLeavesBothSetsAlone) {
  StartRecording();
  const auto other = TempDir("demo_abandon_other") / "Other.kcv";
  auto s = PlayableSet();
  ASSERT_TRUE(SaveCaveSet(other, *s).Ok());
  ASSERT_TRUE(game().LoadCaveSet(other));
  EXPECT_FALSE(flow().DemoRecording);
  EXPECT_TRUE(GameProbe::Set(game()).Bytes == s->Bytes);
  game().KeyDown(keys::Escape);
  EXPECT_TRUE(GameProbe::Set(game()).Bytes == s->Bytes);
  CaveSet onDisk;
  ASSERT_TRUE(ReadCaveSet(file_, onDisk).Ok());
  EXPECT_TRUE(onDisk.Bytes == before_);
}

TEST_F(AbandonedRecordingTest, ARecordingToItsEndReplacesTheOldDemo) {
  StartRecording();
  game().StopDemo(DemoEnd::Stopped);
  EXPECT_TRUE(GameProbe::Set(game()).DemoPresent(0));
  EXPECT_EQ(GameProbe::Set(game()).DemoLevel(0), 0);
  EXPECT_NE(GameProbe::Set(game()).DemoLength(0), 3);
  const auto recorded = GameProbe::Set(game()).Bytes;
  // The title screen that follows gives nothing back.
  runner().Frames(200);
  game().KeyDown(keys::Escape);
  EXPECT_TRUE(GameProbe::Set(game()).Bytes == recorded);
  CaveSet onDisk;
  ASSERT_TRUE(ReadCaveSet(file_, onDisk).Ok());
  EXPECT_TRUE(onDisk.Bytes == recorded);
}

TEST_F(DemoTest, RecordingStampsTheClockEventsWithTheDemoStep) {
  UsePlayable();
  flow().CurrentCave = 3;
  flow().TitlePicture = false;
  game().RecordDemo();
  RunUntilBorn();
  runner().Frames(30);
  CaveRun& r = GameProbe::Run(game());
  r.State.MagicWallState = 1;
  r.State.MagicTimeLeft = 1;
  r.State.AmoebaTimeLeft = 0;
  r.Params.AmoebaFast = 7;
  const int step = game().Demo().Step;
  ASSERT_GT(step, 0);
  game().ClockTick();
  EXPECT_EQ(r.State.MagicWallState, 2);
  EXPECT_EQ(r.State.AmoebaGrowth, 7);
  EXPECT_EQ(set().MagicExpiryTick(3), step);
  EXPECT_EQ(set().AmoebaExpiryTick(3), step);
  // The amoeba is stamped once.
  runner().Frames(16);
  game().ClockTick();
  EXPECT_EQ(set().AmoebaExpiryTick(3), step);
}

TEST_F(DemoTest, PlaybackSwitchesAtTheStampsAndNotByTheClock) {
  auto s = PlayableSet();
  PutDemo(*s, 2, {49, 49, 49});
  s->SetAmoebaExpiryTick(2, 20);
  s->SetMagicExpiryTick(2, 22);
  Use(*s);
  flow().CurrentCave = 2;
  game().KeyDown(keys::Letter('D'));
  EXPECT_TRUE(flow().DemoPlaying);
  RunUntilBorn();
  CaveRun& r = GameProbe::Run(game());
  r.State.MagicWallState = 1;
  r.State.MagicTimeLeft = 1;
  r.State.AmoebaTimeLeft = 0;
  r.Params.AmoebaFast = 9;
  game().ClockTick();
  EXPECT_EQ(r.State.MagicWallState, 1);
  EXPECT_NE(r.State.AmoebaGrowth, 9);
  runner().FramesUntil([&] { return game().Demo().Step == 20; }, 400);
  EXPECT_EQ(r.State.AmoebaGrowth, 9);
  EXPECT_EQ(r.State.MagicWallState, 1);
  OneTick();
  OneTick();
  EXPECT_EQ(game().Demo().Step, 22);
  EXPECT_EQ(r.State.MagicWallState, 2);
}

TEST_F(DemoTest, WithoutAMagicStampTheClockRunsTheWallOut) {
  auto s = PlayableSet();
  PutDemo(*s, 2, {49, 49});
  s->SetMagicExpiryTick(2, 0);
  Use(*s);
  flow().CurrentCave = 2;
  game().PlayDemos();
  RunUntilBorn();
  CaveRun& r = GameProbe::Run(game());
  r.State.MagicWallState = 1;
  r.State.MagicTimeLeft = 1;
  game().ClockTick();
  EXPECT_EQ(r.State.MagicWallState, 2);
}

TEST_F(DemoTest, PlaybackEndsOnTheTickThatReadsTheLastByte) {
  auto s = PlayableSet();
  PutDemo(*s, 4, {9, 29});  // 10 ticks, then a run of 30 of which only the first tick plays
  Use(*s);
  const DemoOutcome out = PlayStoredDemo(runner(), 4);
  EXPECT_EQ(out.Why, DemoEnd::Length);
  EXPECT_EQ(out.Ticks, 11);
  EXPECT_EQ(phase(), gpDemoEnd);
  EXPECT_EQ(runner().Sound.Played(16), 3);  // cover, reveal, end
  runner().Frames(114);
  EXPECT_EQ(flow().ScreenMode, smTitle);
  EXPECT_FALSE(flow().DemoPlaying);
}

TEST_F(DemoTest, ALevelByteOutOfRangePlaysTheFirstLevel) {
  auto s = PlayableSet();
  PutDemo(*s, 19, {5, 0}, 9);
  Use(*s);
  EXPECT_EQ(PlayStoredDemo(runner(), 19).Why, DemoEnd::Length);
  EXPECT_EQ(game().Demo().Ticks, 7);
}

TEST_F(DemoTest, TheTickThatEndsADemoStillGivesNoBestScoreOrLife) {
  auto s = PlayableSet();
  s->MapCell(0, 0, 2, 1) = DiamondStationary;
  s->A(SlotOf(0, 0), FieldA::Value) = 200;
  PutDemo(*s, 0, {4, 50});  // five ticks until Dravik stands, then right into the diamond
  Use(*s);
  values().NextBonusScore = 100;
  const int lives = values().Lives;
  const DemoOutcome out = PlayStoredDemo(runner(), 0);
  EXPECT_EQ(out.Diamonds, 1);
  EXPECT_EQ(out.Score, 200);
  EXPECT_EQ(GameProbe::Set(game()).BestScore(), 0u);
  EXPECT_EQ(values().HighScore, 0);
  EXPECT_EQ(values().Lives, lives);
}

TEST_F(DemoTest, DemosNeverMoveTheSavedPosition) {
  const auto dir = TempDir("demo_saved");
  const auto file = dir / "Saved.kcv";
  auto s = PlayableSet();
  PutDemo(*s, 6, {49});
  s->SavedCave() = 2;
  s->SavedLives() = 3;
  ASSERT_TRUE(SaveCaveSet(file, *s).Ok());
  ASSERT_TRUE(game().LoadCaveSet(file));
  PlayStoredDemo(runner(), 6);
  RecordDemoFromMoves(runner(), 7, 1, Moves(". R3"));
  EXPECT_EQ(GameProbe::Set(game()).SavedCave(), 2);
  CaveSet onDisk;
  ASSERT_TRUE(ReadCaveSet(file, onDisk).Ok());
  EXPECT_EQ(onDisk.SavedCave(), 2);
  EXPECT_EQ(onDisk.SavedLives(), 3);
  EXPECT_TRUE(onDisk.DemoPresent(7));
  // The game in the set goes on where it was.
  EXPECT_EQ(flow().CurrentCave, 2);
  EXPECT_EQ(values().Lives, 3);
}

TEST_F(DemoTest, TimeRunningOutEndsAPlaybackButLeavesARecordingOutOfTime) {
  auto s = PlayableSet();
  PutDemo(*s, 1, {49, 49, 49});
  Use(*s);
  flow().CurrentCave = 1;
  game().PlayDemos();
  RunUntilBorn();
  values().TimeLeft = 1;
  game().ClockTick();
  EXPECT_EQ(phase(), gpDemoEnd);
  EXPECT_EQ(game().Demo().Outcome.Why, DemoEnd::Time);

  // A clock taken with too little time left drops it to 0 between two clock ticks.
  runner().Frames(120);
  flow().CurrentCave = 1;
  game().PlayDemos();
  RunUntilBorn();
  values().TimeLeft = 0;
  runner().Frames(1);
  EXPECT_EQ(phase(), gpDemoEnd);

  runner().Frames(120);
  flow().CurrentCave = 5;
  game().RecordDemo();
  RunUntilBorn();
  values().TimeLeft = 0;
  runner().Frames(1);
  EXPECT_TRUE(GameProbe::Set(game()).DemoPresent(5));
  EXPECT_EQ(game().Demo().Outcome.Why, DemoEnd::Time);
  EXPECT_EQ(phase(), gpOutOfTime);
}

TEST_F(DemoTest, StopAndStartDuringADemoKeepTheSetsGame) {
  auto s = PlayableSet();
  s->MapCell(3, 0, 2, 1) = DiamondStationary;
  PutDemo(*s, 3, {4, 50, 49});
  s->SavedCave() = 3;
  s->SavedLives() = 2;
  s->SetSavedScore(40);
  Use(*s);
  game().KeyDown(keys::Letter('D'));
  RunToPlay();
  game().KeyDown(keys::Letter('Q'));
  EXPECT_EQ(flow().ScreenMode, smTitle);
  EXPECT_EQ(values().Lives, 2);

  // The demo takes a diamond; Start then continues the saved game without its points.
  game().KeyDown(keys::Letter('D'));
  runner().FramesUntil([&] { return GameProbe::Run(game()).State.DiamondsCollected == 1; }, 400);
  game().Start();
  EXPECT_FALSE(flow().DemoPlaying);
  EXPECT_EQ(values().Score, 40);
  EXPECT_EQ(values().Lives, 2);
}

class ChainTest : public DemoTest {
 protected:
  // Caves whose demos start, in order, until the title screen comes back.
  std::vector<int> Watch(long frames = 20000) {
    std::vector<int> started;
    bool wasCover = flow().ScreenMode == smGame && phase() == gpCover;
    runner().FramesUntil(
        [&] {
          const bool cover = flow().ScreenMode == smGame && phase() == gpCover;
          if (cover && !wasCover && flow().DemoPlaying) started.push_back(flow().CurrentCave);
          wasCover = cover;
          return flow().ScreenMode == smTitle;
        },
        frames);
    return started;
  }
};

TEST_F(ChainTest, TheAttractLoopPlaysTheDemosInCaveOrderUntilTheSavedCave) {
  auto s = PlayableSet();
  for (int c : {2, 9, 17, 5}) PutDemo(*s, c, {3});
  s->SavedCave() = 2;
  s->SavedLives() = 0;
  Use(*s);
  EXPECT_EQ(flow().CurrentCave, 2);
  for (int k = 0; k < 9; ++k) game().ClockTick();
  EXPECT_EQ(flow().ScreenMode, smTitle);
  game().ClockTick();
  EXPECT_EQ(flow().ScreenMode, smGame);
  EXPECT_TRUE(flow().DemoChain);
  // Q (17) follows H (7) in the play order; 2 is where the set's game is.
  EXPECT_EQ(flow().CurrentCave, 2);
  const auto rest = Watch();
  EXPECT_EQ(rest, (std::vector<int>{5, 17, 9}));
  EXPECT_FALSE(flow().DemoChain);
  EXPECT_EQ(flow().CurrentCave, 2);
}

TEST_F(ChainTest, PlayDemoFromTheMenuStartsAtTheCurrentCave) {
  auto s = PlayableSet();
  for (int c : {1, 12}) PutDemo(*s, c, {3});
  s->SavedCave() = 5;
  Use(*s);
  flow().CurrentCave = 3;
  game().PlayDemos();
  EXPECT_EQ(flow().CurrentCave, 12);
  EXPECT_EQ(Watch(), (std::vector<int>{1}));
}

TEST_F(ChainTest, PlayDemoInASetWithoutDemosLeavesTheGameRunning) {
  UsePlayable();
  StartAt(5, 2);
  RunToPlay();
  values().Score = 70;
  values().Lives = 2;
  game().ClockTick();
  game().ClockTick();
  ASSERT_LT(flow().AttractCountdown, 10);
  game().PlayDemos();
  EXPECT_EQ(flow().AttractCountdown, 10);  // the title's wait starts over
  EXPECT_FALSE(flow().DemoPlaying);
  EXPECT_FALSE(flow().DemoChain);
  runner().Frames(40);
  EXPECT_EQ(flow().ScreenMode, smGame);
  EXPECT_EQ(phase(), gpPlay);
  EXPECT_EQ(flow().CurrentCave, 5);
  EXPECT_EQ(flow().CurrentLevel, 2);
  EXPECT_EQ(values().Lives, 2);
  EXPECT_EQ(values().Score, 70);
}

TEST_F(ChainTest, NDuringPlaybackJumpsToTheNextDemo) {
  auto s = PlayableSet();
  for (int c : {0, 3, 8}) PutDemo(*s, c, {49, 49, 49});
  Use(*s);
  flow().CurrentCave = 0;
  game().PlayDemos();
  RunToPlay();
  game().KeyDown(keys::Letter('N'));
  EXPECT_EQ(flow().CurrentCave, 3);
  EXPECT_TRUE(flow().DemoPlaying);
  EXPECT_EQ(phase(), gpCover);
}

TEST_F(ChainTest, EscapeEndsADemoAtOnce) {
  auto s = PlayableSet();
  PutDemo(*s, 0, {49, 49});
  Use(*s);
  game().KeyDown(keys::Letter('D'));
  RunToPlay();
  const int clicks = runner().Sound.Played(21);
  game().KeyDown(keys::Escape);
  EXPECT_EQ(flow().ScreenMode, smTitle);
  EXPECT_FALSE(flow().DemoPlaying);
  EXPECT_EQ(runner().Sound.Played(21), clicks + 1);
}

TEST_F(ChainTest, ATitleChoiceWithinFiveTicksPostponesTheDemos) {
  auto s = PlayableSet();
  PutDemo(*s, 1, {3});
  Use(*s);
  for (int k = 0; k < 7; ++k) game().ClockTick();
  game().KeyDown(keys::Right);
  EXPECT_EQ(flow().AttractHold, 5);
  for (int k = 0; k < 3; ++k) game().ClockTick();
  EXPECT_EQ(flow().ScreenMode, smTitle);
  EXPECT_EQ(flow().AttractCountdown, 10);
}

// The same input, recorded once, must give the same game whatever the frame speed of the
// playback: the clock's events come back at their ticks.
TEST_F(DemoTest, ARecordedDemoReplaysTheSameGameAtAnySpeed) {
  auto s = PlayableSet();
  const int slot = SlotOf(0, 0);
  for (int x = 1; x < 39; ++x)
    for (int y = 1; y < 21; ++y) s->MapCell(0, 0, x, y) = x > 20 ? Space : Dirt;
  s->MapCell(0, 0, 1, 1) = Entrance;
  // A boulder over a magic wall, an amoeba with room, diamonds to take.
  s->MapCell(0, 0, 30, 3) = BoulderStationary;
  for (int x = 25; x < 36; ++x) s->MapCell(0, 0, x, 8) = MagicWall;
  s->MapCell(0, 0, 30, 15) = Amoeba;
  for (int x = 3; x < 12; ++x) s->MapCell(0, 0, x, 5) = DiamondStationary;
  s->A(slot, FieldA::CaveTime) = 250;
  s->A(slot, FieldA::MagicTime) = 3;
  s->A(slot, FieldA::AmoebaTime) = 2;
  s->A(slot, FieldA::AmoebaSlow) = 255;
  s->A(slot, FieldA::AmoebaFast) = 4;
  s->A(slot, FieldA::AmoebaMax) = 250;
  s->B(slot, FieldB::MagicStopsAmoeba) = 1;  // the wall wakes early; the amoeba must go on
  Use(*s);
  const DemoOutcome rec = Record(". .6 D4 R12 r2 L3 D8 R9 U2 l1 .30 D2 R15 .60 U");
  EXPECT_EQ(rec.Why, DemoEnd::Stopped);
  const CaveSet& stored = GameProbe::Set(game());
  ASSERT_NE(stored.MagicExpiryTick(0), 0xFFFF);
  ASSERT_NE(stored.AmoebaExpiryTick(0), 0xFFFF);
  EXPECT_GT(rec.Diamonds, 0);
  for (int speed : {14, 0, 5, 32}) {
    SCOPED_TRACE(speed);
    GameProbe::Config(game()).Speed = speed;
    const DemoOutcome play = PlayStoredDemo(runner(), 0);
    EXPECT_EQ(play.Why, DemoEnd::Length);
    EXPECT_EQ(play.Ticks, rec.Ticks);
    EXPECT_EQ(play.Score, rec.Score);
    EXPECT_EQ(play.Diamonds, rec.Diamonds);
    EXPECT_EQ(play.Seed, rec.Seed);
    EXPECT_EQ(play.Cells, rec.Cells);
    runner().Frames(120);
  }
}

}  // namespace
}  // namespace krattle::testing
