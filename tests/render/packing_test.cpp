#include <gtest/gtest.h>

#include "core/file_bytes.h"
#include "platform/sdl_media_codec.h"
#include "render/set_file.h"
#include "render/set_packing.h"
#include "render_test_util.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Bytes(const fs::path& p) {
  std::vector<std::uint8_t> b;
  EXPECT_TRUE(ReadFileBytes(p, MaxSetFileBytes, b).Ok) << p;
  return b;
}

TEST(Packing, KindFollowsTheExactExtension) {
  EXPECT_EQ(SetKindOf("data/32x32.kgf"), SetKind::Pictures);
  EXPECT_EQ(SetKindOf("old.dxg"), SetKind::Pictures);
  EXPECT_EQ(SetKindOf("Sounds.kwv"), SetKind::Waves);
  EXPECT_EQ(SetKindOf("old.dxw"), SetKind::Waves);
  EXPECT_EQ(SetKindOf("FONTS.KGF"), SetKind::None);
  EXPECT_EQ(SetKindOf("x.Kwv"), SetKind::None);
  EXPECT_EQ(SetKindOf("kgf"), SetKind::None);
  EXPECT_EQ(SetKindOf("a.kgf.bak"), SetKind::None);
  EXPECT_EQ(NumberedFileName(7, SetKind::Pictures), "007.bmp");
  EXPECT_EQ(NumberedFileName(28, SetKind::Waves), "028.wav");
  EXPECT_EQ(DefaultUnpackFolder("/game", "/x/Sounds.kwv"), fs::path("/game/Unpack/Sounds"));
  EXPECT_EQ(DefaultUnpackFolder("/game", "/x/a.kgf"), fs::path("/game/Unpack/a"));
  EXPECT_EQ(DefaultUnpackFolder("/game", "/x/...kgf.kgf"), fs::path("/game/Unpack/...kgf"));
  for (const char* name : {"/x/.kgf", "/x/..kgf", "/x/...kgf", "...kwv"})
    EXPECT_EQ(DefaultUnpackFolder("/game", name), fs::path()) << name;
}

TEST(Packing, UnpackThenPackGivesBackTheSameTileSet) {
  ScratchDir dir;
  SdlMediaCodec codec;
  const auto set = GeneratedSet("32x32.kgf");
  auto res = UnpackSet(set, dir / "32x32", codec);
  ASSERT_TRUE(res.Io.Ok) << res.Io.Message;
  EXPECT_EQ(res.Items, 325);
  EXPECT_TRUE(fs::exists(dir / "32x32/000.bmp"));
  EXPECT_TRUE(fs::exists(dir / "32x32/324.bmp"));
  EXPECT_FALSE(fs::exists(dir / "32x32/325.bmp"));

  res = PackSet(dir / "32x32", dir / "again.kgf", codec);
  ASSERT_TRUE(res.Io.Ok) << res.Io.Message;
  EXPECT_EQ(res.Items, 325);
  // Pack stores exactly the properties the generator gives every item.
  EXPECT_EQ(Bytes(dir / "again.kgf"), Bytes(set));
}

TEST(Packing, UnpackThenPackGivesBackTheSameSounds) {
  ScratchDir dir;
  SdlMediaCodec codec;
  const auto set = GeneratedSet("Sounds.kwv");
  auto res = UnpackSet(set, dir / "Sounds", codec);
  ASSERT_TRUE(res.Io.Ok) << res.Io.Message;
  EXPECT_EQ(res.Items, 29);
  res = PackSet(dir / "Sounds", dir / "again.kwv", codec);
  ASSERT_TRUE(res.Io.Ok) << res.Io.Message;
  EXPECT_EQ(Bytes(dir / "again.kwv"), Bytes(set));
}

TEST(Packing, AGapInThePicturesClosesUp) {
  ScratchDir dir;
  SdlMediaCodec codec;
  ImageList fonts;
  ASSERT_TRUE(LoadImageList(GeneratedSet("Fonts.kgf"), 0, fonts).Ok);
  ASSERT_TRUE(UnpackSet(GeneratedSet("Fonts.kgf"), dir / "f", codec).Io.Ok);
  fs::remove(dir / "f/005.bmp");
  // Numbers past the last picture of a tile set are not looked at.
  fs::copy_file(dir / "f/000.bmp", dir / "f/325.bmp");
  auto res = PackSet(dir / "f", dir / "gap.kgf", codec);
  ASSERT_TRUE(res.Io.Ok) << res.Io.Message;
  ImageList packed;
  ASSERT_TRUE(LoadImageList(dir / "gap.kgf", 0, packed).Ok);
  ASSERT_EQ(packed.Items.size(), FontSetItems - 1);
  EXPECT_EQ(packed.Items[4].Pic, fonts.Items[4].Pic);
  EXPECT_EQ(packed.Items[5].Pic, fonts.Items[6].Pic);
  EXPECT_EQ(packed.Items.back().Pic, fonts.Items.back().Pic);
}

TEST(Packing, AMissingWaveWritesNothing) {
  ScratchDir dir;
  SdlMediaCodec codec;
  ASSERT_TRUE(UnpackSet(GeneratedSet("Sounds.kwv"), dir / "s", codec).Io.Ok);
  fs::remove(dir / "s/017.wav");
  const auto res = PackSet(dir / "s", dir / "out.kwv", codec);
  EXPECT_FALSE(res.Io.Ok);
  EXPECT_NE(res.Io.Message.find("017.wav"), std::string::npos) << res.Io.Message;
  EXPECT_FALSE(fs::exists(dir / "out.kwv"));
  // Nothing left behind from the attempt either.
  for (const auto& e : fs::directory_iterator(dir.Path())) EXPECT_EQ(e.path().filename(), "s");
}

TEST(Packing, RefusalsWriteNothing) {
  ScratchDir dir;
  SdlMediaCodec codec;
  fs::copy_file(GeneratedSet("Fonts.kgf"), dir / "FONTS.KGF");
  EXPECT_FALSE(UnpackSet(dir / "FONTS.KGF", dir / "u", codec).Io.Ok);
  EXPECT_FALSE(fs::exists(dir / "u"));
  fs::create_directories(dir / "empty");
  EXPECT_FALSE(PackSet(dir / "empty", dir / "e.kgf", codec).Io.Ok);
  EXPECT_FALSE(fs::exists(dir / "e.kgf"));
  EXPECT_FALSE(PackSet(dir / "empty", dir / "e.png", codec).Io.Ok);
  // A damaged set is refused before any folder is made.
  std::vector<std::uint8_t> cut = Bytes(GeneratedSet("Fonts.kgf"));
  cut.resize(cut.size() / 2);
  ASSERT_TRUE(WriteFileBytes(dir / "cut.kgf", cut).Ok);
  EXPECT_FALSE(UnpackSet(dir / "cut.kgf", dir / "c", codec).Io.Ok);
  EXPECT_FALSE(fs::exists(dir / "c"));
}

TEST(Packing, ForeignBmpAndWavFilesAreRead) {
  ScratchDir dir;
  SdlMediaCodec codec;
  Picture pic(3, 2, 0x123456);
  pic.At(2, 1) = TransparentMagenta;
  ASSERT_TRUE(codec.SaveBmp(dir / "p.bmp", pic).Ok);
  Picture back;
  ASSERT_TRUE(codec.LoadBmp(dir / "p.bmp", back).Ok);
  EXPECT_EQ(back, pic);
  Wave w;
  w.Channels = 2;
  w.BitsPerSample = 8;
  w.SampleRate = 8000;
  w.Data = {1, 2, 3, 4, 5, 6};
  ASSERT_TRUE(codec.SaveWav(dir / "w.wav", w).Ok);
  Wave wb;
  ASSERT_TRUE(codec.LoadWav(dir / "w.wav", wb).Ok);
  EXPECT_EQ(wb, w);
  ASSERT_TRUE(WriteFileBytes(dir / "junk.wav", {'R', 'I', 'F', 'F', 1, 2}).Ok);
  EXPECT_FALSE(codec.LoadWav(dir / "junk.wav", wb).Ok);
  EXPECT_FALSE(codec.LoadBmp(dir / "junk.wav", back).Ok);
}

}  // namespace
}  // namespace krattle::testing
