#pragma once
// The one SDL2_mixer device that the effects and the music share. A machine without sound (a
// server, CI) must still run the game, so opening never fails loudly: everything built on the
// mixer asks Ready() and stays quiet when it is not.

#include <string>

namespace krattle {

// The General MIDI soundfont to hand the MIDI synthesiser: SDL_SOUNDFONTS when the user set it,
// otherwise the first of the fonts Debian's packages install; empty when there is none.
std::string FindSoundFont();

class SdlMixer {
 public:
  // Opens SDL's audio subsystem and the mixer; a failure is said once on stderr.
  SdlMixer();
  ~SdlMixer();
  SdlMixer(const SdlMixer&) = delete;
  SdlMixer& operator=(const SdlMixer&) = delete;

  bool Ready() const { return ready_; }
  const std::string& Problem() const { return problem_; }
  const std::string& SoundFont() const { return soundFont_; }

  // Adds channels when every one is busy, up to a cap. False when the cap is reached.
  bool MoreChannels();
  int Channels() const { return channels_; }

 private:
  void Open();

  bool subsystem_ = false;
  bool ready_ = false;
  int channels_ = 0;
  std::string problem_;
  std::string soundFont_;
};

}  // namespace krattle
