#pragma once
// When frames and game-clock ticks are due, given the time now. Frames come at least Speed ms
// apart. The game clock runs every 1250 ms while it is on; like a desktop timer it starts a full
// period after being switched on, and periods it missed (a dialog held the program) fire as
// one tick, after which it keeps its rhythm from now instead of catching up in a burst.

namespace krattle {

constexpr long kGameClockMs = 1250;

class FrameClock {
 public:
  // True when a frame is due at `nowMs`; the frame then counts as run.
  bool FrameDue(long nowMs, int speedMs);
  // When the frame after the last one is due. A virtual clock jumps straight there; at speed 0
  // it still moves on by a millisecond.
  long NextFrameMs(int speedMs) const { return lastFrame_ + (speedMs < 1 ? 1 : speedMs); }
  // True when the game clock ticks at `nowMs`. `on` is whether the clock runs at all.
  bool ClockDue(long nowMs, bool on);

 private:
  long lastFrame_ = 0;
  bool framed_ = false;
  long clockStart_ = 0;
  bool clockOn_ = false;
};

}  // namespace krattle
