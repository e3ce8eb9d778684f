#include "platform/sdl_mixer.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace krattle {

namespace {
// A busy cave fires a handful of effects per tick, each lasting a few ticks; 64 channels keep
// every one of them audible, and the cap only guards against a runaway caller.
constexpr int kFirstChannels = 64;
constexpr int kMostChannels = 512;

// The sound libraries below SDL report a missing device in a screenful of their own lines; the
// player needs only ours, which carries SDL's reason.
class QuietStderr {
 public:
  QuietStderr() : saved_(dup(STDERR_FILENO)) {
    const int null = open("/dev/null", O_WRONLY);
    if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
    if (null >= 0) close(null);
  }
  ~QuietStderr() {
    if (saved_ < 0) return;
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }
  QuietStderr(const QuietStderr&) = delete;
  QuietStderr& operator=(const QuietStderr&) = delete;

 private:
  int saved_;
};
}  // namespace

std::string FindSoundFont() {
  if (const char* user = std::getenv("SDL_SOUNDFONTS"); user && *user) return user;
  static const char* const kInstalled[] = {
      "/usr/share/sounds/sf2/default-GM.sf2",        "/usr/share/sounds/sf3/default-GM.sf3",
      "/usr/share/sounds/sf2/TimGM6mb.sf2",          "/usr/share/sounds/sf2/FluidR3_GM.sf2",
      "/usr/share/sounds/sf3/MuseScore_General.sf3", "/usr/share/soundfonts/default.sf2"};
  std::error_code ec;
  for (const char* path : kInstalled)
    if (std::filesystem::is_regular_file(path, ec)) return path;
  return {};
}

SdlMixer::SdlMixer() {
  Open();
  if (!ready_) std::fprintf(stderr, "krattle: no sound: %s\n", problem_.c_str());
}

void SdlMixer::Open() {
  const QuietStderr quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    problem_ = SDL_GetError();
  } else {
    subsystem_ = true;
    // The synthesiser reads the soundfont list when the device opens, not later.
    soundFont_ = FindSoundFont();
    if (!soundFont_.empty()) Mix_SetSoundFonts(soundFont_.c_str());
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
      problem_ = Mix_GetError();
    } else {
      ready_ = true;
      channels_ = Mix_AllocateChannels(kFirstChannels);
    }
  }
}

SdlMixer::~SdlMixer() {
  if (ready_) Mix_CloseAudio();
  Mix_Quit();
  if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlMixer::MoreChannels() {
  if (!ready_ || channels_ >= kMostChannels) return false;
  channels_ = Mix_AllocateChannels(channels_ * 2 < kMostChannels ? channels_ * 2 : kMostChannels);
  return true;
}

}  // namespace krattle
