#include "render/midi_length.h"

#include <gtest/gtest.h>

#include <vector>

namespace krattle::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Header(int format, int tracks, int division) {
  return {'M',
          'T',
          'h',
          'd',
          0,
          0,
          0,
          6,
          0,
          std::uint8_t(format),
          0,
          std::uint8_t(tracks),
          std::uint8_t(division >> 8),
          std::uint8_t(division)};
}

Bytes Track(const Bytes& events) {
  Bytes t = {
      'M', 'T', 'r', 'k', 0, 0, std::uint8_t(events.size() >> 8), std::uint8_t(events.size())};
  t.reserve(t.size() + events.size());  // GCC 12 warns about the insert without it
  t.insert(t.end(), events.begin(), events.end());
  return t;
}

Bytes Tempo(std::uint32_t us) {
  return {0xFF, 0x51, 0x03, std::uint8_t(us >> 16), std::uint8_t(us >> 8), std::uint8_t(us)};
}

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

const Bytes EndOfTrack = {0xFF, 0x2F, 0x00};

// Format 1 at 96 ticks per quarter: a conductor track with a tempo change after one bar,
// and a note track of running-status notes lasting two bars in all.
Bytes TwoTempoSong() {
  const Bytes conductor = Cat({{0x00},
                               Tempo(500000),  // 120 bpm
                               {0x83, 0x00},
                               Tempo(1000000),  // after 384 ticks: 60 bpm
                               {0x00},
                               EndOfTrack});
  const Bytes notes = Cat({{0x00, 0x90, 60, 100},  // note on
                           {0x83, 0x00, 60, 0},    // 384 ticks later, running status
                           {0x00, 62, 100},
                           {0x83, 0x00, 0x80, 62, 0},
                           {0x00, 0xF0, 0x02, 0x7E, 0xF7},  // a sysex event
                           {0x00},
                           EndOfTrack});
  return Cat({Header(1, 2, 96), Track(conductor), Track(notes)});
}

TEST(MidiLength, FollowsTheTempoMapToTheLastEndOfTrack) {
  const auto len = MeasureMidi(TwoTempoSong());
  ASSERT_TRUE(len.Ok) << len.Message;
  // One bar at 120 bpm (2 s) and one at 60 bpm (4 s).
  EXPECT_EQ(len.Milliseconds, 6000u);
}

TEST(MidiLength, DefaultTempoAndSmpteTiming) {
  const Bytes oneBar = Cat({{0x83, 0x00}, EndOfTrack});
  auto len = MeasureMidi(Cat({Header(0, 1, 96), Track(oneBar)}));
  ASSERT_TRUE(len.Ok);
  EXPECT_EQ(len.Milliseconds, 2000u);  // 120 bpm when no tempo is given
  // 25 frames per second, 40 ticks per frame: 1000 ticks a second.
  const Bytes ticks = Cat({{0x87, 0x68}, EndOfTrack});  // 1000
  len = MeasureMidi(Cat({Header(0, 1, (256 - 25) << 8 | 40), Track(ticks)}));
  ASSERT_TRUE(len.Ok);
  EXPECT_EQ(len.Milliseconds, 1000u);
}

TEST(MidiLength, TruncatedOrGarbageFilesAreRefused) {
  const Bytes song = TwoTempoSong();
  for (std::size_t n = 0; n < song.size(); ++n) {
    Bytes cut(song.begin(), song.begin() + std::ptrdiff_t(n));
    EXPECT_FALSE(MeasureMidi(cut).Ok) << n;
  }
  EXPECT_FALSE(MeasureMidi(Bytes(64, 0xFF)).Ok);
  EXPECT_FALSE(MeasureMidi(Cat({Header(0, 1, 96), Track({0x00, 0x40, 0x40})})).Ok);  // no status
  EXPECT_FALSE(MeasureMidi(Cat({Header(0, 1, 96), Track({0xFF, 0xFF, 0xFF, 0xFF, 0x7F})})).Ok);
  EXPECT_FALSE(MeasureMidi(Cat({Header(0, 1, 0), Track(Cat({{0x00}, EndOfTrack}))})).Ok);
  EXPECT_FALSE(
      MeasureMidi(Cat({Header(0, 1, 96), Track(Cat({{0x00}, Tempo(0), {0}, EndOfTrack}))})).Ok);
  EXPECT_FALSE(MeasureMidiFile("/nonexistent/Krattle.mid").Ok);
}

}  // namespace
}  // namespace krattle::testing
