#include "render/set_file.h"

#include <string>

#include "render/byte_io.h"

namespace krattle {

namespace {

constexpr std::uint8_t ImageMagic[4] = {'K', 'G', 'F', 0x1A};
constexpr std::uint8_t WaveMagic[4] = {'K', 'W', 'V', 0x1A};

void WriteHeader(ByteWriter& w, const std::uint8_t (&magic)[4], std::size_t count) {
  w.Bytes(magic);
  w.U16(SetFileVersion);
  w.U16(0);
  w.U32(std::uint32_t(count));
}

IoResult Bad(const std::string& what) {
  return IoResult::Fail(what);
}
std::string ItemText(std::uint32_t n) {
  return "item " + std::to_string(n) + ": ";
}

IoResult ReadHeader(ByteReader& r, const std::uint8_t (&magic)[4], const char* kind,
                    std::uint32_t& count) {
  std::span<const std::uint8_t> m;
  std::uint16_t version = 0, reserved = 0;
  if (!r.Bytes(4, m) || !r.U16(version) || !r.U16(reserved) || !r.U32(count))
    return Bad(std::string("too short for a ") + kind + " header");
  if (!std::equal(m.begin(), m.end(), magic)) return Bad(std::string("not a ") + kind);
  if (version != SetFileVersion)
    return Bad(std::string(kind) + " version " + std::to_string(version) + " is not supported");
  if (reserved != 0) return Bad("header has unknown flags set");
  if (count > MaxSetItems) return Bad("item count " + std::to_string(count) + " is implausible");
  return {};
}

bool ReadFlag(ByteReader& r, bool& v) {
  std::uint8_t b = 0;
  if (!r.U8(b) || b > 1) return false;
  v = b != 0;
  return true;
}

IoResult ReadImageItem(ByteReader& r, std::uint32_t n, ImageItem& item) {
  std::uint16_t reserved = 0;
  std::uint32_t width = 0, height = 0;
  if (!r.U32(item.PatternWidth) || !r.U32(item.PatternHeight) || !r.U32(item.SkipWidth) ||
      !r.U32(item.SkipHeight))
    return Bad(ItemText(n) + "properties end early");
  if (!ReadFlag(r, item.SystemMemory) || !ReadFlag(r, item.Transparent) || !r.U16(reserved) ||
      reserved != 0)
    return Bad(ItemText(n) + "bad flags");
  if (!r.U32(item.TransparentColor) || item.TransparentColor > 0xFFFFFF)
    return Bad(ItemText(n) + "bad transparent colour");
  if (!r.U32(width) || !r.U32(height)) return Bad(ItemText(n) + "picture size ends early");
  if (width == 0 || height == 0 || width > MaxPictureSide || height > MaxPictureSide)
    return Bad(ItemText(n) + "implausible picture size " + std::to_string(width) + "x" +
               std::to_string(height));
  if (item.PatternWidth > width || item.PatternHeight > height || item.SkipWidth > width ||
      item.SkipHeight > height)
    return Bad(ItemText(n) + "pattern larger than its picture");
  const std::size_t bytes = std::size_t(width) * height * 3;
  std::span<const std::uint8_t> rgb;
  if (!r.Bytes(bytes, rgb)) return Bad(ItemText(n) + "picture data ends early");
  item.Pic = Picture(int(width), int(height));
  for (std::size_t i = 0; i < item.Pic.Pixels.size(); ++i)
    item.Pic.Pixels[i] = Rgb(rgb[3 * i]) << 16 | Rgb(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
  return {};
}

IoResult ReadWaveItem(ByteReader& r, std::uint32_t n, WaveItem& item) {
  std::uint8_t reserved8 = 0;
  std::uint16_t channels = 0, bits = 0, reserved16 = 0;
  std::uint32_t rate = 0, size = 0;
  if (!ReadFlag(r, item.Looped) || !r.U8(reserved8) || reserved8 != 0)
    return Bad(ItemText(n) + "bad flags");
  if (!r.U16(channels) || !r.U32(item.MaxPlayingCount) || !r.U32(rate) || !r.U16(bits) ||
      !r.U16(reserved16) || !r.U32(size))
    return Bad(ItemText(n) + "properties end early");
  if (channels < 1 || channels > 2 || (bits != 8 && bits != 16) || rate < 1000 || rate > 192000 ||
      reserved16 != 0)
    return Bad(ItemText(n) + "unsupported wave format");
  const std::uint32_t align = channels * bits / 8u;
  if (size > MaxWaveBytes || size % align != 0)
    return Bad(ItemText(n) + "implausible wave length " + std::to_string(size));
  std::span<const std::uint8_t> data;
  if (!r.Bytes(size, data)) return Bad(ItemText(n) + "wave data ends early");
  item.Data.Channels = channels;
  item.Data.BitsPerSample = bits;
  item.Data.SampleRate = int(rate);
  item.Data.Data.assign(data.begin(), data.end());
  return {};
}

template <typename List, typename ReadItem>
IoResult DecodeList(std::span<const std::uint8_t> bytes, const std::uint8_t (&magic)[4],
                    const char* kind, ReadItem readItem, List& out) {
  ByteReader r(bytes);
  std::uint32_t count = 0;
  if (auto h = ReadHeader(r, magic, kind, count); !h.Ok) return h;
  List list;
  list.Items.resize(count);
  for (std::uint32_t n = 0; n < count; ++n) {
    if (auto res = readItem(r, n, list.Items[n]); !res.Ok) return res;
  }
  if (r.Remaining() != 0)
    return Bad(std::to_string(r.Remaining()) + " unexpected bytes after the last item");
  out = std::move(list);
  return {};
}

IoResult WithPath(const std::filesystem::path& path, IoResult res) {
  if (!res.Ok) res.Message = "\"" + path.native() + "\": " + res.Message;
  return res;
}

template <typename List, typename Decode>
IoResult LoadList(const std::filesystem::path& path, std::size_t required, const char* noun,
                  Decode decode, List& out) {
  std::vector<std::uint8_t> bytes;
  if (auto res = ReadFileBytes(path, MaxSetFileBytes, bytes); !res.Ok) return res;
  List list;
  if (auto res = decode(bytes, list); !res.Ok) return WithPath(path, res);
  if (list.Items.size() < required)
    return WithPath(path, Bad("holds " + std::to_string(list.Items.size()) + " " + noun +
                              ", the game needs " + std::to_string(required)));
  out = std::move(list);
  return {};
}

}  // namespace

std::string PictureProblem(const Picture& pic) {
  if (pic.Width <= 0 || pic.Height <= 0 || std::uint32_t(pic.Width) > MaxPictureSide ||
      std::uint32_t(pic.Height) > MaxPictureSide)
    return "implausible picture size " + std::to_string(pic.Width) + "x" +
           std::to_string(pic.Height);
  return {};
}

std::string WaveProblem(const Wave& w) {
  if (w.Channels < 1 || w.Channels > 2 || (w.BitsPerSample != 8 && w.BitsPerSample != 16) ||
      w.SampleRate < 1000 || w.SampleRate > 192000)
    return "unsupported wave format";
  if (w.Data.size() > MaxWaveBytes || w.Data.size() % std::size_t(w.BlockAlign()) != 0)
    return "implausible wave length " + std::to_string(w.Data.size());
  return {};
}

std::vector<std::uint8_t> EncodeImageList(const ImageList& list) {
  ByteWriter w;
  WriteHeader(w, ImageMagic, list.Items.size());
  for (const auto& item : list.Items) {
    w.U32(item.PatternWidth);
    w.U32(item.PatternHeight);
    w.U32(item.SkipWidth);
    w.U32(item.SkipHeight);
    w.U8(item.SystemMemory);
    w.U8(item.Transparent);
    w.U16(0);
    w.U32(item.TransparentColor & 0xFFFFFF);
    w.U32(std::uint32_t(item.Pic.Width));
    w.U32(std::uint32_t(item.Pic.Height));
    for (Rgb c : item.Pic.Pixels) {
      w.U8(std::uint8_t(c >> 16));
      w.U8(std::uint8_t(c >> 8));
      w.U8(std::uint8_t(c));
    }
  }
  return std::move(w.Data());
}

std::vector<std::uint8_t> EncodeWaveList(const WaveList& list) {
  ByteWriter w;
  WriteHeader(w, WaveMagic, list.Items.size());
  for (const auto& item : list.Items) {
    w.U8(item.Looped);
    w.U8(0);
    w.U16(std::uint16_t(item.Data.Channels));
    w.U32(item.MaxPlayingCount);
    w.U32(std::uint32_t(item.Data.SampleRate));
    w.U16(std::uint16_t(item.Data.BitsPerSample));
    w.U16(0);
    w.U32(std::uint32_t(item.Data.Data.size()));
    w.Bytes(item.Data.Data);
  }
  return std::move(w.Data());
}

IoResult DecodeImageList(std::span<const std::uint8_t> bytes, ImageList& out) {
  return DecodeList(bytes, ImageMagic, "graphics set", ReadImageItem, out);
}

IoResult DecodeWaveList(std::span<const std::uint8_t> bytes, WaveList& out) {
  return DecodeList(bytes, WaveMagic, "sound set", ReadWaveItem, out);
}

IoResult LoadImageList(const std::filesystem::path& path, std::size_t requiredItems,
                       ImageList& out) {
  return LoadList(path, requiredItems, "pictures", DecodeImageList, out);
}

IoResult LoadWaveList(const std::filesystem::path& path, std::size_t requiredItems, WaveList& out) {
  return LoadList(path, requiredItems, "waves", DecodeWaveList, out);
}

IoResult SaveImageList(const std::filesystem::path& path, const ImageList& list) {
  return WriteFileBytes(path, EncodeImageList(list));
}

IoResult SaveWaveList(const std::filesystem::path& path, const WaveList& list) {
  return WriteFileBytes(path, EncodeWaveList(list));
}

}  // namespace krattle
