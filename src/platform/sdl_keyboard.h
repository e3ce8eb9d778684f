#pragma once
// Held keys and key-down events from SDL, as the program's virtual-key codes.

#include <SDL.h>

#include "game/platform.h"
#include "platform/sdl_controllers.h"

namespace krattle {

// Virtual-key code of an SDL key, or 0 for keys the program does not use.
int VirtualKey(const SDL_Keysym& key);

// Modifier bits (keys::ShiftBit, keys::AltBit) of a key event.
int VirtualShift(const SDL_Keysym& key);

class SdlKeyboard : public Keyboard {
 public:
  SdlKeyboard() : state_(SDL_GetKeyboardState(nullptr)) {}
  bool IsDown(int key) const override;
  // While a dialog or a text field owns the keyboard, nothing reads as held.
  void SetBlocked(bool blocked) { blocked_ = blocked; }
  // Game controllers hold keys too.
  void SetControllers(const SdlControllers* pads) { pads_ = pads; }

 private:
  const Uint8* state_;
  const SdlControllers* pads_ = nullptr;
  bool blocked_ = false;
};

}  // namespace krattle
