#pragma once
// Sound effects on SDL2_mixer: one chunk per wave of the loaded set, played on the mixer's
// channels. Volume, panning and pitch are left alone.

#include <cstdint>
#include <string>
#include <vector>

#include "game/platform.h"
#include "platform/sdl_mixer.h"
#include "render/image_list.h"

struct Mix_Chunk;

namespace krattle {

class SdlSound : public SoundDevice {
 public:
  explicit SdlSound(SdlMixer& mixer) : mixer_(mixer) {}
  ~SdlSound() override;
  SdlSound(const SdlSound&) = delete;
  SdlSound& operator=(const SdlSound&) = delete;

  // Replaces every wave. One the mixer cannot decode stays silent; the returned text (also
  // written to stderr) names each such wave, and is empty when all of them loaded.
  std::string Load(const WaveList& waves);

  // A wave marked looped plays as a single endless instance; any other overlaps itself, up to
  // its maximum number of plays, past which its oldest instance starts again.
  void Play(int wave) override;
  // Marks the wave looped for good, then plays it.
  void PlayLooped(int wave) override;
  void Stop(int wave) override;

  // Mixer channels of the wave's instances still sounding, oldest first.
  std::vector<int> Instances(int wave);
  int Waves() const { return static_cast<int>(items_.size()); }

 private:
  struct Item {
    Mix_Chunk* Chunk = nullptr;
    bool Looped = false;
    std::uint32_t MaxPlays = 0;  // 0 = unlimited
    std::vector<int> Channels;   // oldest first; pruned as instances end
  };
  Item* Find(int wave);
  void Prune(Item& item);
  void PlayLoop(Item& item);
  void Free();

  SdlMixer& mixer_;
  std::vector<Item> items_;
};

}  // namespace krattle
