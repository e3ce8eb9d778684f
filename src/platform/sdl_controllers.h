#pragma once
// Game controllers through SDL's GameController API, plugged in and out while the game runs.
// What they hold reaches the game as held keys; presses as key-downs.

#include <SDL.h>

#include <map>
#include <vector>

#include "game/controller_map.h"

namespace krattle {

class SdlControllers {
 public:
  SdlControllers() = default;
  ~SdlControllers();
  SdlControllers(const SdlControllers&) = delete;
  SdlControllers& operator=(const SdlControllers&) = delete;

  // Takes controller events; appends the key-downs they send to `keyDowns`.
  void HandleEvent(const SDL_Event& ev, std::vector<int>& keyDowns);
  // A key held on any controller.
  bool IsDown(int key) const;
  int Count() const { return static_cast<int>(pads_.size()); }

 private:
  struct Pad {
    SDL_GameController* Controller = nullptr;
    PadState State;
  };
  std::map<SDL_JoystickID, Pad> pads_;
};

}  // namespace krattle
