#pragma once
// Pictures and waves as the sets hold them: plain memory, no device objects. The platform ring
// turns them into textures and mixer chunks.

#include <cstdint>
#include <vector>

namespace krattle {

// 24-bit colour as 0xRRGGBB.
using Rgb = std::uint32_t;

inline constexpr Rgb TransparentMagenta = 0xFF00FF;

struct Picture {
  int Width = 0;
  int Height = 0;
  std::vector<Rgb> Pixels;  // row-major, top row first

  Picture() = default;
  Picture(int w, int h, Rgb fill = 0) : Width(w), Height(h), Pixels(std::size_t(w) * h, fill) {}
  Rgb At(int x, int y) const { return Pixels[std::size_t(y) * Width + x]; }
  Rgb& At(int x, int y) { return Pixels[std::size_t(y) * Width + x]; }
  bool operator==(const Picture&) const = default;
};

// Uncompressed PCM, interleaved, little-endian samples as in a WAV file.
struct Wave {
  int Channels = 1;
  int SampleRate = 22050;
  int BitsPerSample = 16;
  std::vector<std::uint8_t> Data;

  int BlockAlign() const { return Channels * BitsPerSample / 8; }
  std::size_t FrameCount() const { return BlockAlign() ? Data.size() / BlockAlign() : 0; }
  bool operator==(const Wave&) const = default;
};

}  // namespace krattle
