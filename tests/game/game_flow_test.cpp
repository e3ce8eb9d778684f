#include "game_fixture.h"

namespace krattle::testing {
namespace {

using FlowTest = GameTest;

TEST_F(FlowTest, CaveStartCoversRevealsAndPlaysAfterEightyFramesEach) {
  UsePlayable();
  StartAt(2, 1);
  EXPECT_EQ(flow().ScreenMode, smGame);
  EXPECT_EQ(phase(), gpCover);
  EXPECT_EQ(flow().NextCaveDelay, 88);
  EXPECT_EQ(runner().Sound.Played(16), 1);
  runner().Frames(79);
  EXPECT_EQ(phase(), gpCover);
  runner().Frames(1);
  EXPECT_EQ(phase(), gpUncover);
  // The whole grid is covered when the reveal begins, and the start sound plays again.
  for (Element c : game().Run().Grid.Cells) ASSERT_EQ(c, Cover);
  EXPECT_EQ(runner().Sound.Played(16), 2);
  runner().Frames(79);
  EXPECT_EQ(phase(), gpUncover);
  runner().Frames(1);
  EXPECT_EQ(phase(), gpPlay);
  EXPECT_EQ(game().Run().Grid.Cells[41], Entrance);
}

TEST_F(FlowTest, IntermissionRevealFillsTheRowsBelowWithSteel) {
  UsePlayable();
  StartAt(16, 0);
  RunToPlay();
  const CaveGrid& g = game().Run().Grid;
  EXPECT_EQ(g.CaveWidth, 20);
  EXPECT_EQ(g.Cells[21], Entrance);
  for (int i = 240; i < 440; ++i) ASSERT_EQ(g.Cells[i], SteelWall) << i;
}

TEST_F(FlowTest, PauseFreezesAndOnlyPlayAndPauseReactToP) {
  UsePlayable();
  StartAt(0, 0);
  game().KeyDown(keys::Letter('P'));
  EXPECT_EQ(phase(), gpCover);
  RunToPlay();
  runner().Frames(3);
  const int step = flow().FrameStep;
  game().KeyDown(keys::Letter('P'));
  EXPECT_EQ(phase(), gpPause);
  const auto grid = game().Run().Grid.Cells;
  runner().Frames(40);
  EXPECT_EQ(game().Run().Grid.Cells, grid);
  game().KeyDown(keys::Letter('P'));
  EXPECT_EQ(phase(), gpPlay);
  EXPECT_EQ(flow().FrameStep, step);
}

TEST_F(FlowTest, OutOfTimeThenFireCostsALife) {
  UsePlayable();
  StartAt(0, 0);
  RunToPlay();
  values().TimeLeft = 0;
  runner().Frames(1);
  EXPECT_EQ(phase(), gpOutOfTime);
  runner().Frames(1);
  EXPECT_FALSE(game().Run().State.PlayerInPlay);
  game().KeyDown(keys::Space);
  EXPECT_EQ(values().Lives, 2);
  EXPECT_EQ(phase(), gpCover);
  EXPECT_EQ(flow().CurrentCave, 0);
}

TEST_F(FlowTest, EscapeWithSeveralLivesRestartsTheCaveWithOneLess) {
  UsePlayable();
  StartAt(5, 0);
  RunToPlay();
  game().KeyDown(keys::Escape);
  EXPECT_EQ(values().Lives, 2);
  EXPECT_EQ(phase(), gpCover);
  EXPECT_EQ(flow().CurrentCave, 5);
}

TEST_F(FlowTest, EscapeWithTheLastLifeEndsTheGameAndReturnsToTheTitle) {
  auto dir = TempDir("gameover");
  ASSERT_TRUE(SaveCaveSet(dir / "g.kcv", *PlayableSet()).Ok());
  ASSERT_TRUE(game().LoadCaveSet(dir / "g.kcv"));
  StartAt(5, 2);
  RunToPlay();
  values().Lives = 1;
  values().Score = 1234;
  game().KeyDown(keys::Escape);
  EXPECT_EQ(phase(), gpGameOver);
  EXPECT_EQ(values().Lives, 0);
  EXPECT_EQ(values().Score, 0);
  EXPECT_EQ(flow().PendingHighScore, 1234);
  EXPECT_EQ(game().Set().SavedLives(), 0);
  runner().Frames(99);
  EXPECT_EQ(flow().ScreenMode, smGame);
  runner().Frames(1);
  EXPECT_EQ(flow().ScreenMode, smTitle);
  // The preview shows where the game ended; Start there is a new game.
  EXPECT_EQ(flow().CurrentCave, 5);
  EXPECT_EQ(flow().CurrentLevel, 2);
  game().Start();
  EXPECT_EQ(values().Lives, 3);
  EXPECT_EQ(values().Score, 0);
}

TEST_F(FlowTest, EscapeInAnIntermissionSkipsToTheNextCaveForFree) {
  UsePlayable();
  StartAt(16, 0);
  RunToPlay();
  values().Lives = 1;
  game().KeyDown(keys::Escape);
  EXPECT_EQ(phase(), gpNextCave);
  runner().Frames(1);
  EXPECT_EQ(flow().CurrentCave, 4);
  EXPECT_EQ(phase(), gpCover);
  EXPECT_EQ(values().Lives, 1);
}

TEST_F(FlowTest, BigIntermissionIsSkippedLikeAnIntermission) {
  auto set = PlayableSet();
  set->B(SlotOf(6, 0), FieldB::BigIntermission) = 255;
  Use(*set);
  StartAt(6, 0);
  RunToPlay();
  values().Lives = 1;
  game().KeyDown(keys::Escape);
  EXPECT_EQ(phase(), gpNextCave);
}

TEST_F(FlowTest, StopWithOneLifeIsGameOver) {
  UsePlayable();
  StartAt(0, 0);
  RunToPlay();
  values().Lives = 1;
  game().Stop();
  EXPECT_EQ(phase(), gpGameOver);
}

TEST_F(FlowTest, StopWithSeveralLivesReturnsToTheTitleAndStartContinues) {
  auto dir = TempDir("stop");
  auto set = PlayableSet();
  set->SavedCave() = 3;
  set->SavedLives() = 3;
  set->SetSavedScore(700);  // scored in earlier caves
  ASSERT_TRUE(SaveCaveSet(dir / "s.kcv", *set).Ok());
  ASSERT_TRUE(game().LoadCaveSet(dir / "s.kcv"));
  game().Start();
  RunToPlay();
  values().Score = 760;
  game().Stop();
  EXPECT_EQ(flow().ScreenMode, smTitle);
  EXPECT_EQ(values().Lives, 2);
  EXPECT_EQ(values().Score, 700);
  EXPECT_EQ(runner().Sound.Played(21), 1);
  game().Start();
  EXPECT_EQ(flow().ScreenMode, smGame);
  EXPECT_EQ(values().Lives, 2);
  EXPECT_EQ(values().Score, 700);
  EXPECT_EQ(values().NextBonusScore, 1000);
}

TEST_F(FlowTest, NSkipsToTheNextCaveAsAFreshGame) {
  UsePlayable();
  StartAt(3, 0);
  RunToPlay();
  values().Score = 300;
  values().Lives = 5;
  game().KeyDown(keys::Letter('N'));
  EXPECT_EQ(phase(), gpNextCave);
  runner().Frames(1);
  EXPECT_EQ(flow().CurrentCave, 16);  // after D comes the first intermission
  EXPECT_EQ(values().Score, 0);
  EXPECT_EQ(values().Lives, 3);
  EXPECT_EQ(values().NextBonusScore, 500);
}

TEST(CaveOrder, IntermissionsFollowEveryFourthCaveAndTStepsTheLevel) {
  std::uint8_t cave = 0, level = 4;
  std::string order;
  for (int k = 0; k < 20; ++k) {
    order += static_cast<char>('A' + cave);
    NextCaveInOrder(cave, level, true);
  }
  EXPECT_EQ(order, "ABCDQEFGHRIJKLSMNOPT");
  EXPECT_EQ(cave, 0);
  EXPECT_EQ(level, 0);  // after level 5 comes level 1
  cave = 19, level = 2;
  NextCaveInOrder(cave, level, false);
  EXPECT_EQ(level, 2);
}

TEST_F(FlowTest, UnplayableCavesAreSkippedAndAnEmptySetStopsAtTheFirstCave) {
  auto set = PlayableSet();
  MakeUnplayable(*set, 1, 0);
  MakeUnplayable(*set, 2, 0);
  Use(*set);
  StartAt(0, 0);
  RunToPlay();
  game().KeyDown(keys::Letter('N'));
  runner().Frames(1);
  EXPECT_EQ(flow().CurrentCave, 3);

  auto none = std::make_unique<CaveSet>(NewCaveSet());
  Use(*none);
  flow().CurrentCave = 7;
  flow().CurrentLevel = 3;
  values().GamePhase = gpNextCave;
  flow().ScreenMode = smGame;
  flow().NextCaveDelay = 1;
  runner().Frames(1);
  EXPECT_EQ(flow().CurrentCave, 0);
  EXPECT_EQ(flow().CurrentLevel, 0);
  EXPECT_EQ(phase(), gpCover);  // started anyway
}

TEST_F(FlowTest, TimeBonusCountsDownScoresByLevelAndGivesALifeAtFiveHundred) {
  UsePlayable();
  StartAt(0, 2);
  RunToPlay();
  values().GamePhase = gpTimeBonus;
  values().TimeLeft = 52;
  values().Score = 400;
  values().NextBonusScore = 500;
  values().Lives = 3;
  runner().Sound.Calls.clear();
  runner().Frames(1);
  EXPECT_EQ(values().TimeLeft, 51);
  EXPECT_EQ(values().Score, 403);
  EXPECT_EQ(runner().Sound.Played(18), 0);
  runner().Frames(1);
  EXPECT_EQ(runner().Sound.Played(18), 1);  // passing from 51 to 50
  runner().Frames(32);                      // 34 units: 400 + 102 crosses 500
  EXPECT_EQ(values().Score, 502);
  EXPECT_EQ(values().Lives, 4);
  EXPECT_EQ(values().NextBonusScore, 1000);
  EXPECT_EQ(runner().Sound.Played(17), 1);
  EXPECT_EQ(values().BonusLifeBanner, 0);
  EXPECT_EQ(values().HighScore, 502);
  EXPECT_EQ(game().Set().BestScore(), 502u);
  runner().FramesUntil([&] { return values().TimeLeft == 0; }, 100);
  EXPECT_EQ(runner().Sound.Calls.back(), (SoundCall{SoundCall::Stop, 19}));
  runner().Frames(1);
  EXPECT_EQ(phase(), gpNextCave);
  EXPECT_EQ(values().Lives, 4);  // a normal cave gives no life at its end
  runner().Frames(87);
  EXPECT_EQ(phase(), gpNextCave);
  runner().Frames(1);
  EXPECT_EQ(phase(), gpCover);
  EXPECT_EQ(flow().CurrentCave, 1);
}

TEST_F(FlowTest, AnIntermissionGivesALifeAtItsEndButNeverAboveNine) {
  UsePlayable();
  StartAt(17, 0);
  RunToPlay();
  values().GamePhase = gpTimeBonus;
  values().TimeLeft = 0;
  values().Lives = 4;
  runner().Frames(1);
  EXPECT_EQ(values().Lives, 5);
  StartAt(17, 0);
  RunToPlay();
  values().GamePhase = gpTimeBonus;
  values().TimeLeft = 0;
  values().Lives = 9;
  runner().Frames(1);
  EXPECT_EQ(values().Lives, 9);
}

TEST_F(FlowTest, CompletingACaveByWalkingIntoTheExit) {
  auto set = PlayableSet();
  set->MapCell(0, 0, 2, 1) = ExitOpen;
  Use(*set);
  StartAt(0, 0);
  RunToPlay();
  runner().Keys.Press(keys::Right);
  runner().FramesUntil([&] { return phase() != gpPlay; }, 400);
  EXPECT_EQ(phase(), gpTimeBonus);
  EXPECT_EQ(runner().Sound.Played(19), 1);
}

TEST_F(FlowTest, CaveStartWritesThePositionAndAFreshProgramRestoresIt) {
  auto dir = TempDir("saved");
  auto set = PlayableSet();
  ASSERT_TRUE(SaveCaveSet(dir / "game.kcv", *set).Ok());
  ASSERT_TRUE(game().LoadCaveSet(dir / "game.kcv"));
  StartAt(6, 3);
  values().Lives = 4;
  values().Score = 1730;
  game().StartCave();
  auto onDisk = std::make_unique<CaveSet>();
  ASSERT_TRUE(ReadCaveSet(dir / "game.kcv", *onDisk).Ok());
  EXPECT_EQ(onDisk->SavedCave(), 6);
  EXPECT_EQ(onDisk->SavedLevel(), 3);
  EXPECT_EQ(onDisk->SavedLives(), 4);
  EXPECT_EQ(onDisk->SavedScore(), 1730u);

  StartupOptions options;
  options.Args = {(dir / "game.kcv").string()};
  HeadlessRunner fresh(options);
  ASSERT_TRUE(fresh.Started());
  Game& g = fresh.game();
  EXPECT_FALSE(g.Flow().TitlePicture);
  EXPECT_EQ(g.SetName(), "game");
  EXPECT_EQ(g.Flow().CurrentCave, 6);
  EXPECT_EQ(g.Flow().CurrentLevel, 3);
  EXPECT_EQ(g.Run().Values.Lives, 4);
  EXPECT_EQ(g.Run().Values.Score, 1730);
  EXPECT_EQ(g.Run().Values.NextBonusScore, 2000);
  g.Start();  // the saved cave: the game continues
  EXPECT_EQ(g.Run().Values.Lives, 4);
}

TEST_F(FlowTest, AnUnwritableSetFileDoesNotStopTheGame) {
  auto set = PlayableSet();
  Use(*set, "/nonexistent-folder/x.kcv");
  StartAt(0, 0);
  EXPECT_EQ(phase(), gpCover);
  EXPECT_EQ(game().Set().SavedLives(), 3);  // kept in memory
}

// An installed set the player may not write: the first lost save is reported, naming the file.
TEST_F(FlowTest, AReadOnlySetFileIsReportedOnceAndTheGameGoesOn) {
  namespace fs = std::filesystem;
  const auto dir = TempDir("readonly_set");
  const fs::path file = dir / "Installed.kcv", other = dir / "Other.kcv";
  for (const auto& f : {file, other}) {
    ASSERT_TRUE(SaveCaveSet(f, *PlayableSet()).Ok());
    fs::permissions(f, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  }
  auto failures = [&] {
    std::vector<std::string> out;
    for (const auto& s : runner().Dialogs.Shown)
      if (s.find("cannot be saved") != std::string::npos) out.push_back(s);
    return out;
  };
  ASSERT_TRUE(game().LoadCaveSet(file));
  StartAt(0, 0);
  ASSERT_EQ(failures().size(), 1u);
  EXPECT_NE(failures()[0].find("\"" + file.native() + "\" is read-only"), std::string::npos)
      << failures()[0];
  EXPECT_EQ(phase(), gpCover);
  EXPECT_EQ(game().Set().SavedLives(), 3);

  // A game over with a high score fails to save too, without a second message.
  RunToPlay();
  values().Lives = 1;
  values().Score = 5000;
  runner().Dialogs.Typed.push_back("ME");
  game().KeyDown(keys::Escape);
  EXPECT_EQ(game().HighScores()[0].Name, "ME");
  EXPECT_EQ(failures().size(), 1u);

  // Once a save has worked, the next failure is news again.
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
  StartAt(0, 0);
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove);
  StartAt(1, 0);
  EXPECT_EQ(failures().size(), 2u);
  // And so is the first failure of another set.
  ASSERT_TRUE(game().LoadCaveSet(other));
  StartAt(0, 0);
  ASSERT_EQ(failures().size(), 3u);
  EXPECT_NE(failures()[2].find("Other.kcv"), std::string::npos);
  fs::remove_all(dir);
}

TEST_F(FlowTest, RestoredPositionsSkipIntermissionsAndMapEndedGamesToTheNextCave) {
  auto set = PlayableSet();
  set->SavedCave() = 17;
  set->SavedLevel() = 1;
  set->SavedLives() = 2;
  set->SetSavedScore(499);
  Use(*set);
  EXPECT_EQ(flow().CurrentCave, 8);
  EXPECT_EQ(values().NextBonusScore, 500);

  set->SavedLives() = 0;
  set->SavedCave() = 19;
  set->SavedLevel() = 2;
  Use(*set);
  EXPECT_EQ(flow().CurrentCave, 0);
  EXPECT_EQ(flow().CurrentLevel, 3);
  EXPECT_EQ(values().Lives, 0);

  // A position no cave set of ours could hold starts at the beginning.
  set->SavedCave() = 77;
  set->SavedLevel() = 9;
  Use(*set);
  EXPECT_EQ(flow().CurrentCave, 0);
  EXPECT_EQ(flow().CurrentLevel, 0);
}

TEST_F(FlowTest, StartDuringPlayOfTheSavedCaveKeepsWhatWasScored) {
  auto dir = TempDir("restart");
  ASSERT_TRUE(SaveCaveSet(dir / "r.kcv", *PlayableSet()).Ok());
  ASSERT_TRUE(game().LoadCaveSet(dir / "r.kcv"));
  StartAt(2, 0);
  RunToPlay();
  values().Score = 45;
  game().Start();
  EXPECT_EQ(phase(), gpCover);
  EXPECT_EQ(values().Score, 45);
  EXPECT_EQ(values().Lives, 3);
}

}  // namespace
}  // namespace krattle::testing
