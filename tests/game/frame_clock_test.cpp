#include "game/frame_clock.h"

#include <gtest/gtest.h>

namespace krattle::testing {
namespace {

TEST(FrameClock, FramesComeAtLeastSpeedApart) {
  FrameClock c;
  EXPECT_TRUE(c.FrameDue(100, 14));
  EXPECT_FALSE(c.FrameDue(113, 14));
  EXPECT_TRUE(c.FrameDue(114, 14));
  EXPECT_TRUE(c.FrameDue(114, 0));  // speed 0: every pass
  EXPECT_TRUE(c.FrameDue(114, -5));
}

TEST(FrameClock, ASwitchedOnClockWaitsAFullPeriodAndKeepsItsRhythm) {
  FrameClock c;
  EXPECT_FALSE(c.ClockDue(1000, true));
  EXPECT_FALSE(c.ClockDue(2249, true));
  EXPECT_TRUE(c.ClockDue(2250, true));
  // A late pass does not shift the rhythm.
  EXPECT_TRUE(c.ClockDue(3600, true));
  EXPECT_FALSE(c.ClockDue(4749, true));
  EXPECT_TRUE(c.ClockDue(4750, true));
  // Switched off and on again: a full period from then on.
  EXPECT_FALSE(c.ClockDue(5000, false));
  EXPECT_FALSE(c.ClockDue(5100, true));
  EXPECT_FALSE(c.ClockDue(6349, true));
  EXPECT_TRUE(c.ClockDue(6350, true));
}

TEST(FrameClock, MissedPeriodsFireOnceThenTheRhythmStartsFromNow) {
  FrameClock c;
  c.ClockDue(0, true);
  EXPECT_TRUE(c.ClockDue(1250, true));
  // A dialog held the program for 28 s: one tick, not twenty-two.
  EXPECT_TRUE(c.ClockDue(29250, true));
  EXPECT_FALSE(c.ClockDue(29300, true));
  EXPECT_FALSE(c.ClockDue(30499, true));
  EXPECT_TRUE(c.ClockDue(30500, true));
}

}  // namespace
}  // namespace krattle::testing
