#include "game_fixture.h"
#include "support/game_probe.h"

namespace krattle::testing {
namespace {

TEST(KeyScript, ParsesDownsHoldsReleasesAndModifiers) {
  const KeyScript s = ParseKeyScript("30:-Right 10:Space  20:+Right 40:Alt+Enter 50:Shift+d");
  ASSERT_TRUE(s.Error.empty()) << s.Error;
  ASSERT_EQ(s.Actions.size(), 5u);
  EXPECT_EQ(s.Actions[0].Frame, 10);
  EXPECT_EQ(s.Actions[0].Key, keys::Space);
  EXPECT_EQ(s.Actions[1].What, KeyAction::Hold);
  EXPECT_EQ(s.Actions[2].What, KeyAction::Release);
  EXPECT_EQ(s.Actions[2].Key, keys::Right);
  EXPECT_EQ(s.Actions[3].Shift, keys::AltBit);
  EXPECT_EQ(s.Actions[4].Key, 'D');
  EXPECT_EQ(s.Actions[4].Shift, keys::ShiftBit);
}

TEST(KeyScript, RejectsWhatItCannotRead) {
  EXPECT_FALSE(ParseKeyScript("Space").Error.empty());
  EXPECT_FALSE(ParseKeyScript("x:Space").Error.empty());
  EXPECT_FALSE(ParseKeyScript("10:Banana").Error.empty());
  EXPECT_TRUE(ParseKeyScript("10:Banana").Actions.empty());
  EXPECT_TRUE(ParseKeyScript("").Error.empty());
}

TEST(HeadlessRunner, TheClockTicksEvery1250MsOfFrameTime) {
  StartupOptions o;
  o.Speed = 25;
  HeadlessRunner r(o);
  GameProbe::Flow(r.game()).AttractCountdown = 200;
  r.Frames(50);  // 0..1225 ms
  EXPECT_EQ(GameProbe::Flow(r.game()).AttractCountdown, 200);
  r.Frames(1);  // the frame at 1250 ms comes after its tick
  EXPECT_EQ(GameProbe::Flow(r.game()).AttractCountdown, 199);
  r.Frames(100);
  EXPECT_EQ(GameProbe::Flow(r.game()).AttractCountdown, 197);
  EXPECT_EQ(r.NowMs(), 151 * 25);
}

TEST(HeadlessRunner, AScriptPlaysAWholeGameStartToTitle) {
  HeadlessRunner r;
  r.game().UseCaveSet(*PlayableSet());
  r.SetScript(ParseKeyScript("5:Space 200:Escape 400:Escape 600:Escape").Actions);
  r.FramesUntil([&] { return GameProbe::Run(r.game()).Values.GamePhase == gpGameOver; }, 700);
  EXPECT_EQ(GameProbe::Run(r.game()).Values.GamePhase, gpGameOver);
  r.Frames(100);
  EXPECT_EQ(GameProbe::Flow(r.game()).ScreenMode, smTitle);
  EXPECT_EQ(r.Recorder.FramesPresented(), static_cast<int>(r.FrameCount()));
}

}  // namespace
}  // namespace krattle::testing
