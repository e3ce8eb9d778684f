#include "game/frame_clock.h"

namespace krattle {

bool FrameClock::FrameDue(long nowMs, int speedMs) {
  if (framed_ && nowMs - lastFrame_ < (speedMs < 0 ? 0 : speedMs)) return false;
  framed_ = true;
  lastFrame_ = nowMs;
  return true;
}

bool FrameClock::ClockDue(long nowMs, bool on) {
  if (!on) {
    clockOn_ = false;
    return false;
  }
  if (!clockOn_) {
    clockOn_ = true;
    clockStart_ = nowMs;
    return false;
  }
  if (nowMs - clockStart_ < kGameClockMs) return false;
  clockStart_ += kGameClockMs;
  if (nowMs - clockStart_ >= kGameClockMs) clockStart_ = nowMs;
  return true;
}

}  // namespace krattle
