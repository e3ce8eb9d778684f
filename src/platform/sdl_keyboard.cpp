#include "platform/sdl_keyboard.h"

#include "game/keys.h"

namespace krattle {

int VirtualKey(const SDL_Keysym& key) {
  const SDL_Keycode k = key.sym;
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
  if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
  switch (k) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return keys::Enter;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return keys::Ctrl;
    case SDLK_ESCAPE: return keys::Escape;
    case SDLK_SPACE: return keys::Space;
    case SDLK_LEFT: return keys::Left;
    case SDLK_UP: return keys::Up;
    case SDLK_RIGHT: return keys::Right;
    case SDLK_DOWN: return keys::Down;
    case SDLK_KP_2: return keys::Numpad2;
    case SDLK_KP_4: return keys::Numpad4;
    case SDLK_KP_6: return keys::Numpad6;
    case SDLK_KP_8: return keys::Numpad8;
    case SDLK_F2: return keys::F2;
    case SDLK_EQUALS: return keys::Equals;
    case SDLK_COMMA: return keys::Comma;
    case SDLK_MINUS: return keys::Minus;
    case SDLK_PERIOD: return keys::Period;
    case SDLK_LEFTBRACKET: return keys::LeftBracket;
    case SDLK_RIGHTBRACKET: return keys::RightBracket;
    default: return 0;
  }
}

int VirtualShift(const SDL_Keysym& key) {
  int bits = 0;
  if (key.mod & KMOD_SHIFT) bits |= keys::ShiftBit;
  if (key.mod & KMOD_ALT) bits |= keys::AltBit;
  return bits;
}

namespace {

SDL_Scancode ScancodeOf(int key) {
  if (key >= 'A' && key <= 'Z') return SDL_GetScancodeFromKey(SDLK_a + (key - 'A'));
  switch (key) {
    case keys::Up: return SDL_SCANCODE_UP;
    case keys::Down: return SDL_SCANCODE_DOWN;
    case keys::Left: return SDL_SCANCODE_LEFT;
    case keys::Right: return SDL_SCANCODE_RIGHT;
    case keys::Numpad2: return SDL_SCANCODE_KP_2;
    case keys::Numpad4: return SDL_SCANCODE_KP_4;
    case keys::Numpad6: return SDL_SCANCODE_KP_6;
    case keys::Numpad8: return SDL_SCANCODE_KP_8;
    case keys::Space: return SDL_SCANCODE_SPACE;
    case keys::Enter: return SDL_SCANCODE_RETURN;
    case keys::Escape: return SDL_SCANCODE_ESCAPE;
    default: return SDL_SCANCODE_UNKNOWN;
  }
}

}  // namespace

bool SdlKeyboard::IsDown(int key) const {
  if (blocked_) return false;
  if (pads_ && pads_->IsDown(key)) return true;
  if (key == keys::Ctrl) return state_[SDL_SCANCODE_LCTRL] || state_[SDL_SCANCODE_RCTRL];
  const SDL_Scancode sc = ScancodeOf(key);
  return sc != SDL_SCANCODE_UNKNOWN && state_[sc];
}

}  // namespace krattle
