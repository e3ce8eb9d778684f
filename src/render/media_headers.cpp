#include "render/media_headers.h"

#include <cstring>

#include "render/byte_io.h"
#include "render/set_file.h"

namespace krattle {

namespace {

std::string Num(std::uint64_t v) {
  return std::to_string(v);
}

bool IdIs(std::span<const std::uint8_t> id, const char* text) {
  return id.size() == 4 && std::memcmp(id.data(), text, 4) == 0;
}

// BMP compression methods the decoder knows.
constexpr std::uint32_t BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3;

// WAV format tags the decoder knows and our sets can hold once decoded.
constexpr std::uint16_t WavePcm = 1, WaveMsAdpcm = 2, WaveFloat = 3, WaveAlaw = 6, WaveMulaw = 7,
                        WaveImaAdpcm = 0x11, WaveExtensible = 0xFFFE;

}  // namespace

std::string BmpHeaderProblem(std::span<const std::uint8_t> bytes) {
  ByteReader r(bytes);
  std::span<const std::uint8_t> magic;
  std::uint32_t fileSize = 0, reserved = 0, offBits = 0, infoSize = 0;
  if (bytes.empty()) return "empty file, not a BMP picture";
  if (!r.Bytes(2, magic) || magic[0] != 'B' || magic[1] != 'M') return "not a BMP picture";
  if (!r.U32(fileSize) || !r.U32(reserved) || !r.U32(offBits) || !r.U32(infoSize))
    return "BMP header ends early";
  std::int64_t width = 0, height = 0;
  std::uint16_t planes = 0, bits = 0;
  std::uint32_t compression = BiRgb, colorsUsed = 0;
  if (infoSize == 12) {
    // The old core header: unsigned 16-bit sides.
    std::uint16_t w = 0, h = 0;
    if (!r.U16(w) || !r.U16(h) || !r.U16(planes) || !r.U16(bits)) return "BMP header ends early";
    width = w;
    height = h;
  } else if (infoSize >= 40 && infoSize <= 124) {
    std::uint32_t w = 0, h = 0, imageSize = 0, xRes = 0, yRes = 0;
    if (!r.U32(w) || !r.U32(h) || !r.U16(planes) || !r.U16(bits) || !r.U32(compression) ||
        !r.U32(imageSize) || !r.U32(xRes) || !r.U32(yRes) || !r.U32(colorsUsed))
      return "BMP header ends early";
    width = std::int32_t(w);
    height = std::int32_t(h);  // negative: rows stored top first
    if (!r.Has(infoSize - 36)) return "BMP header ends early";
  } else {
    return "BMP header of " + Num(infoSize) + " bytes is not a known kind";
  }
  const std::int64_t rows = height < 0 ? -height : height;
  if (width <= 0 || rows == 0) return "picture size " + Num(width) + "x" + Num(rows) + " is empty";
  if (width > MaxPictureSide || rows > MaxPictureSide)
    return "picture size " + Num(width) + "x" + Num(rows) + " is larger than " +
           Num(MaxPictureSide) + "x" + Num(MaxPictureSide);
  if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return Num(bits) + " bits per pixel is not a BMP depth";
  switch (compression) {
    case BiRgb: break;
    case BiRle8:
      if (bits != 8) return "RLE8 compression with " + Num(bits) + " bits per pixel";
      break;
    case BiRle4:
      if (bits != 4) return "RLE4 compression with " + Num(bits) + " bits per pixel";
      break;
    case BiBitfields:
      if (bits != 16 && bits != 32) return "bit-field pixels of " + Num(bits) + " bits";
      break;
    default: return "BMP compression " + Num(compression) + " is not supported";
  }
  if (bits <= 8) {
    const std::uint64_t colors = colorsUsed == 0 ? (1u << bits) : colorsUsed;
    if (colors > (1u << bits))
      return "palette of " + Num(colors) + " colours for " + Num(bits) + " bits per pixel";
  }
  if (offBits > bytes.size())
    return "pixels start at byte " + Num(offBits) + ", past the end of the file (" +
           Num(bytes.size()) + " bytes)";
  // Compressed rows may legitimately be far shorter than the picture; plain ones may not.
  if (compression == BiRgb || compression == BiBitfields) {
    const std::uint64_t rowBytes = (std::uint64_t(width) * bits + 31) / 32 * 4;
    const std::uint64_t need = rowBytes * std::uint64_t(rows);
    if (need > bytes.size() - offBits)
      return "a " + Num(width) + "x" + Num(rows) + " picture of " + Num(bits) +
             " bits per pixel needs " + Num(need) + " bytes of pixels, the file holds " +
             Num(bytes.size() - offBits);
  }
  return {};
}

std::string WavHeaderProblem(std::span<const std::uint8_t> bytes) {
  ByteReader r(bytes);
  std::span<const std::uint8_t> id, fmtBytes;
  std::uint32_t riffSize = 0;
  if (bytes.empty()) return "empty file, not a WAV sound";
  if (!r.Bytes(4, id) || !IdIs(id, "RIFF") || !r.U32(riffSize) || !r.Bytes(4, id) ||
      !IdIs(id, "WAVE"))
    return "not a WAV sound";
  bool haveFmt = false;
  std::uint32_t dataSize = 0;
  for (;;) {
    std::uint32_t size = 0;
    if (!r.Bytes(4, id) || !r.U32(size)) {
      if (!haveFmt) return "no format chunk";
      return "no data chunk";
    }
    if (IdIs(id, "data")) {
      if (!haveFmt) return "the data chunk comes before the format chunk";
      if (size > r.Remaining())
        return "the data chunk claims " + Num(size) + " bytes, the file holds " +
               Num(r.Remaining()) + " after it";
      dataSize = size;
      break;
    }
    std::span<const std::uint8_t> body;
    if (!r.Bytes(size, body))
      return "chunk of " + Num(size) + " bytes runs past the end of the file";
    if (IdIs(id, "fmt ")) {
      if (haveFmt) return "more than one format chunk";
      haveFmt = true;
      fmtBytes = body;
    }
    std::span<const std::uint8_t> pad;
    if (size % 2 == 1) (void)r.Bytes(1, pad);  // chunks are word-aligned; the last may not be
  }

  ByteReader f(fmtBytes);
  std::uint16_t tag = 0, channels = 0, blockAlign = 0, bits = 0;
  std::uint32_t rate = 0, byteRate = 0;
  if (!f.U16(tag) || !f.U16(channels) || !f.U32(rate) || !f.U32(byteRate) || !f.U16(blockAlign) ||
      !f.U16(bits))
    return "format chunk of " + Num(fmtBytes.size()) + " bytes is too short";
  if (tag == WaveExtensible) {
    // The real format is the first two bytes of the sub-format after the extension's header.
    std::uint16_t extSize = 0, validBits = 0;
    std::uint32_t channelMask = 0;
    if (!f.U16(extSize) || extSize < 22 || !f.U16(validBits) || !f.U32(channelMask) || !f.U16(tag))
      return "extensible format chunk is too short";
    if (tag != WavePcm) return "extensible format with sub-format " + Num(tag) + " is not PCM";
  }
  if (channels < 1 || channels > 2)
    return Num(channels) + " channels; only mono and stereo sounds are supported";
  if (rate < 1000 || rate > 192000)
    return "sample rate of " + Num(rate) + " Hz is outside 1000..192000";
  // How many bytes of samples a byte of data turns into once decoded.
  std::uint64_t growth = 1;
  switch (tag) {
    case WavePcm:
      if (bits != 8 && bits != 16)
        return Num(bits) + "-bit samples; only 8- and 16-bit PCM sounds are supported";
      if (blockAlign != channels * bits / 8)
        return "block size " + Num(blockAlign) + " does not fit " + Num(channels) +
               " channels of " + Num(bits) + " bits";
      break;
    case WaveAlaw:
    case WaveMulaw:
      if (bits != 8 || blockAlign != channels)
        return "companded samples of " + Num(bits) + " bits in blocks of " + Num(blockAlign);
      growth = 2;
      break;
    case WaveMsAdpcm:
    case WaveImaAdpcm: {
      // Each block starts with a header per channel: 7 bytes for one kind, 4 for the other.
      const unsigned header = (tag == WaveMsAdpcm ? 7u : 4u) * channels;
      if (bits != 4 || blockAlign <= header)
        return "ADPCM of " + Num(bits) + " bits in blocks of " + Num(blockAlign) + " bytes";
      growth = 4;
      break;
    }
    case WaveFloat: return "floating-point samples; only 8- and 16-bit PCM sounds are supported";
    default: return "sound format " + Num(tag) + " is not supported";
  }
  if (std::uint64_t(dataSize) * growth > MaxWaveBytes)
    return "the sound is too long (" + Num(dataSize) + " bytes of samples)";
  return {};
}

}  // namespace krattle
