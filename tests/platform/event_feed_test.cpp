#include "platform/event_feed.h"

#include <gtest/gtest.h>

#include <vector>

namespace krattle::testing {
namespace {

SDL_Event Key(Uint32 type, SDL_Scancode code, bool repeat = false) {
  SDL_Event ev{};
  ev.type = type;
  ev.key.keysym.scancode = code;
  ev.key.repeat = repeat ? 1 : 0;
  return ev;
}

SDL_Event Button(Uint32 type, Uint8 button) {
  SDL_Event ev{};
  ev.type = type;
  ev.button.button = button;
  return ev;
}

// The events each frame receives.
std::vector<std::vector<Uint32>> Frames(EventFeed& feed) {
  std::vector<std::vector<Uint32>> frames;
  while (!feed.Empty()) {
    frames.emplace_back();
    feed.Drain([&](const SDL_Event& ev) { frames.back().push_back(ev.type); });
  }
  return frames;
}

TEST(EventFeed, APressAndItsReleaseReachDifferentFrames) {
  EventFeed feed;
  feed.Add(Key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE));
  feed.Add(Key(SDL_KEYUP, SDL_SCANCODE_ESCAPE));
  feed.Add(Key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE));
  feed.Add(Key(SDL_KEYUP, SDL_SCANCODE_ESCAPE));
  EXPECT_EQ(Frames(feed).size(), 4u);
}

TEST(EventFeed, DifferentKeysAndOtherEventsShareAFrame) {
  EventFeed feed;
  feed.Add(Key(SDL_KEYDOWN, SDL_SCANCODE_A));
  SDL_Event motion{};
  motion.type = SDL_MOUSEMOTION;
  feed.Add(motion);
  feed.Add(Key(SDL_KEYDOWN, SDL_SCANCODE_B));
  feed.Add(Key(SDL_KEYDOWN, SDL_SCANCODE_A, true));  // a held key's repeat changes nothing
  feed.Add(Key(SDL_KEYUP, SDL_SCANCODE_B));          // but B's release must wait
  feed.Add(Key(SDL_KEYUP, SDL_SCANCODE_A));
  const auto frames = Frames(feed);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].size(), 4u);
  EXPECT_EQ(frames[1], (std::vector<Uint32>{SDL_KEYUP, SDL_KEYUP}));
}

TEST(EventFeed, MouseClicksAreSplitPerButton) {
  EventFeed feed;
  feed.Add(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
  feed.Add(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
  feed.Add(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
  const auto frames = Frames(feed);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].size(), 2u);
}

}  // namespace
}  // namespace krattle::testing
