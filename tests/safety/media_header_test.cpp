// BMP and WAV files given to pack: headers are judged before SDL allocates what they claim.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/file_bytes.h"
#include "platform/sdl_media_codec.h"
#include "render/byte_io.h"
#include "render/media_headers.h"
#include "render/set_packing.h"
#include "safety_util.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct BmpSpec {
  std::uint32_t InfoSize = 40;
  std::int32_t Width = 2;
  std::int32_t Height = 2;
  std::uint16_t Bits = 24;
  std::uint32_t Compression = 0;
  std::uint32_t ColorsUsed = 0;
  std::uint32_t PaletteColors = 0;    // entries actually written
  std::size_t PixelBytes = SIZE_MAX;  // as many as the picture needs when SIZE_MAX
  Bytes Pixels;                       // written before any zero filling
};

Bytes MakeBmp(const BmpSpec& s) {
  ByteWriter w;
  const std::uint32_t entry = s.InfoSize == 12 ? 3 : 4;
  const std::uint32_t offBits = 14 + s.InfoSize + s.PaletteColors * entry;
  std::size_t pixelBytes = s.PixelBytes;
  if (pixelBytes == SIZE_MAX)
    pixelBytes = std::size_t((std::uint64_t(s.Width) * s.Bits + 31) / 32 * 4) *
                 std::size_t(s.Height < 0 ? -std::int64_t(s.Height) : s.Height);
  w.Text("BM");
  w.U32(std::uint32_t(offBits + pixelBytes));
  w.U32(0);
  w.U32(offBits);
  w.U32(s.InfoSize);
  if (s.InfoSize == 12) {
    w.U16(std::uint16_t(s.Width));
    w.U16(std::uint16_t(s.Height));
    w.U16(1);
    w.U16(s.Bits);
  } else {
    w.U32(std::uint32_t(s.Width));
    w.U32(std::uint32_t(s.Height));
    w.U16(1);
    w.U16(s.Bits);
    w.U32(s.Compression);
    w.U32(0);
    w.U32(2835);
    w.U32(2835);
    w.U32(s.ColorsUsed);
    w.U32(0);
    for (std::uint32_t i = 40; i < s.InfoSize; ++i) w.U8(0);
  }
  for (std::uint32_t c = 0; c < s.PaletteColors; ++c) {
    // Colour c is (c, 2c, 3c) so a decoded pixel tells which entry it came from.
    w.U8(std::uint8_t(3 * c));
    w.U8(std::uint8_t(2 * c));
    w.U8(std::uint8_t(c));
    if (entry == 4) w.U8(0);
  }
  Bytes out = std::move(w.Data());
  out.insert(out.end(), s.Pixels.begin(), s.Pixels.end());
  if (s.Pixels.size() < pixelBytes) out.resize(out.size() + pixelBytes - s.Pixels.size(), 0);
  return out;
}

struct WavSpec {
  std::uint16_t Tag = 1;
  std::uint16_t Channels = 1;
  std::uint32_t Rate = 22050;
  std::uint16_t BlockAlign = 2;
  std::uint16_t Bits = 16;
  Bytes FmtExtra;
  std::uint32_t DataClaim = UINT32_MAX;  // the real length when UINT32_MAX
  Bytes Data;
  bool DataFirst = false;
  std::uint32_t FmtClaim = 0;  // the real length when 0
};

Bytes MakeWav(const WavSpec& s) {
  ByteWriter fmt;
  fmt.U16(s.Tag);
  fmt.U16(s.Channels);
  fmt.U32(s.Rate);
  fmt.U32(s.Rate * s.BlockAlign);
  fmt.U16(s.BlockAlign);
  fmt.U16(s.Bits);
  fmt.Bytes(s.FmtExtra);
  ByteWriter data;
  data.Text("data");
  data.U32(s.DataClaim == UINT32_MAX ? std::uint32_t(s.Data.size()) : s.DataClaim);
  data.Bytes(s.Data);
  if (s.Data.size() % 2) data.U8(0);
  ByteWriter w;
  w.Text("RIFF");
  w.U32(std::uint32_t(4 + 8 + fmt.Data().size() + data.Data().size()));
  w.Text("WAVE");
  if (s.DataFirst) w.Bytes(data.Data());
  w.Text("fmt ");
  w.U32(s.FmtClaim ? s.FmtClaim : std::uint32_t(fmt.Data().size()));
  w.Bytes(fmt.Data());
  if (!s.DataFirst) w.Bytes(data.Data());
  return std::move(w.Data());
}

class MediaHeaders : public ::testing::Test {
 protected:
  fs::path Write(const std::string& name, const Bytes& bytes) {
    const fs::path p = dir_.Path() / name;
    EXPECT_TRUE(WriteFileBytes(p, bytes).Ok);
    return p;
  }
  // Loads through the codec and expects a refusal naming the file and `reason`.
  void ExpectBmpRefused(const BmpSpec& spec, const std::string& reason) {
    const fs::path p = Write("refused.bmp", MakeBmp(spec));
    Picture pic;
    const IoResult res = codec_.LoadBmp(p, pic);
    ASSERT_FALSE(res.Ok);
    EXPECT_NE(res.Message.find(p.native()), std::string::npos) << res.Message;
    EXPECT_NE(res.Message.find(reason), std::string::npos) << res.Message;
  }
  void ExpectWavRefused(const Bytes& bytes, const std::string& reason) {
    const fs::path p = Write("refused.wav", bytes);
    Wave wave;
    const IoResult res = codec_.LoadWav(p, wave);
    ASSERT_FALSE(res.Ok);
    EXPECT_NE(res.Message.find(p.native()), std::string::npos) << res.Message;
    EXPECT_NE(res.Message.find(reason), std::string::npos) << res.Message;
  }

  ScratchFolder dir_{"media"};
  SdlMediaCodec codec_;
};

TEST_F(MediaHeaders, AbsurdPictureSidesAreRefusedBeforeDecoding) {
  // 154 bytes that claim 65536x65536: SDL alone would allocate 12 GB before noticing.
  BmpSpec huge;
  huge.InfoSize = 124;
  huge.Width = huge.Height = 65536;
  huge.PixelBytes = 0;
  const Bytes bytes = MakeBmp(huge);
  EXPECT_EQ(bytes.size(), 138u);
  ExpectBmpRefused(huge, "65536x65536");

  BmpSpec tall;
  tall.Height = INT32_MIN;  // top-down, and no positive counterpart
  tall.PixelBytes = 0;
  ExpectBmpRefused(tall, "larger than 8192x8192");

  BmpSpec core;  // the old header's sides are unsigned 16-bit
  core.InfoSize = 12;
  core.Width = core.Height = 65535;
  core.PixelBytes = 0;
  ExpectBmpRefused(core, "65535x65535");

  BmpSpec empty;
  empty.Width = 0;
  ExpectBmpRefused(empty, "is empty");
}

TEST_F(MediaHeaders, PixelsTheFileDoesNotHoldAreRefused) {
  // Within the side limit, yet far more pixels than the file holds.
  BmpSpec big;
  big.Width = big.Height = 8000;
  big.PixelBytes = 16;
  ExpectBmpRefused(big, "needs 192000000 bytes of pixels, the file holds 16");

  BmpSpec one;
  one.Bits = 1;
  one.Width = 4096;
  one.Height = 4096;
  one.PaletteColors = 2;
  one.PixelBytes = 100;
  ExpectBmpRefused(one, "needs 2097152 bytes");

  BmpSpec start;
  start.PixelBytes = 0;
  Bytes bytes = MakeBmp(start);
  bytes[10] = 0xFF;  // pixels start far past the end
  const fs::path p = Write("start.bmp", bytes);
  Picture pic;
  const IoResult res = codec_.LoadBmp(p, pic);
  EXPECT_FALSE(res.Ok);
  EXPECT_NE(res.Message.find("past the end of the file"), std::string::npos) << res.Message;
}

TEST_F(MediaHeaders, UnknownDepthsCompressionsAndPalettesAreRefused) {
  BmpSpec depth;
  depth.Bits = 7;
  ExpectBmpRefused(depth, "7 bits per pixel");
  BmpSpec jpeg;
  jpeg.Compression = 4;
  ExpectBmpRefused(jpeg, "compression 4 is not supported");
  BmpSpec rle;
  rle.Compression = 2;  // RLE4 needs 4-bit pixels
  rle.Bits = 8;
  rle.PaletteColors = 16;
  ExpectBmpRefused(rle, "RLE4 compression with 8 bits");
  BmpSpec rleHuge;
  rleHuge.Compression = 1;
  rleHuge.Bits = 8;
  rleHuge.Width = rleHuge.Height = 100000;
  rleHuge.PaletteColors = 2;
  rleHuge.PixelBytes = 2;
  ExpectBmpRefused(rleHuge, "100000x100000");
  BmpSpec palette;
  palette.Bits = 1;
  palette.ColorsUsed = 3;
  palette.PaletteColors = 3;
  ExpectBmpRefused(palette, "palette of 3 colours");
  BmpSpec header;
  header.InfoSize = 20;
  ExpectBmpRefused(header, "BMP header of 20 bytes");

  const fs::path nothing = Write("nothing.bmp", {});
  Picture pic;
  IoResult res = codec_.LoadBmp(nothing, pic);
  EXPECT_FALSE(res.Ok);
  EXPECT_NE(res.Message.find("empty file"), std::string::npos) << res.Message;
  res = codec_.LoadBmp(Write("short.bmp", {'B', 'M', 1, 2, 3}), pic);
  EXPECT_FALSE(res.Ok);
  EXPECT_NE(res.Message.find("ends early"), std::string::npos) << res.Message;
}

TEST_F(MediaHeaders, SoundPicturesOfEveryDepthStillLoad) {
  // 1-bit: rows of 4 bytes; pixel 0 of row 0 (the bottom row) uses colour 1.
  BmpSpec one;
  one.Bits = 1;
  one.Width = 3;
  one.Height = 2;
  one.PaletteColors = 2;
  one.Pixels = {0x80, 0, 0, 0, 0x40, 0, 0, 0};
  Picture pic;
  IoResult res = codec_.LoadBmp(Write("one.bmp", MakeBmp(one)), pic);
  ASSERT_TRUE(res.Ok) << res.Message;
  ASSERT_EQ(pic.Width, 3);
  EXPECT_EQ(pic.At(0, 1), 0x010203u);
  EXPECT_EQ(pic.At(1, 0), 0x010203u);
  EXPECT_EQ(pic.At(0, 0), 0u);

  BmpSpec eight;
  eight.Bits = 8;
  eight.Width = 2;
  eight.Height = -2;  // top row first
  eight.PaletteColors = eight.ColorsUsed = 8;
  eight.Pixels = {5, 7, 0, 0, 1, 2, 0, 0};
  res = codec_.LoadBmp(Write("eight.bmp", MakeBmp(eight)), pic);
  ASSERT_TRUE(res.Ok) << res.Message;
  EXPECT_EQ(pic.At(0, 0), 0x050A0Fu);
  EXPECT_EQ(pic.At(1, 1), 0x020406u);

  // RLE8: a run of 2 of colour 3, end of line, a run of 2 of colour 4, end of picture.
  BmpSpec rle;
  rle.Bits = 8;
  rle.Compression = 1;
  rle.Width = rle.Height = 2;
  rle.PaletteColors = rle.ColorsUsed = 8;
  rle.Pixels = {2, 3, 0, 0, 2, 4, 0, 1};
  rle.PixelBytes = rle.Pixels.size();
  res = codec_.LoadBmp(Write("rle.bmp", MakeBmp(rle)), pic);
  ASSERT_TRUE(res.Ok) << res.Message;
  EXPECT_EQ(pic.At(0, 1), 0x030609u);
  EXPECT_EQ(pic.At(1, 0), 0x04080Cu);

  BmpSpec core;
  core.InfoSize = 12;
  core.Width = 1;
  core.Height = 1;
  core.Pixels = {0x10, 0x20, 0x30, 0};
  res = codec_.LoadBmp(Write("core.bmp", MakeBmp(core)), pic);
  ASSERT_TRUE(res.Ok) << res.Message;
  EXPECT_EQ(pic.At(0, 0), 0x302010u);
}

TEST_F(MediaHeaders, WaveHeadersThatClaimTooMuchAreRefused) {
  WavSpec longer;
  longer.Data = {1, 2, 3, 4};
  longer.DataClaim = 0x7FFFFFF0;
  ExpectWavRefused(MakeWav(longer), "data chunk claims 2147483632 bytes, the file holds 4");
  WavSpec fmt;
  fmt.FmtClaim = 0xFFFFFFF0;
  ExpectWavRefused(MakeWav(fmt), "runs past the end of the file");
  WavSpec channels;
  channels.Channels = 200;
  channels.BlockAlign = 400;
  ExpectWavRefused(MakeWav(channels), "200 channels");
  WavSpec rate;
  rate.Rate = 0;
  ExpectWavRefused(MakeWav(rate), "sample rate of 0 Hz");
  rate.Rate = 4000000000u;
  ExpectWavRefused(MakeWav(rate), "sample rate of 4000000000 Hz");
  WavSpec deep;
  deep.Bits = 24;
  deep.BlockAlign = 3;
  ExpectWavRefused(MakeWav(deep), "24-bit samples");
  WavSpec align;
  align.BlockAlign = 0;
  ExpectWavRefused(MakeWav(align), "block size 0");
  WavSpec order;
  order.DataFirst = true;
  ExpectWavRefused(MakeWav(order), "before the format chunk");
  WavSpec real;
  real.Tag = 3;
  real.Bits = 32;
  real.BlockAlign = 4;
  ExpectWavRefused(MakeWav(real), "floating-point");
  WavSpec unknown;
  unknown.Tag = 0x55;
  ExpectWavRefused(MakeWav(unknown), "sound format 85");

  ExpectWavRefused({}, "empty file");
  ExpectWavRefused({'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}, "no format chunk");
  Bytes noData = MakeWav(WavSpec{});
  noData.resize(noData.size() - 8);
  ExpectWavRefused(noData, "no data chunk");
}

TEST_F(MediaHeaders, AdpcmHeadersAreJudgedBeforeDecoding) {
  WavSpec tiny;
  tiny.Tag = 0x11;
  tiny.Bits = 4;
  tiny.BlockAlign = 4;  // no room after the block header
  tiny.FmtExtra = {2, 0, 1, 0};
  ExpectWavRefused(MakeWav(tiny), "ADPCM of 4 bits in blocks of 4 bytes");
  // Every ADPCM byte decodes to four: 20 MB of data would be 80 MB of sound.
  WavSpec longSound;
  longSound.Tag = 2;
  longSound.Bits = 4;
  longSound.BlockAlign = 256;
  longSound.Data.assign(20u << 20, 0);
  ExpectWavRefused(MakeWav(longSound), "the sound is too long");

  // One IMA ADPCM block of silence: a 4-byte header and 32 bytes, 65 samples.
  WavSpec ima;
  ima.Tag = 0x11;
  ima.Rate = 8000;
  ima.Bits = 4;
  ima.BlockAlign = 36;
  ima.FmtExtra = {2, 0, 65, 0};
  ima.Data.assign(36, 0);
  Wave wave;
  const IoResult res = codec_.LoadWav(Write("ima.wav", MakeWav(ima)), wave);
  ASSERT_TRUE(res.Ok) << res.Message;
  EXPECT_EQ(wave.BitsPerSample, 16);
  EXPECT_EQ(wave.FrameCount(), 65u);
}

TEST_F(MediaHeaders, SoundWavesStillLoad) {
  WavSpec empty;  // no samples at all is still a sound
  Wave wave;
  IoResult res = codec_.LoadWav(Write("empty.wav", MakeWav(empty)), wave);
  ASSERT_TRUE(res.Ok) << res.Message;
  EXPECT_TRUE(wave.Data.empty());

  WavSpec eight;
  eight.Channels = 2;
  eight.Bits = 8;
  eight.Rate = 11025;
  eight.Data = {1, 2, 3};  // an odd length: the last, half frame is dropped
  res = codec_.LoadWav(Write("eight.wav", MakeWav(eight)), wave);
  ASSERT_TRUE(res.Ok) << res.Message;
  EXPECT_EQ(wave.Data, (Bytes{1, 2}));
  EXPECT_EQ(wave.SampleRate, 11025);

  // An extensible header around PCM.
  WavSpec ext;
  ext.Tag = 0xFFFE;
  ext.FmtExtra = {22, 0, 16,   0, 4,    0, 0, 0,    1, 0,    0,    0,
                  0,  0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
  ext.Data = {0, 1, 2, 3};
  res = codec_.LoadWav(Write("ext.wav", MakeWav(ext)), wave);
  ASSERT_TRUE(res.Ok) << res.Message;
  EXPECT_EQ(wave.FrameCount(), 2u);
}

TEST_F(MediaHeaders, PackNamesTheFileWhoseHeaderIsRefused) {
  const fs::path folder = dir_.Path() / "pics";
  fs::create_directories(folder);
  BmpSpec ok;
  ASSERT_TRUE(WriteFileBytes(folder / "000.bmp", MakeBmp(ok)).Ok);
  BmpSpec huge;
  huge.Width = huge.Height = 65536;
  huge.PixelBytes = 0;
  ASSERT_TRUE(WriteFileBytes(folder / "001.bmp", MakeBmp(huge)).Ok);
  const PackResult res = PackSet(folder, dir_.Path() / "out.kgf", codec_);
  EXPECT_FALSE(res.Io.Ok);
  EXPECT_NE(res.Io.Message.find("001.bmp"), std::string::npos) << res.Io.Message;
  EXPECT_FALSE(fs::exists(dir_.Path() / "out.kgf"));
}

}  // namespace
}  // namespace krattle::testing
