#include "core/cave_set.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/cave_set_file.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

class TempDir {
 public:
  TempDir() {
    path_ = fs::temp_directory_path() /
            ("krattle-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  fs::path operator/(const std::string& name) const { return path_ / name; }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

void WriteBytes(const fs::path& p, std::size_t size, std::uint8_t fill) {
  std::ofstream out(p, std::ios::binary);
  std::string data(size, static_cast<char>(fill));
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

TEST(CaveSetLayout, WorkedOffsets) {
  EXPECT_EQ(CaveSet::Offset(5, SlotOf(1, 2), 7), 12175);
  EXPECT_EQ(CaveSet::Offset(static_cast<int>(FieldA::CaveTime), 0, RowA), 22);
  EXPECT_EQ(CaveSet::Offset(static_cast<int>(FieldA::Diamonds), 0, RowA), 2422);
  EXPECT_EQ(CaveSet::Offset(39, 99, 23), 95999);

  auto set = std::make_unique<CaveSet>();
  set->MapCell(1, 2, 5, 7) = 42;
  EXPECT_EQ(set->Bytes[12175], 42);
}

TEST(CaveSetLayout, DemoAndHighScorePositions) {
  auto set = std::make_unique<CaveSet>();
  set->SetDemoStep(0, 0, 11);
  set->SetDemoStep(0, 400, 12);
  set->SetDemoPresent(0, true);
  set->DemoLevel(0) = 3;
  EXPECT_EQ(set->Bytes[1932], 11);
  EXPECT_EQ(set->Bytes[49920], 12);
  EXPECT_EQ(set->Bytes[54742], 255);
  EXPECT_EQ(set->Bytes[57142], 3);

  set->SetHighScore(1, {70000, "Ann"});
  EXPECT_EQ(set->Bytes[49955], 1);
  EXPECT_EQ(set->Bytes[52355], 17);
  EXPECT_EQ(set->Bytes[54755], 112);
  EXPECT_EQ(set->Bytes[57155], 3);
  EXPECT_EQ(set->Bytes[49954], 'A');
  EXPECT_EQ(set->HighScore(1).Score, 70000u);
  EXPECT_EQ(set->HighScore(1).Name, "Ann");

  // Demo steps 399, 400 and 599 sit at the corners of their two areas; 600 and beyond read 0.
  const int slot = CaveSet::DemoSlot(0);
  set->SetDemoStep(0, 399, 1);
  set->SetDemoStep(0, 599, 2);
  EXPECT_EQ(set->At(39, slot, 21), 1);
  EXPECT_EQ(set->At(20, slot, 0), 12);
  EXPECT_EQ(set->At(39, slot, 9), 2);
  set->SetDemoStep(0, 600, 99);  // ignored
  EXPECT_EQ(set->DemoStep(0, 600), 0);
}

TEST(CaveSetLayout, MultiByteFields) {
  auto set = std::make_unique<CaveSet>();
  set->SetBestScore(70000);
  EXPECT_EQ(set->Bytes[2423], 1);
  EXPECT_EQ(set->Bytes[4823], 17);
  EXPECT_EQ(set->Bytes[7223], 112);
  set->SetBestScore(0x1234567);  // only the low 24 bits are kept
  EXPECT_EQ(set->BestScore(), 0x234567u);

  set->SetDemoLength(3, 0x0102);
  set->SetAmoebaExpiryTick(3, 0xFFFF);
  set->SetMagicExpiryTick(3, 513);
  EXPECT_EQ(set->DemoLength(3), 0x0102);
  EXPECT_EQ(set->AmoebaExpiryTick(3), 0xFFFF);
  EXPECT_EQ(set->MagicExpiryTick(3), 513);
  EXPECT_EQ(set->At(26, 83, RowA), 1);
  EXPECT_EQ(set->At(27, 83, RowA), 2);
}

TEST(CaveSetLayout, NameLengthAboveTwentyReadsAsEmpty) {
  auto set = std::make_unique<CaveSet>();
  set->SetHighScore(4, {100, "Somebody"});
  set->At(23, 84, 11) = 21;
  EXPECT_EQ(set->HighScore(4).Name, "");
  EXPECT_EQ(set->HighScore(4).Score, 100u);
  set->SetHighScore(5, {1, std::string(30, 'x')});  // cut to the twenty stored bytes
  EXPECT_EQ(set->HighScore(5).Name.size(), 20u);
}

TEST(CaveSetLayout, IntermissionMapNeverTouchesDemosOrScores) {
  auto set = std::make_unique<CaveSet>();
  for (int cave = 16; cave < 20; ++cave)
    for (int level = 0; level < 5; ++level)
      for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x) set->MapCell(cave, level, x, y) = 0xAA;
  for (int k = 0; k < 20; ++k) {
    for (int n = 0; n < DemoMaxSteps; ++n) ASSERT_EQ(set->DemoStep(k, n), 0) << k << " " << n;
    EXPECT_FALSE(set->DemoPresent(k));
    EXPECT_EQ(set->DemoLength(k), 0);
  }
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(set->HighScore(i).Score, 0u);
}

TEST(NewSet, SteelFramedDirtAndDefaults) {
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  EXPECT_EQ(set->FormatMarker(), 222);
  EXPECT_EQ(set->MapCell(0, 0, 0, 0), SteelWall);
  EXPECT_EQ(set->MapCell(0, 0, 39, 21), SteelWall);
  EXPECT_EQ(set->MapCell(0, 0, 1, 1), Dirt);
  EXPECT_EQ(set->MapCell(0, 0, 38, 20), Dirt);
  EXPECT_EQ(set->MapCell(16, 4, 19, 11), SteelWall);
  EXPECT_EQ(set->MapCell(16, 4, 18, 10), Dirt);
  EXPECT_EQ(set->MapCell(16, 4, 20, 5), SteelWall);  // spare space is steel too
  const int slot = SlotOf(7, 2);
  EXPECT_EQ(set->A(slot, FieldA::CaveTime), 120);
  EXPECT_EQ(set->A(slot, FieldA::Pushing), 4);
  EXPECT_EQ(set->B(slot, FieldB::ExtraTime), 105);
  EXPECT_EQ(set->A(slot, FieldA::DirtStyle), 7);
  EXPECT_EQ(set->A(SlotOf(17, 0), FieldA::DirtStyle), 8);
  EXPECT_EQ(set->A(SlotOf(6, 0), FieldA::WallStyle), 2);
  EXPECT_EQ(set->A(SlotOf(6, 0), FieldA::MagicWallStyle), 0);
  EXPECT_EQ(set->A(SlotOf(6, 0), FieldA::Item4), 19);
  for (int cave = 0; cave < CaveCount; ++cave) EXPECT_FALSE(isCavePlayable(*set, cave, 0));
}

TEST(Upgrade, ResetsExtendedFieldsButKeepsTheRest) {
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  const int slot = SlotOf(2, 1);
  set->MapCell(2, 1, 3, 3) = Entrance;
  set->A(slot, FieldA::CaveTime) = 77;
  set->B(slot, FieldB::AcidSpeed) = 9;
  set->A(slot, FieldA::SeedValue) = 55;
  set->A(slot, FieldA::ExitStyle) = 3;
  set->SetDemoStep(2, 10, 60);
  set->SetDemoPresent(2, true);
  set->SetHighScore(1, {5000, "Bo"});
  set->SetBestScore(5000);
  set->SavedLives() = 2;
  set->SetSavedScore(1234);

  set->Bytes[23] = 0;
  UpgradeCaveSet(*set);
  EXPECT_EQ(set->Bytes[23], 222);
  EXPECT_EQ(set->B(slot, FieldB::AcidSpeed), 32);
  EXPECT_EQ(set->A(slot, FieldA::SeedValue), 0);
  EXPECT_EQ(set->A(slot, FieldA::ExitStyle), 2);
  EXPECT_EQ(set->HighScore(1).Score, 0u);
  EXPECT_EQ(set->BestScore(), 0u);
  // Maps, times, demos and the saved game survive.
  EXPECT_EQ(set->MapCell(2, 1, 3, 3), Entrance);
  EXPECT_EQ(set->A(slot, FieldA::CaveTime), 77);
  EXPECT_EQ(set->DemoStep(2, 10), 60);
  EXPECT_TRUE(set->DemoPresent(2));
  EXPECT_EQ(set->SavedLives(), 2);
  EXPECT_EQ(set->SavedScore(), 1234u);

  // With the marker in place the upgrade leaves everything alone.
  set->B(slot, FieldB::AcidSpeed) = 9;
  UpgradeCaveSet(*set);
  EXPECT_EQ(set->B(slot, FieldB::AcidSpeed), 9);
}

TEST(Playable, NeedsEntranceAndSomeExit) {
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  set->MapCell(3, 0, 5, 5) = Entrance;
  EXPECT_FALSE(isCavePlayable(*set, 3, 0));
  set->MapCell(3, 0, 30, 20) = ExitClosed;
  EXPECT_TRUE(isCavePlayable(*set, 3, 0));
  EXPECT_FALSE(isCavePlayable(*set, 3, 1));

  // An intermission is searched only within its 20 x 12 map.
  set->MapCell(16, 0, 25, 5) = Entrance;
  set->MapCell(16, 0, 5, 5) = ExitClosed;
  EXPECT_FALSE(isCavePlayable(*set, 16, 0));
  set->MapCell(16, 0, 2, 2) = Entrance;
  EXPECT_TRUE(isCavePlayable(*set, 16, 0));

  // An exit can also come from an element choice (explosion leaves an exit).
  set->MapCell(4, 0, 1, 1) = Entrance;
  set->B(SlotOf(4, 0), FieldB::BombExplosion) = 14;
  EXPECT_TRUE(isCavePlayable(*set, 4, 0));
  EXPECT_FALSE(isCavePlayable(*set, 20, 0));
}

TEST(ElementChoiceTable, OrderAndSafeLookup) {
  EXPECT_EQ(ElementChoice(0), SteelWall);
  EXPECT_EQ(ElementChoice(13), ExitClosed);
  EXPECT_EQ(ElementChoice(22), ButterflyDown);
  EXPECT_EQ(ElementChoice(47), AltButterflyDown);
  EXPECT_EQ(ElementChoice(50), SolidBombExpl);
  EXPECT_EQ(ElementChoice(51), 144);
  // A hand-made file may hold any byte; past the table it reads as the inert end mark.
  EXPECT_EQ(ElementChoice(52), 144);
  EXPECT_EQ(ElementChoice(255), 144);
  EXPECT_EQ(ElementName(ButterflyDown), "ButterflyDown");
  EXPECT_EQ(ElementDisplayText(WallFallingFalling), "Falling wall falling");
  EXPECT_EQ(ElementName(6), "");
  EXPECT_EQ(ElementName(200), "");
}

TEST(CaveSetFile, SizeTestBoundaries) {
  TempDir dir;
  WriteBytes(dir / "ok.kcv", 96000, 7);
  WriteBytes(dir / "tail.kcv", 96127, 7);
  WriteBytes(dir / "short.kcv", 95999, 7);
  WriteBytes(dir / "long.kcv", 96128, 7);
  EXPECT_TRUE(PassesSizeTest(dir / "ok.kcv"));
  EXPECT_TRUE(PassesSizeTest(dir / "tail.kcv"));
  EXPECT_FALSE(PassesSizeTest(dir / "short.kcv"));
  EXPECT_FALSE(PassesSizeTest(dir / "long.kcv"));
  EXPECT_FALSE(PassesSizeTest(dir / "missing.kcv"));
  EXPECT_FALSE(PassesSizeTest(dir.path()));

  auto set = std::make_unique<CaveSet>(NewCaveSet());
  const auto before = set->Bytes;
  auto r = ReadCaveSet(dir / "long.kcv", *set);
  EXPECT_EQ(r.Status, CaveSetStatus::WrongSize);
  EXPECT_EQ(r.Message, "\"" + (dir / "long.kcv").native() + "\" is not a cave set: 96128 bytes");
  EXPECT_EQ(set->Bytes, before);
  // A missing file is not a file of the wrong size.
  r = ReadCaveSet(dir / "missing.kcv", *set);
  EXPECT_EQ(r.Status, CaveSetStatus::WrongSize);
  EXPECT_EQ(r.Message, "\"" + (dir / "missing.kcv").native() + "\" does not exist");
  EXPECT_EQ(SizeTestFailure(dir.path()), "\"" + dir.path().native() + "\" is not a file");
  EXPECT_EQ(SizeTestFailure(dir / "ok.kcv"), "");

  r = ReadCaveSet(dir / "tail.kcv", *set);
  ASSERT_TRUE(r.Ok()) << r.Message;
  EXPECT_EQ(set->At(5, 5, 5), 7);  // first 96000 bytes taken
  EXPECT_EQ(set->Bytes[23], 222);  // and upgraded (byte 23 was 7)
  EXPECT_EQ(set->B(0, FieldB::AcidSpeed), 32);
}

TEST(CaveSetFile, SaveAndReadBackIsIdentical) {
  TempDir dir;
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  for (int i = 0; i < CaveSetSize; i += 97) set->Bytes[i] = static_cast<std::uint8_t>(i * 31);
  set->Bytes[23] = 222;
  ASSERT_TRUE(SaveCaveSet(dir / "a.kcv", *set).Ok());
  EXPECT_EQ(fs::file_size(dir / "a.kcv"), 96000u);
  auto back = std::make_unique<CaveSet>();
  ASSERT_TRUE(ReadCaveSet(dir / "a.kcv", *back).Ok());
  EXPECT_EQ(back->Bytes, set->Bytes);

  // Overwriting replaces the file whole and leaves no temporary files behind.
  set->Bytes[100] = 1;
  ASSERT_TRUE(SaveCaveSet(dir / "a.kcv", *set).Ok());
  int files = 0;
  for (const auto& e : fs::directory_iterator(dir.path())) {
    (void)e;
    ++files;
  }
  EXPECT_EQ(files, 1);
  ASSERT_TRUE(ReadCaveSet(dir / "a.kcv", *back).Ok());
  EXPECT_EQ(back->Bytes[100], 1);
}

TEST(CaveSetFile, WriteErrorsAreReportedAndKeepTheOldFile) {
  TempDir dir;
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  auto r = SaveCaveSet(dir / "no-such-folder" / "x.kcv", *set);
  EXPECT_EQ(r.Status, CaveSetStatus::WriteError);
  EXPECT_NE(r.Message.find("x.kcv"), std::string::npos);

  // A folder in the way of the target: the rename fails, nothing is left behind.
  fs::create_directories(dir / "taken.kcv" / "inside");
  r = SaveCaveSet(dir / "taken.kcv", *set);
  EXPECT_EQ(r.Status, CaveSetStatus::WriteError);
  int files = 0;
  for (const auto& e : fs::directory_iterator(dir.path())) {
    (void)e;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace krattle::testing
