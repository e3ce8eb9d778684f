#include "render/status_line.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "game/play_clock.h"
#include "render/recording_canvas.h"
#include "support/recording_host.h"
#include "support/test_cave.h"

namespace krattle::testing {
namespace {

char CharOf(int item) {
  if (item >= 1 && item <= 26) return static_cast<char>('A' + item - 1);
  if (item >= 40 && item <= 69) return static_cast<char>('0' + (item - 40) % 10);
  if (item == 38) return '/';
  if (item == 0) return ' ';
  return '?';
}

// The texts of the status band, by the x of their first glyph (glyphs are 16 wide here), and
// the icons by x.
struct StatusPicture {
  std::map<int, std::string> Texts;
  std::map<int, int> Icons;
  int Backgrounds = 0;
  std::map<int, int> DigitSet;  // of the first digit of a text
};

StatusPicture Read(const std::vector<DrawCall>& calls, int sx) {
  StatusPicture p;
  int start = -1000, next = -1000;
  for (const auto& c : calls) {
    if (c.List != ImageListId::Fonts) continue;
    if (c.Item == 71 || c.Item == 72) {
      // A repainted background wipes what was drawn before it.
      p = StatusPicture{};
      p.Backgrounds = 1;
      start = next = -1000;
      continue;
    }
    if (c.Y == 2) {
      p.Icons[c.X - sx] = c.Item;
      continue;
    }
    if (c.X != next) start = c.X - sx;
    p.Texts[start] += CharOf(c.Item);
    if (c.Item >= 40 && c.Item <= 69 && !p.DigitSet.count(start))
      p.DigitSet[start] = (c.Item - 40) / 10;
    next = c.X + 16;
  }
  return p;
}

class StatusTest : public ::testing::Test {
 protected:
  StatusTest() {
    run.Params.Diamonds = 12;
    run.Params.Value = 5;
    run.Params.Bonus = 15;
    run.Params.CaveTime = 150;
    for (auto& s : run.Params.Styles) s = 0;
    run.Values.Score = 4321;
    run.Values.HighScore = 98765;
    run.Values.TimeLeft = 151;
    run.Values.Lives = 3;
    run.State.InBoxCounter = 20;
    status.SetName = "MYSET";
    status.CurrentCave = 2;
    status.CurrentLevel = 3;
  }
  StatusPicture Draw() {
    DrawStatusLine(canvas, view, run, status, {0, 0});
    return Read(canvas.Pending(), view.StatusX);
  }
  ViewState view;
  CaveRun run;
  StatusContext status;
  RecordingCanvas canvas;
};

TEST_F(StatusTest, BeforeBirthShowsLivesAndHighScoreThenTheSetName) {
  run.State.InBoxCounter = 12;
  auto p = Draw();
  EXPECT_EQ(p.Texts[4], "3");
  EXPECT_EQ(p.DigitSet[4], 1);
  EXPECT_EQ(p.Texts[34], "MEN     HIGH SCORE");
  EXPECT_EQ(p.Texts[352], "098765");
  run.Values.Lives = 1;
  EXPECT_EQ(Draw().Texts[34], "MAN     HIGH SCORE");
  run.State.InBoxCounter = 13;
  p = Draw();
  EXPECT_EQ(p.Texts[4], "MYSET");
  EXPECT_EQ(p.Texts[424], "C");
  EXPECT_EQ(p.Texts[444], "/4");
}

TEST_F(StatusTest, IntermissionsAndBigIntermissionsAnnounceTheBonusLife) {
  status.CurrentCave = 17;
  EXPECT_EQ(Draw().Texts[160], "BONUS LIFE");
  status.CurrentCave = 5;
  run.Params.BigIntermission = 255;
  EXPECT_EQ(Draw().Texts[160], "BONUS LIFE");
}

TEST_F(StatusTest, DemosNameThemselvesBeforeBirth) {
  status.DemoPlaying = true;
  EXPECT_EQ(Draw().Texts[4], "PLAYING DEMO");
  status.DemoRecording = true;
  EXPECT_EQ(Draw().Texts[4], "RECORDING DEMO");
  run.State.InBoxCounter = 0;
  EXPECT_EQ(Draw().Texts[4], "RECORDING DEMO");
}

TEST_F(StatusTest, InPlayShowsCountersTimeAndScore) {
  run.State.PlayerBorn = true;
  run.State.DiamondsCollected = 4;
  auto p = Draw();
  EXPECT_EQ(p.Texts[4], "012");
  EXPECT_EQ(p.Texts[100], "05");
  EXPECT_EQ(p.Texts[170], "004");
  EXPECT_EQ(p.DigitSet[170], 1);
  EXPECT_EQ(p.Texts[260], "150");  // the start value, one above the stored time, shows as stored
  EXPECT_EQ(p.DigitSet[260], 2);
  EXPECT_EQ(p.Texts[352], "004321");
  EXPECT_EQ(p.Icons.size(), 1u);
  EXPECT_EQ(p.Icons[74], 83);
  run.Values.ClockTicked = true;
  run.Values.TimeLeft = 149;
  EXPECT_EQ(Draw().Texts[260], "149");
}

// The first clock tick takes the extra unit the cave starts with, whatever a clock added before.
TEST_F(StatusTest, TheTimeDropsItsExtraUnitOnlyUntilTheFirstClockTick) {
  TestCave c;
  c.Paint(5, 5, {"Ec"});
  c.A(FieldA::InBox) = 0;
  c.A(FieldA::CaveTime) = 150;
  c.B(FieldB::ExtraTime) = 101;  // +1
  RecordingHost host;
  c.Start(&host);
  c.Tick(4);
  ASSERT_TRUE(c.Run().State.PlayerBorn);
  auto shown = [&] {
    DrawStatusLine(canvas, view, c.Run(), status, {0, 0});
    return Read(canvas.Pending(), view.StatusX).Texts[260];
  };
  EXPECT_EQ(shown(), "150");
  c.Tick(1, Right());
  ASSERT_EQ(c.Run().Values.TimeLeft, 152);
  EXPECT_EQ(shown(), "151");  // taken before the first tick
  PlayClockTick(c.Run(), host);
  ASSERT_EQ(c.Run().Values.TimeLeft, 151);
  EXPECT_EQ(shown(), "151");  // the start value again, but the clock has ticked

  // A cave that starts again has not ticked.
  c.Start(&host);
  c.Tick(4);
  EXPECT_EQ(shown(), "150");
}

TEST_F(StatusTest, EnoughDiamondsShowThreeIconsAndTheExtraValue) {
  run.State.PlayerBorn = true;
  run.State.DiamondsCollected = 12;
  auto p = Draw();
  EXPECT_FALSE(p.Texts.count(4));
  EXPECT_EQ(p.Texts[100], "15");
  EXPECT_EQ(p.Texts[170], "012");
  EXPECT_EQ(p.Icons.size(), 3u);
  EXPECT_TRUE(p.Icons.count(22) && p.Icons.count(48) && p.Icons.count(74));
  run.State.CarryingBomb = true;
  EXPECT_EQ(Draw().Icons[48], 115);
}

TEST_F(StatusTest, RecordingShowsTheStepsLeft) {
  run.State.PlayerBorn = true;
  status.DemoRecording = true;
  status.DemoIndex = 37;
  auto p = Draw();
  EXPECT_EQ(p.Texts[348], "REC/");
  EXPECT_EQ(p.Texts[414], "563");
  status.DemoRecording = false;
  status.DemoPlaying = true;
  EXPECT_EQ(Draw().Texts[364], "DEMO");
}

TEST_F(StatusTest, FrozenAndFinalPhases) {
  run.Values.GamePhase = gpPause;
  auto p = Draw();
  EXPECT_EQ(p.Texts[246], "PAUSE");
  EXPECT_EQ(p.Texts[352], "004321");
  EXPECT_EQ(p.Icons[74], 83);  // the icon stands in for a Dravik not yet born

  run.Values.GamePhase = gpOutOfTime;
  p = Draw();
  EXPECT_EQ(p.Texts[260], "OUT OF TIME");
  EXPECT_EQ(p.Texts[4], "012");

  run.Values.GamePhase = gpGameOver;
  p = Draw();
  EXPECT_EQ(p.Texts.size(), 1u);
  EXPECT_EQ(p.Texts[160], "GAME OVER");

  run.Values.GamePhase = gpDemoEnd;
  EXPECT_EQ(Draw().Texts[116], "KRATTLE");
}

TEST_F(StatusTest, TheBonusLifeBannerCoversEverything) {
  run.State.PlayerBorn = true;
  run.Values.BonusLifeBanner = 5;
  auto p = Draw();
  EXPECT_EQ(p.Texts.size(), 1u);
  EXPECT_EQ(p.Texts[160], "BONUS LIFE");
  EXPECT_TRUE(p.Icons.empty());
}

}  // namespace
}  // namespace krattle::testing
