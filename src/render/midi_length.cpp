#include "render/midi_length.h"

#include <algorithm>
#include <map>
#include <vector>

#include "core/file_bytes.h"

namespace krattle {

namespace {

constexpr std::uint32_t DefaultTempo = 500000;  // microseconds per quarter note
constexpr std::uint16_t MaxTracks = 1024;
constexpr std::uint64_t MaxMidiBytes = 16u << 20;
// Keeps ticks times tempo inside 64 bits.
constexpr std::uint64_t MaxTicks = 1ull << 36;

// Big-endian reader; MIDI is the one big-endian format here.
class MidiReader {
 public:
  MidiReader(std::span<const std::uint8_t> b) : b_(b) {}
  std::size_t Left() const { return b_.size() - pos_; }
  bool Skip(std::size_t n) {
    if (n > Left()) return false;
    pos_ += n;
    return true;
  }
  bool U8(std::uint8_t& v) {
    if (Left() < 1) return false;
    v = b_[pos_++];
    return true;
  }
  bool Peek(std::uint8_t& v) const {
    if (Left() < 1) return false;
    v = b_[pos_];
    return true;
  }
  bool BE(int bytes, std::uint32_t& v) {
    if (Left() < std::size_t(bytes)) return false;
    v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | b_[pos_++];
    return true;
  }
  // Variable-length quantity, at most four bytes.
  bool Var(std::uint32_t& v) {
    v = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t c = 0;
      if (!U8(c)) return false;
      v = v << 7 | (c & 0x7F);
      if (!(c & 0x80)) return true;
    }
    return false;
  }
  bool Sub(std::size_t n, MidiReader& out) {
    if (n > Left()) return false;
    out = MidiReader(b_.subspan(pos_, n));
    pos_ += n;
    return true;
  }

 private:
  std::span<const std::uint8_t> b_;
  std::size_t pos_ = 0;
};

MidiLength Fail(std::string m) {
  return {false, 0, std::move(m)};
}

int DataBytesOf(std::uint8_t status) {
  switch (status & 0xF0) {
    case 0xC0:
    case 0xD0: return 1;
    default: return 2;
  }
}

// Walks one track: collects tempo changes and returns the tick of its End of Track.
bool ScanTrack(MidiReader r, std::map<std::uint64_t, std::uint32_t>& tempos, std::uint64_t& end,
               std::string& why) {
  std::uint64_t tick = 0;
  std::uint8_t running = 0;
  while (true) {
    std::uint32_t delta = 0;
    std::uint8_t status = 0;
    if (!r.Var(delta) || !r.Peek(status)) return why = "track ends without End of Track", false;
    tick += delta;
    if (tick > MaxTicks) return why = "implausibly long track", false;
    if (status & 0x80) {
      r.U8(status);
    } else if (running) {
      status = running;
    } else {
      return why = "data byte without a status", false;
    }
    if (status == 0xFF) {
      std::uint8_t type = 0;
      std::uint32_t len = 0;
      if (!r.U8(type) || !r.Var(len)) return why = "meta event ends early", false;
      MidiReader data({});
      if (!r.Sub(len, data)) return why = "meta event longer than its track", false;
      if (type == 0x2F) {
        end = tick;
        return true;
      }
      if (type == 0x51) {
        std::uint32_t tempo = 0;
        if (len != 3 || !data.BE(3, tempo) || tempo == 0) return why = "bad tempo event", false;
        tempos[tick] = tempo;
      }
      running = 0;
    } else if (status == 0xF0 || status == 0xF7) {
      std::uint32_t len = 0;
      if (!r.Var(len) || !r.Skip(len)) return why = "system exclusive event ends early", false;
      running = 0;
    } else if (status >= 0xF0) {
      return why = "unexpected system message in a track", false;
    } else {
      if (!r.Skip(DataBytesOf(status))) return why = "channel event ends early", false;
      running = status;
    }
  }
}

}  // namespace

MidiLength MeasureMidi(std::span<const std::uint8_t> bytes) {
  MidiReader r(bytes);
  std::uint32_t magic = 0, headerLen = 0, format = 0, trackCount = 0, division = 0;
  if (!r.BE(4, magic) || magic != 0x4D546864) return Fail("not a MIDI file");
  if (!r.BE(4, headerLen) || headerLen < 6 || !r.BE(2, format) || !r.BE(2, trackCount) ||
      !r.BE(2, division) || !r.Skip(headerLen - 6))
    return Fail("MIDI header ends early");
  if (format > 2) return Fail("unknown MIDI format " + std::to_string(format));
  if (trackCount == 0 || trackCount > MaxTracks) return Fail("implausible track count");
  if (division == 0) return Fail("MIDI header has no time division");

  std::map<std::uint64_t, std::uint32_t> tempos;
  std::uint64_t lastTick = 0;
  for (std::uint32_t t = 0; t < trackCount; ++t) {
    std::uint32_t chunk = 0, len = 0;
    MidiReader track({});
    // Unknown chunks may sit between tracks and are skipped.
    while (true) {
      if (!r.BE(4, chunk) || !r.BE(4, len)) return Fail("MIDI file ends before all its tracks");
      if (chunk == 0x4D54726B) break;
      if (!r.Skip(len)) return Fail("MIDI chunk longer than the file");
    }
    if (!r.Sub(len, track)) return Fail("MIDI track longer than the file");
    std::uint64_t end = 0;
    std::string why;
    if (!ScanTrack(track, tempos, end, why)) return Fail("track " + std::to_string(t) + ": " + why);
    lastTick = std::max(lastTick, end);
  }

  if (division & 0x8000) {
    // SMPTE: frames per second times ticks per frame, no tempo map.
    const int fps = 256 - int(division >> 8);
    const int perFrame = int(division & 0xFF);
    if (fps <= 0 || perFrame == 0) return Fail("bad SMPTE time division");
    return {true, lastTick * 1000 / (std::uint64_t(fps) * perFrame), {}};
  }
  // Tick-microseconds summed span by span and divided once, so rounding never accumulates.
  std::uint64_t tickMicros = 0, tick = 0;
  std::uint32_t tempo = DefaultTempo;
  for (const auto& [at, next] : tempos) {
    if (at >= lastTick) break;
    tickMicros += (at - tick) * tempo;
    tick = at;
    tempo = next;
  }
  tickMicros += (lastTick - tick) * tempo;
  return {true, tickMicros / division / 1000, {}};
}

MidiLength MeasureMidiFile(const std::filesystem::path& path) {
  std::vector<std::uint8_t> bytes;
  if (auto res = ReadFileBytes(path, MaxMidiBytes, bytes); !res.Ok) return Fail(res.Message);
  return MeasureMidi(bytes);
}

}  // namespace krattle
