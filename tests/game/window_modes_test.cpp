// Full screen, the About box and where dialogs go.

#include <gtest/gtest.h>

#include "game_fixture.h"

namespace krattle::testing {
namespace {

TEST_F(GameTest, FullScreenTwiceGivesBackTheWindowWithItsMenus) {
  std::string why;
  game().Command(MenuCommand::FullScreen);
  EXPECT_TRUE(runner().Window.FullScreen);
  EXPECT_TRUE(game().Menu().MenusHidden);
  // Nothing of the menu bar can be reached now.
  EXPECT_TRUE(MenuBar(game().Menu()).empty());
  EXPECT_EQ(FindMenuItem(game().Menu(), "Zoom", why), MenuCommand::None);
  // Alt+Enter comes back.
  runner().Key(keys::Enter, keys::AltBit);
  EXPECT_FALSE(runner().Window.FullScreen);
  EXPECT_FALSE(game().Menu().MenusHidden);
  EXPECT_EQ(FindMenuItem(game().Menu(), "Zoom", why), MenuCommand::Zoom);
  // Enter alone is no switch.
  runner().Key(keys::Enter);
  EXPECT_FALSE(runner().Window.FullScreen);
}

TEST_F(GameTest, TheAboutBoxNamesTheVersionTheSettingsFileAndItsLinkOpensTheBrowser) {
  runner().Dialogs.FormAnswers.push_back({{FormAction::Click, "HomepageLink", 0, {}}});
  game().Command(MenuCommand::About);
  ASSERT_EQ(runner().Dialogs.FormsShown.size(), 1u);
  const Form& about = runner().Dialogs.FormsShown.back();
  EXPECT_FALSE(about.IsOpen());
  EXPECT_EQ(about.Field("ProgramLabel").Text, "Krattle " KRATTLE_VERSION);
  EXPECT_NE(about.Field("ConfigLabel").Text.find("no file"), std::string::npos);
  EXPECT_EQ(runner().Window.Urls, std::vector<std::string>{Homepage});
  // Close closes it without a browser.
  runner().Dialogs.FormAnswers.push_back({{FormAction::Click, "CloseButton", 0, {}}});
  game().Command(MenuCommand::About);
  EXPECT_EQ(runner().Window.Urls.size(), 1u);
}

TEST(DialogPlace, CentredOnTheMainWindowWithHalvesTruncatedTowardZero) {
  const DialogPlace speed = CentredOn(100, 50, 640, 408, 269, 105);
  EXPECT_EQ(speed.Left, 100 + 185);
  EXPECT_EQ(speed.Top, 50 + 151);
  // Bigger than the window: -5 / 2 is -2, -1 / 2 is 0.
  const DialogPlace big = CentredOn(0, 0, 100, 100, 105, 101);
  EXPECT_EQ(big.Left, -2);
  EXPECT_EQ(big.Top, 0);
}

}  // namespace
}  // namespace krattle::testing
