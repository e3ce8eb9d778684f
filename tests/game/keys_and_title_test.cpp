#include "game_fixture.h"
#include "support/game_probe.h"

namespace krattle::testing {
namespace {

using KeysTest = GameTest;

InputFlags Poll(Game& g) {
  InputFlags in;
  g.PollInput(in);
  return in;
}

TEST_F(KeysTest, LaterDirectionsWinAndCtrlFires) {
  auto& k = runner().Keys;
  k.Press(keys::Left);
  k.Press(keys::Right);
  InputFlags in = Poll(game());
  EXPECT_TRUE(in.InputRight);
  EXPECT_FALSE(in.InputLeft);
  k.ReleaseAll();
  k.Press(keys::Letter('K'));
  k.Press(keys::Numpad4);
  in = Poll(game());
  EXPECT_TRUE(in.InputLeft);
  EXPECT_FALSE(in.InputUp);
  EXPECT_FALSE(in.InputFire);
  k.ReleaseAll();
  k.Press(keys::Ctrl);
  EXPECT_TRUE(Poll(game()).InputFire);
  // A poll adds; it never clears what an earlier poll set.
  k.ReleaseAll();
  in.InputDown = true;
  game().PollInput(in);
  EXPECT_TRUE(in.InputDown);
}

TEST_F(KeysTest, ATapBetweenTicksIsLostButOneInTheFrameBeforeATickActs) {
  auto set = PlayableSet();
  for (int x = 2; x < 8; ++x) set->MapCell(0, 0, x, 1) = Space;
  Use(*set);
  StartAt(0, 0);
  RunToPlay();
  runner().FramesUntil([&] { return GameProbe::Run(game()).State.PlayerBorn; }, 100);
  runner().FramesUntil([&] { return flow().FrameStep == 3; }, 8);
  const int col = GameProbe::Run(game()).State.DravikColumn;
  auto tapForOneFrame = [&] {
    runner().Keys.Press(keys::Right);
    runner().Frames(1);
    runner().Keys.Release(keys::Right);
  };
  tapForOneFrame();     // the frame with step 3: later frames poll again and clear it
  runner().Frames(11);  // through the next tick, up to the frame with step 7
  EXPECT_EQ(GameProbe::Run(game()).State.DravikColumn, col);
  ASSERT_EQ(flow().FrameStep, 7);
  tapForOneFrame();  // held in the frame before the tick: its last polls survive
  runner().Frames(1);
  EXPECT_EQ(GameProbe::Run(game()).State.DravikColumn, col + 1);
}

TEST_F(KeysTest, TitlePictureFirstGivesWayToThePreview) {
  UsePlayable();
  flow().TitlePicture = true;
  game().KeyDown(keys::Right);
  EXPECT_FALSE(flow().TitlePicture);
  EXPECT_EQ(flow().CurrentCave, 0);
  game().KeyDown(keys::Right);
  EXPECT_EQ(flow().CurrentCave, 1);
  EXPECT_EQ(flow().AttractHold, 5);
  EXPECT_EQ(runner().Sound.Played(21), 1);
}

TEST_F(KeysTest, TitleArrowsPickOnlyPlayableNormalCaves) {
  auto set = PlayableSet();
  MakeUnplayable(*set, 3, 0);
  MakeUnplayable(*set, 2, 1);
  Use(*set);
  flow().CurrentCave = 2;
  game().KeyDown(keys::Right);
  EXPECT_EQ(flow().CurrentCave, 2);  // D is not playable
  game().KeyDown(keys::Down);
  EXPECT_EQ(flow().CurrentLevel, 0);  // nor C at level 2
  game().KeyDown(keys::Left);
  game().KeyDown(keys::Down);
  EXPECT_EQ(flow().CurrentCave, 1);
  EXPECT_EQ(flow().CurrentLevel, 1);
  game().KeyDown(keys::Up);
  EXPECT_EQ(flow().CurrentLevel, 0);
  game().KeyDown(keys::Up);
  EXPECT_EQ(flow().CurrentLevel, 0);
  flow().CurrentCave = 15;
  game().KeyDown(keys::Right);
  EXPECT_EQ(flow().CurrentCave, 15);  // never an intermission
}

TEST_F(KeysTest, AHeldArrowWalksThroughTheCavesButOtherRepeatsDoNothing) {
  UsePlayable();
  flow().TitlePicture = false;
  for (int k = 0; k < 3; ++k) game().KeyDown(keys::Right, 0, true);
  EXPECT_EQ(flow().CurrentCave, 3);
  game().KeyDown(keys::Down, 0, true);
  EXPECT_EQ(flow().CurrentLevel, 1);
  game().KeyDown(keys::Space, 0, true);  // a held Space does not start a game
  EXPECT_EQ(flow().ScreenMode, smTitle);
  game().KeyDown(keys::Space);
  RunToPlay();
  game().KeyDown(keys::Letter('P'));
  ASSERT_EQ(phase(), gpPause);
  game().KeyDown(keys::Letter('P'), 0, true);  // holding P keeps the pause
  game().KeyDown(keys::Escape, 0, true);
  EXPECT_EQ(phase(), gpPause);
  EXPECT_EQ(values().Lives, 3);
}

TEST_F(KeysTest, SpaceOrCtrlOnThePreviewStartsTheGame) {
  UsePlayable();
  game().KeyDown(keys::Ctrl);
  EXPECT_EQ(flow().ScreenMode, smGame);
  EXPECT_EQ(phase(), gpCover);
  EXPECT_EQ(values().Lives, 3);
}

TEST_F(KeysTest, TitleKeysNeedACaveSet) {
  game().KeyDown(keys::Space);
  EXPECT_EQ(flow().ScreenMode, smTitle);
  runner().Frames(1);
  EXPECT_EQ(runner().Recorder.LastFrame().back().Item, 322);  // still the title picture
}

TEST_F(KeysTest, MuteClicksEvenWhenTurningTheSoundOff) {
  game().KeyDown(keys::Letter('M'));
  EXPECT_TRUE(GameProbe::Config(game()).Muted);
  EXPECT_TRUE(game().Menu().MuteChecked);
  EXPECT_EQ(runner().Sound.Played(21), 1);
  EXPECT_EQ(flow().AttractCountdown, 10);
  game().PlaySound(8);
  EXPECT_EQ(runner().Sound.Played(8), 0);
  game().KeyDown(keys::Letter('M'));
  EXPECT_FALSE(GameProbe::Config(game()).Muted);
  EXPECT_EQ(runner().Sound.Played(21), 2);
}

TEST_F(KeysTest, LOpensTheLoadDialogInTheLevelsFolderAndLoadsTheChosenSet) {
  auto dir = TempDir("load");
  auto set = PlayableSet();
  set->SavedCave() = 9;
  set->SavedLevel() = 2;
  set->SavedLives() = 5;
  ASSERT_TRUE(SaveCaveSet(dir / "Mine.kcv", *set).Ok());
  runner().Dialogs.Files.push_back(dir / "Mine.kcv");
  game().KeyDown(keys::Letter('L'));
  ASSERT_EQ(runner().Dialogs.OpenedIn.size(), 1u);
  EXPECT_EQ(runner().Dialogs.OpenedIn[0].filename(), "Levels");
  EXPECT_EQ(runner().Dialogs.FileTitles[0], "Open cave set");
  EXPECT_TRUE(flow().CaveSetLoaded);
  EXPECT_EQ(game().SetName(), "Mine");
  EXPECT_EQ(flow().CurrentCave, 9);
  EXPECT_EQ(values().Lives, 5);
  EXPECT_TRUE(game().Menu().StartEnabled);

  // A file of the wrong size is not opened; the set stays, and the user hears why.
  std::filesystem::resize_file(dir / "Mine.kcv", 1000);
  runner().Dialogs.Files.push_back(dir / "Mine.kcv");
  game().KeyDown(keys::Letter('L'));
  EXPECT_EQ(game().SetName(), "Mine");
  EXPECT_TRUE(flow().CaveSetLoaded);
  ASSERT_EQ(runner().Dialogs.Shown.size(), 1u);
  EXPECT_NE(runner().Dialogs.Shown[0].find("Cannot open the cave set"), std::string::npos);
}

TEST_F(KeysTest, AltEnterSwitchesFullScreen) {
  game().KeyDown(keys::Enter);
  EXPECT_FALSE(runner().Window.FullScreen);
  game().KeyDown(keys::Enter, keys::AltBit);
  EXPECT_TRUE(runner().Window.FullScreen);
}

TEST_F(KeysTest, FireAfterDeathContinuesWithALifeLess) {
  UsePlayable();
  StartAt(0, 0);
  RunToPlay();
  runner().FramesUntil([&] { return GameProbe::Run(game()).State.PlayerBorn; }, 100);
  // Dravik vanishes; the cave keeps running until fire is pressed.
  for (auto& c : GameProbe::Run(game()).Grid.Cells)
    if (IsDravik(c)) c = Space;
  runner().Frames(16);
  EXPECT_FALSE(GameProbe::Run(game()).State.PlayerInPlay);
  EXPECT_EQ(phase(), gpPlay);
  game().KeyDown(keys::Letter('Z'));  // fire for the engine, but no command
  EXPECT_EQ(phase(), gpPlay);
  game().KeyDown(keys::Space);
  EXPECT_EQ(values().Lives, 2);
  EXPECT_EQ(phase(), gpCover);
}

}  // namespace
}  // namespace krattle::testing
