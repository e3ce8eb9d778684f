#include "platform/sdl_controllers.h"

#include <algorithm>

namespace krattle {

namespace {

bool ToPadButton(Uint8 button, PadButton& out) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: out = PadButton::Up; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: out = PadButton::Down; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: out = PadButton::Left; return true;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: out = PadButton::Right; return true;
    case SDL_CONTROLLER_BUTTON_A: out = PadButton::South; return true;
    case SDL_CONTROLLER_BUTTON_START: out = PadButton::Start; return true;
    case SDL_CONTROLLER_BUTTON_BACK: out = PadButton::Back; return true;
    default: return false;
  }
}

}  // namespace

SdlControllers::~SdlControllers() {
  for (auto& [id, pad] : pads_) SDL_GameControllerClose(pad.Controller);
}

void SdlControllers::HandleEvent(const SDL_Event& ev, std::vector<int>& keyDowns) {
  switch (ev.type) {
    case SDL_CONTROLLERDEVICEADDED: {
      SDL_GameController* c = SDL_GameControllerOpen(ev.cdevice.which);
      if (!c) return;
      const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c));
      if (pads_.count(id)) {
        SDL_GameControllerClose(c);  // already open: SDL counts the opens
        return;
      }
      pads_[id].Controller = c;
      return;
    }
    case SDL_CONTROLLERDEVICEREMOVED: {
      const auto it = pads_.find(ev.cdevice.which);
      if (it == pads_.end()) return;
      SDL_GameControllerClose(it->second.Controller);
      pads_.erase(it);
      return;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      const auto it = pads_.find(ev.cbutton.which);
      PadButton b;
      if (it == pads_.end() || !ToPadButton(ev.cbutton.button, b)) return;
      const bool down = ev.type == SDL_CONTROLLERBUTTONDOWN;
      it->second.State.Buttons[static_cast<int>(b)] = down;
      if (down) keyDowns.push_back(PadButtonKey(b));
      return;
    }
    case SDL_CONTROLLERAXISMOTION: {
      const auto it = pads_.find(ev.caxis.which);
      if (it == pads_.end()) return;
      PadState& s = it->second.State;
      const PadState before = s;
      if (ev.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX)
        s.StickX = ev.caxis.value;
      else if (ev.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
        s.StickY = ev.caxis.value;
      else
        return;
      for (int key : StickKeyDowns(before, s)) keyDowns.push_back(key);
      return;
    }
    default: return;
  }
}

bool SdlControllers::IsDown(int key) const {
  for (const auto& [id, pad] : pads_) {
    const std::vector<int> held = PadHeldKeys(pad.State);
    if (std::find(held.begin(), held.end(), key) != held.end()) return true;
  }
  return false;
}

}  // namespace krattle
