// The speed dialog: the bar sets the frame interval as it moves; S opens it and S closes it.

#include <gtest/gtest.h>

#include "game_fixture.h"

namespace krattle::testing {
namespace {

FormAction Set(int v) {
  return {FormAction::Set, "TrackBar_Speed", v, {}};
}
FormAction Press(char c) {
  return {FormAction::Key, {}, keys::Letter(c), {}};
}
FormAction CloseButton() {
  return {FormAction::Click, "BGameSpeedClose", 0, {}};
}

class SpeedDialogTest : public GameTest {
 protected:
  // Shows the dialog with these answers and keeps what the bar's moves did on the way.
  void Show(std::vector<FormAction> actions) {
    runner().Dialogs.FormAnswers.push_back(std::move(actions));
    game().Command(MenuCommand::Speed);
  }
  const Form& Shown() { return runner().Dialogs.FormsShown.back(); }
};

TEST_F(SpeedDialogTest, EveryMoveOfTheBarSetsTheIntervalAndTheClockFollowsAtOnce) {
  UsePlayable();
  StartAt(0, 0);
  RunToPlay();
  Show({Set(3), Set(30), CloseButton()});
  EXPECT_EQ(game().Config().Speed, 30);
  EXPECT_FALSE(Shown().IsOpen());
  EXPECT_EQ(Shown().Caption, "Game speed");
  // Frames are now 30 ms of virtual time apart, from the one already due on.
  runner().Frames(1);
  const long before = runner().NowMs();
  runner().Frames(10);
  EXPECT_EQ(runner().NowMs() - before, 300);
  EXPECT_EQ(phase(), gpPlay);  // the game goes on where it was
}

TEST_F(SpeedDialogTest, TheBarStaysWithinItsRangeAndAnIntervalBeyondItWaitsForTheFirstMove) {
  game().SetSpeed(60);
  Show({CloseButton()});
  EXPECT_EQ(game().Config().Speed, 60);  // shown, not moved: kept
  EXPECT_EQ(Shown().Field("TrackBar_Speed").Value, 60);
  Show({Set(99), CloseButton()});
  EXPECT_EQ(game().Config().Speed, 32);
  Show({Set(-5), CloseButton()});
  EXPECT_EQ(game().Config().Speed, 0);
}

TEST_F(SpeedDialogTest, SOpensItAndSClosesItWithAClick) {
  runner().Dialogs.FormAnswers.push_back({Set(20), Press('S')});
  runner().Key(keys::Letter('S'));
  ASSERT_EQ(runner().Dialogs.FormsShown.size(), 1u);
  EXPECT_EQ(Shown().Id, "TGameSpeedForm");
  EXPECT_FALSE(Shown().IsOpen());
  EXPECT_EQ(game().Config().Speed, 20);
  // One click for the key that opened it, one for the key that closed it.
  EXPECT_EQ(runner().Sound.Played(waves::Click), 2);
  // Other keys do nothing to it.
  Show({Press('Q'), CloseButton()});
  EXPECT_EQ(runner().Dialogs.FormsShown.size(), 2u);
}

TEST_F(SpeedDialogTest, MutedTheClosingKeyIsSilent) {
  game().ToggleMute();
  Show({Press('S')});
  EXPECT_EQ(runner().Sound.Played(waves::Click), 0);
  EXPECT_FALSE(Shown().IsOpen());
}

}  // namespace
}  // namespace krattle::testing
