#include "platform/sdl_music.h"

#include <SDL_mixer.h>

#include <climits>
#include <cmath>
#include <cstdio>

#include "render/midi_length.h"

namespace krattle {

SdlMusic::~SdlMusic() {
  Close();
}

void SdlMusic::Close() {
  if (music_) Mix_FreeMusic(music_);  // halts it if it is playing
  music_ = nullptr;
  length_ = -1;
  start_ = 0;
}

bool SdlMusic::Open(const std::filesystem::path& path) {
  Close();
  if (!mixer_.Ready()) return false;  // no device: silence was already announced
  music_ = Mix_LoadMUS(path.string().c_str());
  if (!music_) {
    std::fprintf(stderr, "krattle: cannot play the music %s: %s\n", path.string().c_str(),
                 Mix_GetError());
    return false;
  }
  if (Mix_GetMusicType(music_) == MUS_MID) {
    // The synthesiser cannot tell a MIDI file's length, so read it from the tempo map.
    const MidiLength measured = MeasureMidiFile(path);
    if (measured.Ok) {
      length_ = measured.Milliseconds > static_cast<std::uint64_t>(LONG_MAX)
                    ? LONG_MAX
                    : static_cast<long>(measured.Milliseconds);
    } else {
      std::fprintf(stderr, "krattle: cannot measure the music %s: %s\n", path.string().c_str(),
                   measured.Message.c_str());
    }
  } else {
    const double seconds = Mix_MusicDuration(music_);
    if (seconds >= 0) {
      length_ = std::lround(seconds * 1000.0);
    } else {
      std::fprintf(stderr, "krattle: cannot measure the music %s: %s\n", path.string().c_str(),
                   Mix_GetError());
    }
  }
  return true;
}

void SdlMusic::Seek(long ms) {
  start_ = ms < 0 ? 0 : ms;
  // Not every back end can seek while playing; Play always starts again from start_.
  if (music_ && Mix_PlayingMusic()) Mix_SetMusicPosition(static_cast<double>(start_) / 1000.0);
}

void SdlMusic::Play() {
  if (!music_) return;
  if (Mix_PlayMusic(music_, 1) != 0) {
    std::fprintf(stderr, "krattle: cannot play the music: %s\n", Mix_GetError());
    return;
  }
  if (start_ > 0) Mix_SetMusicPosition(static_cast<double>(start_) / 1000.0);
}

void SdlMusic::Stop() {
  if (music_) Mix_HaltMusic();
}

bool SdlMusic::Playing() const {
  return music_ && Mix_PlayingMusic();
}

}  // namespace krattle
