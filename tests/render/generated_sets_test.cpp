// The sets the build generates: what the game relies on in them.

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/file_bytes.h"
#include "render/midi_length.h"
#include "render/set_file.h"
#include "render_test_util.h"

namespace krattle::testing {
namespace {

void ExpectTileSet(const char* name, int tile, int screenW, int screenH) {
  ImageList list;
  const auto res = LoadImageList(GeneratedSet(name), TileSetItems, list);
  ASSERT_TRUE(res.Ok) << res.Message;
  ASSERT_EQ(list.Items.size(), TileSetItems);
  for (std::size_t n = 0; n < 322; ++n) {
    EXPECT_EQ(list.Items[n].DrawWidth(), tile) << n;
    EXPECT_EQ(list.Items[n].DrawHeight(), tile) << n;
  }
  for (std::size_t n = 322; n < 325; ++n) {
    EXPECT_EQ(list.Items[n].Pic.Width, screenW) << n;
    EXPECT_EQ(list.Items[n].Pic.Height, screenH) << n;
  }
  for (const auto& item : list.Items) {
    EXPECT_TRUE(item.Transparent);
    EXPECT_EQ(item.TransparentColor, TransparentMagenta);
  }
  // The title picture leaves the wallpaper visible around the name; ground tiles cover
  // their whole cell.
  const auto& title = list.Items[322].Pic;
  EXPECT_EQ(title.At(0, 0), TransparentMagenta);
  for (std::size_t n : {97u, 133u, 153u})
    for (Rgb c : list.Items[n].Pic.Pixels) ASSERT_NE(c, TransparentMagenta) << n;
}

TEST(GeneratedSets, TileSetsHoldEveryPictureAtTheirSize) {
  ExpectTileSet("32x32.kgf", 32, 640, 408);
  ExpectTileSet("40x40.kgf", 40, 800, 504);
}

TEST(GeneratedSets, FontSetGlyphsAndStatusBars) {
  ImageList fonts;
  ASSERT_TRUE(LoadImageList(GeneratedSet("Fonts.kgf"), FontSetItems, fonts).Ok);
  ASSERT_EQ(fonts.Items.size(), FontSetItems);
  for (std::size_t n = 0; n < 70; ++n) EXPECT_EQ(fonts.Items[n].DrawWidth(), 16) << n;
  EXPECT_EQ(fonts.Items[71].Pic.Width, 640);
  EXPECT_EQ(fonts.Items[72].Pic.Width, 800);
  EXPECT_EQ(fonts.Items[71].Pic.Height, 24);
  // Icons must fit the 24-pixel band when drawn at y = 2.
  for (std::size_t n = 83; n < 116; ++n) EXPECT_LE(fonts.Items[n].Pic.Height, 22) << n;
  // The blank glyph draws nothing.
  for (Rgb c : fonts.Items[0].Pic.Pixels) ASSERT_EQ(c, TransparentMagenta);
}

int Sample(const Wave& w, std::size_t i) {
  return std::int16_t(w.Data[2 * i] | w.Data[2 * i + 1] << 8);
}

TEST(GeneratedSets, WavesAreCleanSixteenBitSounds) {
  WaveList waves;
  ASSERT_TRUE(LoadWaveList(GeneratedSet("Sounds.kwv"), SoundSetWaves, waves).Ok);
  ASSERT_EQ(waves.Items.size(), SoundSetWaves);
  for (std::size_t n = 0; n < waves.Items.size(); ++n) {
    const Wave& w = waves.Items[n].Data;
    ASSERT_EQ(w.BitsPerSample, 16);
    ASSERT_EQ(w.Channels, 1);
    const double seconds = double(w.FrameCount()) / w.SampleRate;
    EXPECT_GT(seconds, 0.03) << n;
    EXPECT_LT(seconds, 6.0) << n;
    int peak = 0;
    for (std::size_t i = 0; i < w.FrameCount(); ++i) peak = std::max(peak, std::abs(Sample(w, i)));
    EXPECT_GT(peak, 10000) << n;  // audible
    EXPECT_LT(peak, 32000) << n;  // headroom, never clipped
  }
  // The looping sounds: the step across the loop point is no bigger than the steps inside.
  for (std::size_t n : {13u, 20u}) {
    const Wave& w = waves.Items[n].Data;
    const std::size_t last = w.FrameCount() - 1;
    int largestStep = 0;
    for (std::size_t i = 1; i <= last; ++i)
      largestStep = std::max(largestStep, std::abs(Sample(w, i) - Sample(w, i - 1)));
    EXPECT_LE(std::abs(Sample(w, 0) - Sample(w, last)), largestStep / 2) << n;
  }
}

TEST(GeneratedSets, TitleMusicLastsOneToTwoMinutes) {
  const auto len = MeasureMidiFile(GeneratedSet("Krattle.mid"));
  ASSERT_TRUE(len.Ok) << len.Message;
  EXPECT_GE(len.Milliseconds, 60000u);
  EXPECT_LE(len.Milliseconds, 120000u);
}

TEST(GeneratedSets, GeneratingAgainGivesTheSameBytes) {
  ScratchDir dir;
  const std::string command =
      std::string("\"") + KRATTLE_BIN_DIR + "/krattle-assetgen\" \"" + dir.Path().string() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0);
  for (const char* name : {"32x32.kgf", "40x40.kgf", "Fonts.kgf", "Sounds.kwv", "Krattle.mid"}) {
    std::vector<std::uint8_t> a, b;
    ASSERT_TRUE(ReadFileBytes(GeneratedSet(name), MaxSetFileBytes, a).Ok);
    ASSERT_TRUE(ReadFileBytes(dir.Path() / "data" / "Krattle" / name, MaxSetFileBytes, b).Ok);
    EXPECT_TRUE(a == b) << name;
  }
}

}  // namespace
}  // namespace krattle::testing
