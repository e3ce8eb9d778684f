#include "platform/event_feed.h"

#include <set>

namespace krattle {

namespace {
// Which key or button an event presses or releases; 0 for every other event.
long InputOf(const SDL_Event& ev) {
  switch (ev.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: return 1 + static_cast<long>(ev.key.keysym.scancode);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return -1 - static_cast<long>(ev.button.button);
    default: return 0;
  }
}
}  // namespace

void EventFeed::Pump(const std::function<void(const SDL_Event&)>& handle) {
  SDL_Event ev;
  while (SDL_PollEvent(&ev)) pending_.push_back(ev);
  Drain(handle);
}

void EventFeed::Drain(const std::function<void(const SDL_Event&)>& handle) {
  std::set<long> seen;
  while (!pending_.empty()) {
    const SDL_Event ev = pending_.front();
    const long input = InputOf(ev);
    // Held-key repeats carry no new state for ImGui; only a change of state must wait.
    if (input != 0 && !(ev.type == SDL_KEYDOWN && ev.key.repeat)) {
      if (seen.count(input)) return;
      seen.insert(input);
    }
    pending_.pop_front();
    handle(ev);
  }
}

}  // namespace krattle
