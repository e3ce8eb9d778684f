#pragma once
// Game controllers as the keyboard the game already understands: the d-pad and the left stick
// hold the arrow keys, the south button is fire, Start pauses and Back gives up the life. The
// window reads the devices; this turns what it read into keys.

#include <cstdint>
#include <vector>

namespace krattle {

enum class PadButton : std::uint8_t { Up, Down, Left, Right, South, Start, Back, Count };

struct PadState {
  bool Buttons[static_cast<int>(PadButton::Count)] = {};
  int StickX = 0, StickY = 0;  // -32768..32767; down and right are positive
};

// A stick must lean this far before it counts as a direction.
inline constexpr int StickDeadZone = 12000;

// The virtual keys a controller holds down in this state.
std::vector<int> PadHeldKeys(const PadState& pad);

// The key-down a button press sends (the arrows too, so menus of the title screen follow), or
// 0 for none.
int PadButtonKey(PadButton button);

// Key-downs for the directions the stick has just started to lean to.
std::vector<int> StickKeyDowns(const PadState& before, const PadState& now);

}  // namespace krattle
