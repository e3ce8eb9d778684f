#pragma once
// Title music on SDL2_mixer: MIDI through its FluidSynth back end and a General MIDI soundfont.

#include <filesystem>

#include "game/platform.h"
#include "platform/sdl_mixer.h"

typedef struct _Mix_Music Mix_Music;

namespace krattle {

class SdlMusic : public MusicPlayer {
 public:
  explicit SdlMusic(SdlMixer& mixer) : mixer_(mixer) {}
  ~SdlMusic() override;
  SdlMusic(const SdlMusic&) = delete;
  SdlMusic& operator=(const SdlMusic&) = delete;

  // False, with the reason on stderr, when there is no device or the file cannot be decoded.
  bool Open(const std::filesystem::path& path) override;
  // Measured when the file is opened; negative when it could not be.
  long LengthMs() override { return length_; }
  void Seek(long ms) override;
  // Plays once from the position of the last Seek.
  void Play() override;
  void Stop() override;

  bool Playing() const;

 private:
  void Close();

  SdlMixer& mixer_;
  Mix_Music* music_ = nullptr;
  long length_ = -1;
  long start_ = 0;
};

}  // namespace krattle
