#pragma once
// Sound and music that stay quiet: used when no audio device can be opened.

#include "game/platform.h"

namespace krattle {

class SilentSound : public SoundDevice {
 public:
  void Play(int) override {}
  void PlayLooped(int) override {}
  void Stop(int) override {}
};

class NoMusic : public MusicPlayer {
 public:
  bool Open(const std::filesystem::path&) override { return false; }
  long LengthMs() override { return -1; }
  void Seek(long) override {}
  void Play() override {}
  void Stop() override {}
};

}  // namespace krattle
