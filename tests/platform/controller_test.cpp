// A game controller in the real window layer: SDL's virtual joystick stands in for a device
// plugged in while the game runs.

#include <gtest/gtest.h>

#include <memory>

#include "game/keys.h"
#include "platform/app.h"
#include "support/game_probe.h"

namespace krattle::testing {

class ControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    // The dummy video driver never gives its window the focus, and SDL holds back the pads'
    // events from a window without it.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS), 0);
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) GTEST_SKIP() << SDL_GetError();
  }
  void TearDown() override {
    app_.reset();
    if (device_ >= 0) SDL_JoystickDetachVirtual(device_);
    SDL_Quit();
  }
  bool Steps(int n) {
    for (int k = 0; k < n; ++k)
      if (!app_->Step()) return false;
    return true;
  }
  std::unique_ptr<App> app_;
  int device_ = -1;
};

TEST_F(ControllerTest, APluggedInPadHoldsArrowsAndFireAndItsButtonsAct) {
  app_ = std::make_unique<App>();
  AppOptions options;
  options.ProgramDir = KRATTLE_BIN_DIR;
  ASSERT_EQ(app_->Open(options), 0);
  device_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                      SDL_CONTROLLER_BUTTON_MAX, 0);
  ASSERT_GE(device_, 0) << SDL_GetError();
  SDL_Joystick* joystick = SDL_JoystickOpen(device_);
  ASSERT_NE(joystick, nullptr);
  ASSERT_TRUE(Steps(3));
  if (app_->Controllers().Count() == 0) GTEST_SKIP() << "no controller mapping for the virtual pad";

  Game& game = app_->game();
  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, 1);
  SDL_JoystickUpdate();
  ASSERT_TRUE(Steps(3));
  InputFlags in;
  game.PollInput(in);
  EXPECT_TRUE(in.InputLeft);
  EXPECT_TRUE(in.InputFire);
  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0);
  SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, 0);
  SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, 32767);
  SDL_JoystickUpdate();
  ASSERT_TRUE(Steps(3));
  InputFlags down;
  game.PollInput(down);
  EXPECT_TRUE(down.InputDown);
  EXPECT_FALSE(down.InputLeft);
  EXPECT_FALSE(down.InputFire);
  // Unplugged, it holds nothing any more.
  SDL_JoystickClose(joystick);
  SDL_JoystickDetachVirtual(device_);
  device_ = -1;
  ASSERT_TRUE(Steps(3));
  EXPECT_EQ(app_->Controllers().Count(), 0);
  InputFlags none;
  game.PollInput(none);
  EXPECT_FALSE(none.InputDown);
}

}  // namespace krattle::testing
