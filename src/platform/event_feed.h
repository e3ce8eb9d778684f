#pragma once
// SDL events handed out one frame's worth at a time. Dear ImGui samples a key once per frame, so
// a press and its release that arrive together would cancel out and the tap would be lost; the
// feed ends a frame's batch before a second event of the same key or mouse button.

#include <SDL.h>

#include <deque>
#include <functional>

namespace krattle {

class EventFeed {
 public:
  // Polls SDL, then passes this frame's events to `handle` in their order. Events after the
  // split point wait for the next call.
  void Pump(const std::function<void(const SDL_Event&)>& handle);

  // Takes events from elsewhere (tests) as if SDL had delivered them.
  void Add(const SDL_Event& ev) { pending_.push_back(ev); }
  // This frame's share of the events already queued, without polling SDL.
  void Drain(const std::function<void(const SDL_Event&)>& handle);
  bool Empty() const { return pending_.empty(); }

 private:
  std::deque<SDL_Event> pending_;
};

}  // namespace krattle
