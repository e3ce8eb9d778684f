#include "render/set_file.h"

#include <gtest/gtest.h>

#include "core/file_bytes.h"
#include "render_test_util.h"

namespace krattle::testing {
namespace {

ImageList SmallImages() {
  ImageList list;
  for (int n = 0; n < 3; ++n) {
    ImageItem item;
    item.Pic = Picture(2 + n, 3, 0x102030 * Rgb(n + 1));
    item.Pic.At(0, 0) = TransparentMagenta;
    item.PatternWidth = n;
    item.SkipHeight = 1;
    item.Transparent = n != 1;
    item.SystemMemory = n != 2;
    item.TransparentColor = n == 0 ? TransparentMagenta : 0x00FF00;
    list.Items.push_back(item);
  }
  return list;
}

WaveList SmallWaves() {
  WaveList list;
  for (int n = 0; n < 2; ++n) {
    WaveItem item;
    item.Data.Channels = n + 1;
    item.Data.SampleRate = 11025 * (n + 1);
    item.Data.BitsPerSample = 16;
    item.Data.Data = {1, 2, 3, 4, 5, 6, 7, 8};
    item.Looped = n == 1;
    item.MaxPlayingCount = 3 * n;
    list.Items.push_back(item);
  }
  return list;
}

TEST(SetFile, ImagesAndWavesSurviveEncodeAndDecode) {
  const ImageList images = SmallImages();
  ImageList imagesBack;
  ASSERT_TRUE(DecodeImageList(EncodeImageList(images), imagesBack).Ok);
  EXPECT_EQ(imagesBack.Items, images.Items);

  const WaveList waves = SmallWaves();
  WaveList wavesBack;
  ASSERT_TRUE(DecodeWaveList(EncodeWaveList(waves), wavesBack).Ok);
  EXPECT_EQ(wavesBack.Items, waves.Items);

  // The two kinds are not interchangeable.
  EXPECT_FALSE(DecodeImageList(EncodeWaveList(waves), imagesBack).Ok);
  EXPECT_FALSE(DecodeWaveList(EncodeImageList(images), wavesBack).Ok);
}

TEST(SetFile, EveryTruncationIsRefusedAndLeavesTheListAlone) {
  const auto images = EncodeImageList(SmallImages());
  const auto waves = EncodeWaveList(SmallWaves());
  ImageList keptImages = SmallImages();
  WaveList keptWaves = SmallWaves();
  for (std::size_t n = 0; n < images.size(); ++n) {
    ASSERT_FALSE(DecodeImageList(std::span(images.data(), n), keptImages).Ok) << n;
  }
  for (std::size_t n = 0; n < waves.size(); ++n) {
    ASSERT_FALSE(DecodeWaveList(std::span(waves.data(), n), keptWaves).Ok) << n;
  }
  EXPECT_EQ(keptImages.Items, SmallImages().Items);
  EXPECT_EQ(keptWaves.Items, SmallWaves().Items);
}

TEST(SetFile, TrailingBytesAndBadFieldsAreRefused) {
  ImageList out;
  auto bytes = EncodeImageList(SmallImages());
  bytes.push_back(0);
  EXPECT_FALSE(DecodeImageList(bytes, out).Ok);

  auto patch32 = [](std::vector<std::uint8_t> b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = std::uint8_t(v >> (8 * i));
    return b;
  };
  const auto good = EncodeImageList(SmallImages());
  // Offsets: header 12 bytes, then item 0: four sizes, flags at 28, colour at 32, picture
  // size at 36 and 40.
  EXPECT_FALSE(DecodeImageList(patch32(good, 8, 0xFFFFFFFF), out).Ok);   // item count
  EXPECT_FALSE(DecodeImageList(patch32(good, 36, 0x7FFFFFFF), out).Ok);  // width
  EXPECT_FALSE(DecodeImageList(patch32(good, 40, 0), out).Ok);           // height 0
  EXPECT_FALSE(DecodeImageList(patch32(good, 12, 99), out).Ok);          // pattern > picture
  EXPECT_FALSE(DecodeImageList(patch32(good, 28, 0x00000002), out).Ok);  // flag not 0/1
  EXPECT_FALSE(DecodeImageList(patch32(good, 32, 0x01000000), out).Ok);  // colour > 24 bits
  EXPECT_FALSE(DecodeImageList(patch32(good, 4, 2), out).Ok);            // version 2
  auto noMagic = good;
  noMagic[0] = 'X';
  const auto r = DecodeImageList(noMagic, out);
  EXPECT_FALSE(r.Ok);
  EXPECT_NE(r.Message.find("not a graphics set"), std::string::npos);

  WaveList w;
  const auto wave = EncodeWaveList(SmallWaves());
  // Wave 0: flags 12..13, channels 14, max plays 16, rate 20, bits 24, length 28.
  EXPECT_FALSE(DecodeWaveList(patch32(wave, 28, 0x7FFFFFFE), w).Ok);  // longer than the file
  EXPECT_FALSE(DecodeWaveList(patch32(wave, 28, 7), w).Ok);           // not whole samples
  EXPECT_FALSE(DecodeWaveList(patch32(wave, 20, 5), w).Ok);           // sample rate
  EXPECT_FALSE(DecodeWaveList(patch32(wave, 24, 12), w).Ok);          // 12 bits
}

TEST(SetFile, LoadRefusesAShortSetAndSaveLoadRoundTrips) {
  ScratchDir dir;
  ASSERT_TRUE(SaveImageList(dir / "three.kgf", SmallImages()).Ok);
  ImageList list;
  auto res = LoadImageList(dir / "three.kgf", TileSetItems, list);
  EXPECT_FALSE(res.Ok);
  EXPECT_NE(res.Message.find("holds 3 pictures, the game needs 325"), std::string::npos)
      << res.Message;
  EXPECT_TRUE(list.Items.empty());
  ASSERT_TRUE(LoadImageList(dir / "three.kgf", 3, list).Ok);
  EXPECT_EQ(list.Items, SmallImages().Items);

  ASSERT_TRUE(SaveWaveList(dir / "two.kwv", SmallWaves()).Ok);
  WaveList waves;
  EXPECT_FALSE(LoadWaveList(dir / "two.kwv", SoundSetWaves, waves).Ok);
  EXPECT_FALSE(LoadWaveList(dir / "missing.kwv", 0, waves).Ok);
}

// Damage a real generated set: a cut anywhere or a changed header byte must be refused, and
// no flipped byte may crash the loader.
TEST(SetFile, DamagedGeneratedSetsAreRefused) {
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadFileBytes(GeneratedSet("Fonts.kgf"), MaxSetFileBytes, bytes).Ok);
  ImageList list;
  for (std::size_t cut : {std::size_t(0), std::size_t(5), std::size_t(11), std::size_t(13),
                          bytes.size() / 3, bytes.size() - 1})
    EXPECT_FALSE(DecodeImageList(std::span(bytes.data(), cut), list).Ok) << cut;
  for (std::size_t at = 0; at < 44; ++at) {
    auto damaged = bytes;
    damaged[at] ^= 0x80;
    // Only the transparent colour's low bytes can change into another legal value.
    const bool mayPass = at >= 32 && at < 35;
    const auto res = DecodeImageList(damaged, list);
    if (!mayPass) {
      EXPECT_FALSE(res.Ok) << at;
    }
  }
  std::uint32_t state = 1;
  for (int round = 0; round < 200; ++round) {
    auto damaged = bytes;
    state = state * 1664525u + 1013904223u;
    damaged[state % damaged.size()] ^= std::uint8_t(1 + (state >> 24) % 255);
    (void)DecodeImageList(damaged, list);
  }

  ASSERT_TRUE(ReadFileBytes(GeneratedSet("Sounds.kwv"), MaxSetFileBytes, bytes).Ok);
  WaveList waves;
  EXPECT_FALSE(DecodeWaveList(std::span(bytes.data(), bytes.size() - 2), waves).Ok);
  auto damaged = bytes;
  damaged[8] = 30;  // claims more waves than follow
  EXPECT_FALSE(DecodeWaveList(damaged, waves).Ok);
}

}  // namespace
}  // namespace krattle::testing
