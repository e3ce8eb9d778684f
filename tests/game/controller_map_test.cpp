// Game controllers read as the keyboard: held directions and fire, and the key-downs that
// presses and a leaning stick send.

#include "game/controller_map.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "game/keys.h"

namespace krattle::testing {

namespace {
bool Holds(const PadState& p, int key) {
  const auto held = PadHeldKeys(p);
  return std::find(held.begin(), held.end(), key) != held.end();
}
}  // namespace

TEST(ControllerMap, DpadAndStickHoldTheArrowsAndSouthHoldsFire) {
  PadState p;
  EXPECT_TRUE(PadHeldKeys(p).empty());
  p.Buttons[static_cast<int>(PadButton::Left)] = true;
  p.Buttons[static_cast<int>(PadButton::South)] = true;
  EXPECT_TRUE(Holds(p, keys::Left));
  EXPECT_TRUE(Holds(p, keys::Ctrl));
  PadState stick;
  stick.StickY = StickDeadZone + 1;
  stick.StickX = -StickDeadZone;  // at the edge of the dead zone: not yet
  EXPECT_TRUE(Holds(stick, keys::Down));
  EXPECT_FALSE(Holds(stick, keys::Left));
  stick.StickX = -32768;
  EXPECT_TRUE(Holds(stick, keys::Left));
  EXPECT_FALSE(Holds(stick, keys::Up));
  EXPECT_FALSE(Holds(stick, keys::Right));
}

TEST(ControllerMap, PressesSendTheKeysTheGameKnows) {
  EXPECT_EQ(PadButtonKey(PadButton::South), keys::Ctrl);
  EXPECT_EQ(PadButtonKey(PadButton::Start), keys::Letter('P'));
  EXPECT_EQ(PadButtonKey(PadButton::Back), keys::Escape);
  EXPECT_EQ(PadButtonKey(PadButton::Up), keys::Up);
}

TEST(ControllerMap, AStickSendsAKeyDownOnlyWhenItStartsToLean) {
  PadState a, b;
  b.StickX = 30000;
  EXPECT_EQ(StickKeyDowns(a, b), std::vector<int>{keys::Right});
  PadState c = b;
  c.StickX = 31000;
  EXPECT_TRUE(StickKeyDowns(b, c).empty());
  PadState d;
  d.StickX = -30000;
  d.StickY = -30000;
  EXPECT_EQ(StickKeyDowns(b, d), (std::vector<int>{keys::Up, keys::Left}));
}

}  // namespace krattle::testing
