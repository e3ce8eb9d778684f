#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <thread>

#include "game/game.h"
#include "game/platform_stand_ins.h"
#include "platform/sdl_mixer.h"
#include "platform/sdl_music.h"
#include "platform/sdl_sound.h"
#include "render/recording_canvas.h"
#include "render/set_assets.h"

namespace krattle::testing {
namespace {

// The dummy driver mixes in real time without any hardware, so channels finish as they would
// on a sound card.
void UseAudioDriver(const char* name) {
  SDL_setenv("SDL_AUDIODRIVER", name, 1);
}

Wave Tone(double seconds) {
  Wave w;
  w.Channels = 1;
  w.SampleRate = 22050;
  w.BitsPerSample = 16;
  const auto frames = static_cast<std::size_t>(seconds * w.SampleRate);
  for (std::size_t k = 0; k < frames; ++k) {
    const auto s = static_cast<std::int16_t>(8000 * std::sin(k * 0.1));
    w.Data.push_back(static_cast<std::uint8_t>(s & 0xFF));
    w.Data.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
  }
  return w;
}

WaveItem Item(double seconds, std::uint32_t maxPlays = 0, bool looped = false) {
  WaveItem item;
  item.Data = Tone(seconds);
  item.MaxPlayingCount = maxPlays;
  item.Looped = looped;
  return item;
}

// Waits for something the audio thread does, with a generous deadline for a loaded machine.
bool Eventually(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

class SdlSoundTest : public ::testing::Test {
 protected:
  // The driver is chosen when the mixer opens.
  bool dummy_ = (UseAudioDriver("dummy"), true);
  SdlMixer mixer_;
};

TEST_F(SdlSoundTest, OneWaveOverlapsItselfOnAsManyChannelsAsItTakes) {
  ASSERT_TRUE(mixer_.Ready()) << mixer_.Problem();
  SdlSound sound(mixer_);
  WaveList list;
  list.Items = {Item(5), Item(5)};
  ASSERT_EQ(sound.Load(list), "");
  // More plays than the mixer starts with channels: none is cut off.
  for (int k = 0; k < 100; ++k) sound.Play(0);
  sound.Play(1);
  const std::vector<int> first = sound.Instances(0);
  EXPECT_EQ(first.size(), 100u);
  EXPECT_EQ(std::set<int>(first.begin(), first.end()).size(), 100u);
  ASSERT_EQ(sound.Instances(1).size(), 1u);
  sound.Stop(0);
  EXPECT_TRUE(sound.Instances(0).empty());
  for (int ch : first) EXPECT_FALSE(Mix_Playing(ch) && Mix_GetChunk(ch) == Mix_GetChunk(first[0]));
  EXPECT_EQ(sound.Instances(1).size(), 1u);  // another wave is left alone
}

TEST_F(SdlSoundTest, AtItsMaximumTheOldestInstanceStartsOverAsTheNewest) {
  ASSERT_TRUE(mixer_.Ready()) << mixer_.Problem();
  SdlSound sound(mixer_);
  WaveList list;
  list.Items = {Item(5, 2)};
  sound.Load(list);
  sound.Play(0);
  sound.Play(0);
  const std::vector<int> two = sound.Instances(0);
  ASSERT_EQ(two.size(), 2u);
  sound.Play(0);
  EXPECT_EQ(sound.Instances(0), (std::vector<int>{two[1], two[0]}));
  sound.Play(0);
  EXPECT_EQ(sound.Instances(0), two);
  int playing = 0;
  for (int ch = 0; ch < mixer_.Channels(); ++ch) playing += Mix_Playing(ch);
  EXPECT_EQ(playing, 2);
}

TEST_F(SdlSoundTest, AnEndedInstanceNeverCountsAgainstItsWave) {
  ASSERT_TRUE(mixer_.Ready()) << mixer_.Problem();
  SdlSound sound(mixer_);
  WaveList list;
  list.Items = {Item(0.05, 1), Item(5)};
  sound.Load(list);
  sound.Play(0);
  ASSERT_EQ(sound.Instances(0).size(), 1u);
  const int channel = sound.Instances(0)[0];
  ASSERT_TRUE(Eventually([&] { return !Mix_Playing(channel); }));
  // The freed channel goes to another wave; the short one's limit must not halt it.
  sound.Play(1);
  ASSERT_EQ(sound.Instances(1), std::vector<int>{channel});
  sound.Play(0);
  EXPECT_EQ(sound.Instances(1), std::vector<int>{channel});
  EXPECT_EQ(sound.Instances(0).size(), 1u);
}

TEST_F(SdlSoundTest, ALoopedWaveIsOneInstanceThatKeepsGoing) {
  ASSERT_TRUE(mixer_.Ready()) << mixer_.Problem();
  SdlSound sound(mixer_);
  WaveList list;
  list.Items = {Item(0.05, 0, true), Item(0.05)};
  sound.Load(list);
  sound.Play(0);
  sound.Play(0);
  ASSERT_EQ(sound.Instances(0).size(), 1u);
  // Marking a wave looped lasts: later plays do not pile up either.
  sound.PlayLooped(1);
  sound.Play(1);
  ASSERT_EQ(sound.Instances(1).size(), 1u);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(sound.Instances(0).size(), 1u);
  EXPECT_EQ(sound.Instances(1).size(), 1u);
  sound.Stop(0);
  sound.Stop(1);
  EXPECT_TRUE(sound.Instances(0).empty());
  EXPECT_TRUE(sound.Instances(1).empty());
}

TEST_F(SdlSoundTest, AWaveTheMixerCannotDecodeStaysSilent) {
  ASSERT_TRUE(mixer_.Ready()) << mixer_.Problem();
  SdlSound sound(mixer_);
  WaveList list;
  list.Items = {Item(1), Item(1)};
  list.Items[1].Data.BitsPerSample = 12;
  const std::string problems = sound.Load(list);
  EXPECT_NE(problems.find("sound 1"), std::string::npos) << problems;
  sound.Play(1);
  sound.PlayLooped(1);
  sound.Stop(1);
  sound.Play(99);
  sound.Play(-1);
  EXPECT_TRUE(sound.Instances(1).empty());
  sound.Play(0);
  EXPECT_EQ(sound.Instances(0).size(), 1u);
}

TEST(SdlMixerTest, WithoutAnAudioDeviceEverythingStaysQuiet) {
  UseAudioDriver("no-such-driver");
  SdlMixer mixer;
  UseAudioDriver("dummy");
  EXPECT_FALSE(mixer.Ready());
  EXPECT_FALSE(mixer.Problem().empty());
  SdlSound sound(mixer);
  WaveList list;
  list.Items = {Item(1)};
  EXPECT_EQ(sound.Load(list), "");
  sound.Play(0);
  sound.PlayLooped(0);
  sound.Stop(0);
  EXPECT_TRUE(sound.Instances(0).empty());
  SdlMusic music(mixer);
  EXPECT_FALSE(music.Open(std::filesystem::path(KRATTLE_BIN_DIR) / "data/Krattle/Krattle.mid"));
  music.Play();
  music.Stop();
}

// A one-track MIDI file at the default 120 beats a minute: one note held for the whole length.
std::vector<std::uint8_t> MidiOfSeconds(int seconds) {
  const std::uint32_t ticks = static_cast<std::uint32_t>(seconds) * 960;  // 480 per beat
  std::vector<std::uint8_t> track = {0x00, 0x90, 60, 100};
  std::vector<std::uint8_t> vlq;
  for (std::uint32_t v = ticks; v; v >>= 7) vlq.insert(vlq.begin(), std::uint8_t(v & 0x7F));
  for (std::size_t k = 0; k + 1 < vlq.size(); ++k) vlq[k] |= 0x80;
  track.insert(track.end(), vlq.begin(), vlq.end());
  track.insert(track.end(), {0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00});
  std::vector<std::uint8_t> file = {
      'M', 'T',  'h',  'd', 0,   0,   0,   6, 0, 0, 0,
      1,   0x01, 0xE0, 'M', 'T', 'r', 'k', 0, 0, 0, std::uint8_t(track.size())};
  file.reserve(file.size() + track.size());  // GCC 12 warns about the insert without it
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

std::filesystem::path WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("krattle_platform_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const auto path = dir / name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return path;
}

// The real program logic on the SDL sound and music, everything else stood in for.
struct AudioGame {
  explicit AudioGame(SdlMixer& mixer) : Sound(mixer), Music(mixer) {
    Assets.WavesLoaded = [this](const WaveList& w) { Sound.Load(w); };
  }
  bool Create(const std::filesystem::path& music) {
    StartupOptions o;
    o.ProgramDir = KRATTLE_BIN_DIR;
    o.Paths.Music = music;
    game = std::make_unique<Game>(
        PlatformServices{Screen, Keys, Sound, Music, Dialogs, Window, Assets, Codec});
    return game->Creation(o);
  }
  RecordingCanvas Screen;
  ScriptedKeyboard Keys;
  SdlSound Sound;
  SdlMusic Music;
  ScriptedDialogs Dialogs;
  NullDisplay Window;
  SetFileAssets Assets;
  NullCodec Codec;
  std::unique_ptr<Game> game;
};

class SdlMusicTest : public SdlSoundTest {};

TEST_F(SdlMusicTest, TheMusicLengthSetsTheTitleWait) {
  ASSERT_TRUE(mixer_.Ready()) << mixer_.Problem();
  struct Case {
    int Seconds, Ticks;
  };
  for (const Case c : {Case{5, 10}, Case{60, 48}, Case{200, 120}}) {
    const auto path =
        WriteFile("len" + std::to_string(c.Seconds) + ".mid", MidiOfSeconds(c.Seconds));
    AudioGame a(mixer_);
    ASSERT_TRUE(a.Create(path));
    EXPECT_EQ(a.Music.LengthMs(), c.Seconds * 1000L);
    EXPECT_TRUE(a.game->Config().MusicAvailable) << c.Seconds;
    EXPECT_EQ(a.game->Config().MusicTicks, c.Ticks) << c.Seconds;
    a.game->OnActivate();
    EXPECT_EQ(a.game->Flow().AttractCountdown, c.Ticks + 1);
    EXPECT_TRUE(a.Music.Playing());
    a.game->OnDeactivate();
    EXPECT_FALSE(a.Music.Playing());
  }
}

TEST_F(SdlMusicTest, MusicThatCannotBeReadLeavesTheTitleQuiet) {
  ASSERT_TRUE(mixer_.Ready()) << mixer_.Problem();
  std::vector<std::uint8_t> truncated = MidiOfSeconds(60);
  truncated.resize(truncated.size() - 5);
  for (const auto& path :
       {WriteFile("garbage.mid", std::vector<std::uint8_t>(300, 0x5A)),
        WriteFile("truncated.mid", truncated), std::filesystem::path("/nonexistent/Krattle.mid")}) {
    AudioGame a(mixer_);
    ASSERT_TRUE(a.Create(path)) << path;
    EXPECT_FALSE(a.game->Config().MusicAvailable) << path;
    EXPECT_EQ(a.game->Config().MusicTicks, 10);
    a.game->OnActivate();
    EXPECT_EQ(a.game->Flow().AttractCountdown, 10);
    EXPECT_FALSE(a.Music.Playing());
  }
}

TEST_F(SdlMusicTest, TheGeneratedSetsPlayThroughTheGame) {
  ASSERT_TRUE(mixer_.Ready()) << mixer_.Problem();
  AudioGame a(mixer_);
  ASSERT_TRUE(a.Create("data/Krattle/Krattle.mid"));
  EXPECT_EQ(a.Sound.Waves(), 29);
  EXPECT_TRUE(a.game->Config().MusicAvailable);
  EXPECT_GT(a.game->Config().MusicTicks, 10);
  a.game->PlaySound(8);
  a.game->PlaySound(8);
  EXPECT_EQ(a.Sound.Instances(8).size(), 2u);
  a.game->PlayLooped(20);
  a.game->StopLoopedSounds();
  EXPECT_TRUE(a.Sound.Instances(20).empty());
  a.game->ToggleMute();
  a.game->PlaySound(9);
  EXPECT_TRUE(a.Sound.Instances(9).empty());
}

}  // namespace
}  // namespace krattle::testing
