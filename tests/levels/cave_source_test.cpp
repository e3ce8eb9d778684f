#include "cave_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "core/cave_set_file.h"
#include "generator/cave_generator.h"

namespace krattle::testing {
namespace {

using namespace krattle::cavec;

namespace fs = std::filesystem;

std::string Intermission(const std::string& extra, char corner = 'E') {
  std::string map = "map\n####################\n";
  map += std::string("#") + corner + std::string(16, '.') + "X#\n";
  for (int y = 2; y < 11; ++y) map += "#" + std::string(18, '.') + "#\n";
  map += "####################\nend\n";
  return "cave Q\n" + map + extra + "\n";
}

struct Compiled {
  std::unique_ptr<CaveSet> Set = std::make_unique<CaveSet>(NewCaveSet());
  CompileError Error;
  int Cave = -1;
};

Compiled Compile(const std::string& text) {
  Compiled c;
  c.Cave = CompileCave("q.cave", text, *c.Set, c.Error);
  return c;
}

TEST(CaveSource, SettingsLandInTheirFieldsPerLevel) {
  const auto c =
      Compile(Intermission("time 50 diamonds 4 extra-time -5 enclosed-amoeba BoulderStationary\n"
                           "slime-lets-through all-but-diamonds big-intermission yes\n"
                           "level 3\ntime 30 ; tighter\nput 5 5 f\n"));
  ASSERT_EQ(c.Cave, 16) << c.Error.Text();
  const int s1 = SlotOf(16, 0), s3 = SlotOf(16, 2);
  EXPECT_EQ(c.Set->A(s1, FieldA::CaveTime), 50);
  EXPECT_EQ(c.Set->A(s3, FieldA::CaveTime), 30);
  EXPECT_EQ(c.Set->A(s3, FieldA::Diamonds), 4);
  EXPECT_EQ(c.Set->B(s1, FieldB::ExtraTime), 95);
  EXPECT_EQ(c.Set->B(s1, FieldB::EnclosedAmoeba), 3);
  EXPECT_EQ(c.Set->B(s1, FieldB::SlimePenetrated), 3);
  EXPECT_EQ(c.Set->B(s1, FieldB::BigIntermission), 255);
  EXPECT_EQ(c.Set->MapCell(16, 2, 5, 5), FireflyLeft);
  EXPECT_EQ(c.Set->MapCell(16, 0, 5, 5), Dirt);
  EXPECT_EQ(c.Set->MapCell(16, 0, 1, 1), Entrance);
  // Fields nobody named keep the defaults of a new set.
  EXPECT_EQ(c.Set->A(s1, FieldA::Pushing), 4);
}

TEST(CaveSource, GeneratedTerrainShowsThroughQuestionMarks) {
  std::string text = Intermission("seed 42 initial Space item1 Dravik p1 90 item4 AltFireflyLeft");
  std::replace(text.begin(), text.end(), '.', '?');
  const auto c = Compile(text);
  ASSERT_EQ(c.Cave, 16) << c.Error.Text();
  EXPECT_EQ(c.Set->A(SlotOf(16, 0), FieldA::Item1), 9);
  EXPECT_EQ(c.Set->A(SlotOf(16, 0), FieldA::Item4), 35);
  auto expected = std::make_unique<CaveSet>(*c.Set);
  GenerateCave(*expected, 16, 0);
  int kept = 0;
  for (int y = 2; y < 11; ++y)
    for (int x = 1; x < 19; ++x) {
      ASSERT_EQ(c.Set->MapCell(16, 0, x, y), expected->MapCell(16, 0, x, y));
      kept += c.Set->MapCell(16, 0, x, y) == Entrance;
    }
  EXPECT_GT(kept, 0);
  EXPECT_EQ(c.Set->MapCell(16, 0, 1, 1), Entrance);  // painted cells win over the terrain
}

TEST(CaveSource, MistakesNameTheirLine) {
  struct Case {
    std::string Text;
    int Line;
    std::string Words;
  };
  const Case cases[] = {
      {Intermission("time 0"), 16, "time must be"},
      {Intermission("colour red"), 16, "unknown setting"},
      {Intermission("acid-eats Gold"), 16, "unknown element"},
      {Intermission("time"), 16, "pairs"},
      {Intermission("level 6"), 16, "level"},
      {Intermission("", '!'), 4, "unknown map character"},
      {Intermission("", '?'), 4, "nothing is generated"},
      {Intermission("", '.'), 3, "entrance"},
      {Intermission("put 20 1 f"), 16, "outside"},
      {"cave Q\nmap\n####\nend\n", 3, "exactly 20"},
  };
  for (const Case& k : cases) {
    const auto c = Compile(k.Text);
    EXPECT_EQ(c.Cave, -1) << k.Text;
    EXPECT_EQ(c.Error.Line, k.Line) << c.Error.Text();
    EXPECT_NE(c.Error.Message.find(k.Words), std::string::npos) << c.Error.Text();
  }
}

TEST(CaveSource, ACaveMayAppearOnlyOnce) {
  auto set = std::make_unique<CaveSet>();
  std::string error;
  EXPECT_FALSE(
      CompileSet({{"one.cave", Intermission("")}, {"two.cave", Intermission("")}}, *set, error));
  EXPECT_NE(error.find("also in one.cave"), std::string::npos) << error;
}

TEST(CaveSource, TheBuiltSetIsExactlyWhatTheSourcesGive) {
  std::vector<Source> sources;
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(fs::path(KRATTLE_TEST_DATA) / ".." / ".." / "levels"))
    if (e.path().extension() == ".cave") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  for (const auto& f : files) {
    std::ifstream in(f, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    sources.push_back({f.filename().string(), text.str()});
  }
  ASSERT_EQ(sources.size(), 20u);
  auto first = std::make_unique<CaveSet>();
  auto second = std::make_unique<CaveSet>();
  std::string error;
  ASSERT_TRUE(CompileSet(sources, *first, error)) << error;
  std::reverse(sources.begin(), sources.end());
  ASSERT_TRUE(CompileSet(sources, *second, error)) << error;
  EXPECT_EQ(first->Bytes, second->Bytes);

  // The build records the demos afterwards; everything else must match byte for byte.
  auto built = std::make_unique<CaveSet>();
  ASSERT_TRUE(ReadCaveSet(fs::path(KRATTLE_BIN_DIR) / "Levels" / "Krattle.kcv", *built).Ok());
  auto demoByte = [](int offset) {
    const int x = offset / 2400, slot = offset % 2400 / 24, y = offset % 24;
    return slot >= 80 &&
           ((y >= 12 && y <= 21) || (y <= 9 && x >= 20) || (y == RowA && x >= 22 && x <= 29));
  };
  for (int off = 0; off < CaveSetSize; ++off) {
    if (!demoByte(off)) {
      ASSERT_EQ(first->Bytes[off], built->Bytes[off]) << "offset " << off;
    }
  }
}

}  // namespace
}  // namespace krattle::testing
