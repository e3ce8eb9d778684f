#include "game_fixture.h"
#include "render/title_screen.h"
#include "support/game_probe.h"

namespace krattle::testing {
namespace {

using ClockTest = GameTest;

TEST_F(ClockTest, CaveTimeCountsOnlyInPlayOnceDravikIsBorn) {
  UsePlayable();
  StartAt(0, 0);
  const int start = values().TimeLeft;
  game().ClockTick();
  EXPECT_EQ(values().TimeLeft, start);  // still covering
  RunToPlay();
  game().ClockTick();
  EXPECT_EQ(values().TimeLeft, start);  // not born yet
  runner().FramesUntil([&] { return GameProbe::Run(game()).State.PlayerBorn; }, 100);
  EXPECT_FALSE(values().ClockTicked);
  game().ClockTick();
  EXPECT_EQ(values().TimeLeft, start - 1);
  EXPECT_TRUE(values().ClockTicked);
  values().TimeLeft = 11;
  game().ClockTick();
  EXPECT_EQ(runner().Sound.Played(23), 1);
  game().KeyDown(keys::Letter('P'));
  game().ClockTick();
  EXPECT_EQ(values().TimeLeft, 10);
  // Losing a life starts the cave again, its clock not yet ticked.
  game().KeyDown(keys::Letter('P'));
  game().KeyDown(keys::Escape);
  ASSERT_EQ(phase(), gpCover);
  EXPECT_EQ(values().TimeLeft, start);
  EXPECT_FALSE(values().ClockTicked);
}

TEST_F(ClockTest, HighScoresAndPictureAlternateEveryFiveTicks) {
  UsePlayable();
  flow().AttractCountdown = 12;
  std::string seen;
  for (int k = 0; k < 12; ++k) {
    game().ClockTick();
    seen += flow().ShowHighScores ? '1' : '0';
  }
  // Flips on the ticks that find the countdown at 10 and at 5 (and 0 restarts it).
  EXPECT_EQ(seen.substr(0, 8), "00111110");
}

TEST_F(ClockTest, WithoutMusicTheTitleWaitsTenTicksAndStartsOver) {
  EXPECT_FALSE(GameProbe::Config(game()).MusicAvailable);
  EXPECT_EQ(flow().AttractCountdown, 10);
  runner().Frames(1);
  runner().Frames(9 * 1250 / 14 + 5);
  EXPECT_EQ(flow().AttractCountdown, 1);
  runner().Frames(1250 / 14 + 1);
  EXPECT_EQ(flow().AttractCountdown, 10);  // no demos yet: the title screen starts over
}

TEST_F(ClockTest, AnAttractLoopLeavesNoChainBehind) {
  auto set = PlayableSet();
  set->SetDemoPresent(3, true);
  Use(*set);
  for (int k = 0; k < 10; ++k) game().ClockTick();
  EXPECT_TRUE(flow().DemoPlaying);
  runner().FramesUntil([&] { return flow().ScreenMode == smTitle; }, 2000);
  EXPECT_EQ(flow().AttractCountdown, 10);
  EXPECT_FALSE(flow().DemoChain);
  StartAt(0, 0);
  RunToPlay();
  values().Lives = 1;
  game().KeyDown(keys::Escape);
  runner().Frames(100);
  EXPECT_EQ(flow().ScreenMode, smTitle);
}

TEST_F(ClockTest, DeactivationStopsTheClockUntilTheNextFrame) {
  UsePlayable();
  game().OnDeactivate();
  EXPECT_FALSE(game().ClockEnabled());
  game().OnActivate();
  game().PauseForMenu();
  EXPECT_FALSE(game().ClockEnabled());
  runner().Frames(1);
  EXPECT_TRUE(game().ClockEnabled());
}

TEST_F(ClockTest, MutedSoundStillDrawsItsVariants) {
  auto set = PlayableSet();
  for (int x = 5; x < 30; ++x) set->MapCell(0, 0, x, 3) = DiamondStationary;
  for (int x = 5; x < 30; ++x) set->MapCell(0, 0, x, 4) = Space;
  auto run = [&](bool muted) {
    HeadlessRunner r;
    r.game().UseCaveSet(*set);
    GameProbe::Config(r.game()).Muted = muted;
    r.game().Start();
    r.Frames(200);
    return std::make_pair(GameProbe::Run(r.game()).Rng.RandomSeed, r.Sound.Calls);
  };
  const auto loud = run(false);
  const auto quiet = run(true);
  EXPECT_EQ(loud.first, quiet.first);
  int fallSounds = 0;
  for (const auto& c : loud.second)
    if (c.Wave <= 2) ++fallSounds;
  EXPECT_GT(fallSounds, 0);
  for (const auto& c : quiet.second) EXPECT_NE(c.What, SoundCall::Play);
}

TEST(Startup, InvalidSettingsFallBackToDefaults) {
  StartupOptions o;
  o.Speed = 100;
  o.SoundOff = 7;
  o.Zoom = 3;
  HeadlessRunner r(o);
  EXPECT_EQ(GameProbe::Config(r.game()).Speed, 14);
  EXPECT_FALSE(GameProbe::Config(r.game()).Muted);
  EXPECT_EQ(GameProbe::View(r.game()).ZoomMode, 1);
  EXPECT_EQ(r.Window.Width, 640);
  EXPECT_EQ(r.Window.Height, 408);
  EXPECT_FALSE(r.game().Menu().StartEnabled);
  o.Speed = -1;
  o.Zoom = 2;
  o.SoundOff = 1;
  HeadlessRunner big(o);
  EXPECT_EQ(GameProbe::Config(big.game()).Speed, 14);
  EXPECT_TRUE(GameProbe::Config(big.game()).Muted);
  EXPECT_EQ(big.Window.Width, 800);
  EXPECT_EQ(GameProbe::View(big.game()).StatusX, 162);
}

TEST(Startup, MusicLengthSetsTheAttractWait) {
  struct Case {
    long Ms;
    int Ticks;
  };
  for (const Case c : {Case{5000, 10}, Case{30000, 24}, Case{200000, 120}}) {
    HeadlessRunner r;
    r.Music.Opens = true;
    r.Music.Length = c.Ms;
    ASSERT_TRUE(r.game().Creation({}));
    EXPECT_TRUE(GameProbe::Config(r.game()).MusicAvailable);
    EXPECT_EQ(GameProbe::Config(r.game()).MusicTicks, c.Ticks) << c.Ms;
    r.game().OnActivate();
    EXPECT_EQ(GameProbe::Flow(r.game()).AttractCountdown, c.Ticks + 1);
    EXPECT_TRUE(r.Music.Playing);
  }
}

TEST(Startup, AMissingFontSetEndsTheProgramWithTheReason) {
  HeadlessRunner r;
  r.Assets.Broken = {"./fonts/mine.kgf", "./data/Krattle/Fonts.kgf"};
  StartupOptions o;
  o.Paths.Fonts = "fonts/mine.kgf";
  EXPECT_FALSE(r.game().Creation(o));
  EXPECT_TRUE(r.game().QuitRequested());
  ASSERT_EQ(r.Dialogs.Shown.size(), 1u);
  EXPECT_NE(r.Dialogs.Shown[0].find("fonts/mine.kgf"), std::string::npos);
  EXPECT_NE(r.Dialogs.Shown[0].find("Fonts.kgf"), std::string::npos);

  HeadlessRunner fallback;
  fallback.Assets.Broken = {"./fonts/mine.kgf"};
  EXPECT_TRUE(fallback.game().Creation(o));
  EXPECT_EQ(fallback.game().Paths().Fonts, "data/Krattle/Fonts.kgf");
}

TEST_F(ClockTest, ZoomSwitchResizesAndStopsAScroll) {
  GameProbe::View(game()).ScrollStepsX = 20;
  GameProbe::View(game()).ScrollX = -12;
  game().ToggleZoom();
  EXPECT_EQ(GameProbe::View(game()).TileSize, 40);
  EXPECT_EQ(GameProbe::View(game()).StatusX, 162);
  EXPECT_EQ(GameProbe::View(game()).ScrollStepsX, 0);
  EXPECT_EQ(GameProbe::View(game()).ScrollX, -12);
  EXPECT_EQ(runner().Window.Width, 800);
  EXPECT_EQ(runner().Window.Height, 504);
  EXPECT_TRUE(game().Menu().ZoomChecked);
}

TEST_F(ClockTest, PreviewShowsTheMiddleOfTheStoredCaveWithTheTable) {
  auto set = PlayableSet();
  set->MapCell(4, 1, 10, 5) = SteelWall;
  set->MapCell(4, 1, 29, 16) = Clock;
  set->A(SlotOf(4, 1), FieldA::SteelStyle) = 2;
  HighScoreEntry e;
  e.Score = 777;
  e.Name = "ZED";
  set->SetHighScore(1, e);
  Use(*set);
  flow().CurrentCave = 4;
  flow().CurrentLevel = 1;
  flow().ShowHighScores = true;
  runner().Frames(1);
  const auto& calls = runner().Recorder.LastFrame();
  auto has = [&](ImageListId list, int item, int x, int y) {
    for (const auto& c : calls)
      if (c.List == list && c.Item == item && c.X == x && c.Y == y) return true;
    return false;
  };
  EXPECT_TRUE(has(ImageListId::Images, 153 + 16, 0, 24));
  EXPECT_TRUE(has(ImageListId::Images, 1, 19 * 32, 24 + 11 * 32));
  EXPECT_TRUE(has(ImageListId::Images, 324, 0, 0));
  EXPECT_TRUE(has(ImageListId::Fonts, 26, 67, 91));   // Z of the best name
  EXPECT_TRUE(has(ImageListId::Fonts, 50, 447, 91));  // its score in digit set 1
  EXPECT_TRUE(has(ImageListId::Fonts, 1 + 'E' - 'A', 82 + 424, 0));
}

TEST(TitleAnimation, TheWallpaperCreepsUpAndWrapsAfterOneTile) {
  RecordingCanvas c;
  ViewState v;
  for (int k = 0; k < 31; ++k) {
    RenderTitleAnimation(c, v);
    v.AdvanceTitleScroll();
  }
  EXPECT_EQ(v.TitleScroll, 31);
  RenderTitleAnimation(c, v);
  v.AdvanceTitleScroll();
  EXPECT_EQ(v.TitleScroll, 0);
  EXPECT_EQ(c.Pending().back().Item, 322);
  EXPECT_EQ(c.Pending().front().Y, 24 - 32);
}

}  // namespace
}  // namespace krattle::testing
