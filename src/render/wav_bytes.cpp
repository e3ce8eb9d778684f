#include "render/wav_bytes.h"

#include "render/byte_io.h"

namespace krattle {

std::vector<std::uint8_t> EncodeWav(const Wave& wave) {
  const auto dataSize = std::uint32_t(wave.Data.size());
  ByteWriter w;
  w.Text("RIFF");
  w.U32(36 + dataSize + (dataSize & 1));
  w.Text("WAVE");
  w.Text("fmt ");
  w.U32(16);
  w.U16(1);  // PCM
  w.U16(std::uint16_t(wave.Channels));
  w.U32(std::uint32_t(wave.SampleRate));
  w.U32(std::uint32_t(wave.SampleRate * wave.BlockAlign()));
  w.U16(std::uint16_t(wave.BlockAlign()));
  w.U16(std::uint16_t(wave.BitsPerSample));
  w.Text("data");
  w.U32(dataSize);
  w.Bytes(wave.Data);
  if (dataSize & 1) w.U8(0);  // chunks are word-aligned
  return std::move(w.Data());
}

}  // namespace krattle
