#include "game/controller_map.h"

#include "game/keys.h"

namespace krattle {

namespace {

bool Pressed(const PadState& p, PadButton b) {
  return p.Buttons[static_cast<int>(b)];
}

// Directions the stick leans to: up, down, left, right.
void StickDirections(const PadState& p, bool (&out)[4]) {
  out[0] = p.StickY < -StickDeadZone;
  out[1] = p.StickY > StickDeadZone;
  out[2] = p.StickX < -StickDeadZone;
  out[3] = p.StickX > StickDeadZone;
}

constexpr int kArrows[4] = {keys::Up, keys::Down, keys::Left, keys::Right};

}  // namespace

std::vector<int> PadHeldKeys(const PadState& pad) {
  std::vector<int> held;
  bool stick[4];
  StickDirections(pad, stick);
  const PadButton dpad[4] = {PadButton::Up, PadButton::Down, PadButton::Left, PadButton::Right};
  for (int k = 0; k < 4; ++k)
    if (stick[k] || Pressed(pad, dpad[k])) held.push_back(kArrows[k]);
  if (Pressed(pad, PadButton::South)) held.push_back(keys::Ctrl);
  return held;
}

int PadButtonKey(PadButton button) {
  switch (button) {
    case PadButton::Up: return keys::Up;
    case PadButton::Down: return keys::Down;
    case PadButton::Left: return keys::Left;
    case PadButton::Right: return keys::Right;
    // Fire is Ctrl, which the game reads as fire in play and as Start on the title screen.
    case PadButton::South: return keys::Ctrl;
    case PadButton::Start: return keys::Letter('P');
    case PadButton::Back: return keys::Escape;
    case PadButton::Count: break;
  }
  return 0;
}

std::vector<int> StickKeyDowns(const PadState& before, const PadState& now) {
  bool was[4], is[4];
  StickDirections(before, was);
  StickDirections(now, is);
  std::vector<int> downs;
  for (int k = 0; k < 4; ++k)
    if (is[k] && !was[k]) downs.push_back(kArrows[k]);
  return downs;
}

}  // namespace krattle
