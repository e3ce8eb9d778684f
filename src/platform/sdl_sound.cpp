#include "platform/sdl_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>

#include "render/wav_bytes.h"

namespace krattle {

SdlSound::~SdlSound() {
  Free();
}

void SdlSound::Free() {
  // Freeing a chunk halts the channels that play it.
  for (Item& item : items_)
    if (item.Chunk) Mix_FreeChunk(item.Chunk);
  items_.clear();
}

std::string SdlSound::Load(const WaveList& waves) {
  Free();
  items_.resize(waves.Items.size());
  if (!mixer_.Ready()) return {};  // no device: silence was already announced
  std::string problems;
  for (std::size_t n = 0; n < waves.Items.size(); ++n) {
    const WaveItem& wave = waves.Items[n];
    Item& item = items_[n];
    item.Looped = wave.Looped;
    item.MaxPlays = wave.MaxPlayingCount;
    // The mixer converts the wave to the device's format and keeps its own copy.
    const std::vector<std::uint8_t> bytes = EncodeWav(wave.Data);
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    item.Chunk = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
    if (!item.Chunk) {
      const std::string line =
          "sound " + std::to_string(n) + " cannot be played: " + SDL_GetError();
      std::fprintf(stderr, "krattle: %s\n", line.c_str());
      problems += line + "\n";
    }
  }
  return problems;
}

SdlSound::Item* SdlSound::Find(int wave) {
  if (wave < 0 || wave >= Waves()) return nullptr;
  Item& item = items_[static_cast<std::size_t>(wave)];
  return item.Chunk ? &item : nullptr;
}

void SdlSound::Prune(Item& item) {
  // A finished channel still reports its last chunk, so both questions are needed.
  std::erase_if(item.Channels,
                [&](int ch) { return !Mix_Playing(ch) || Mix_GetChunk(ch) != item.Chunk; });
}

void SdlSound::PlayLoop(Item& item) {
  Stop(static_cast<int>(&item - items_.data()));
  int ch = Mix_PlayChannel(-1, item.Chunk, -1);
  if (ch < 0 && mixer_.MoreChannels()) ch = Mix_PlayChannel(-1, item.Chunk, -1);
  if (ch >= 0) item.Channels.push_back(ch);
}

void SdlSound::Play(int wave) {
  Item* item = Find(wave);
  if (!item) return;
  if (item->Looped) {
    PlayLoop(*item);
    return;
  }
  Prune(*item);
  if (item->MaxPlays > 0 && item->Channels.size() >= item->MaxPlays) {
    // At the limit the oldest instance starts over and becomes the newest.
    const int oldest = item->Channels.front();
    item->Channels.erase(item->Channels.begin());
    Mix_HaltChannel(oldest);
    if (Mix_PlayChannel(oldest, item->Chunk, 0) >= 0) item->Channels.push_back(oldest);
    return;
  }
  int ch = Mix_PlayChannel(-1, item->Chunk, 0);
  if (ch < 0 && mixer_.MoreChannels()) ch = Mix_PlayChannel(-1, item->Chunk, 0);
  if (ch >= 0) item->Channels.push_back(ch);
}

void SdlSound::PlayLooped(int wave) {
  Item* item = Find(wave);
  if (!item) return;
  item->Looped = true;
  PlayLoop(*item);
}

void SdlSound::Stop(int wave) {
  Item* item = Find(wave);
  if (!item) return;
  const int channels = Mix_AllocateChannels(-1);
  for (int ch = 0; ch < channels; ++ch)
    if (Mix_Playing(ch) && Mix_GetChunk(ch) == item->Chunk) Mix_HaltChannel(ch);
  item->Channels.clear();
}

std::vector<int> SdlSound::Instances(int wave) {
  Item* item = Find(wave);
  if (!item) return {};
  Prune(*item);
  return item->Channels;
}

}  // namespace krattle
