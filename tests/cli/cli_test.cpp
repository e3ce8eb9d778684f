#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/cave_set.h"
#include "core/cave_set_file.h"
#include "support/run_cli.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

using Result = CliResult;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream ss(text);
  std::string l;
  while (std::getline(ss, l)) lines.push_back(l);
  return lines;
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           (std::string("krattle-cli-") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) { return (dir_ / name).string(); }
  fs::path dir_;
};

TEST_F(CliTest, NewSetWritesTheDefaultSet) {
  Result r = RunCli("new-set " + Path("n.kcv"));
  ASSERT_EQ(r.status, 0) << r.err;
  auto set = std::make_unique<CaveSet>();
  ASSERT_TRUE(ReadCaveSet(Path("n.kcv"), *set).Ok());
  EXPECT_EQ(set->Bytes, NewCaveSet().Bytes);
  EXPECT_NE(RunCli("new-set " + Path("missing/dir/n.kcv")).status, 0);
}

TEST_F(CliTest, NewSetReplacesAnExistingFileOnlyWhenForced) {
  ASSERT_EQ(RunCli("new-set " + Path("n.kcv")).status, 0);
  auto mine = std::make_unique<CaveSet>(NewCaveSet());
  mine->SetDemoPresent(3, true);
  ASSERT_TRUE(SaveCaveSet(Path("n.kcv"), *mine).Ok());

  Result r = RunCli("new-set " + Path("n.kcv"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("\"" + Path("n.kcv") + "\" already exists"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("--force"), std::string::npos) << r.err;
  auto back = std::make_unique<CaveSet>();
  ASSERT_TRUE(ReadCaveSet(Path("n.kcv"), *back).Ok());
  EXPECT_EQ(back->Bytes, mine->Bytes);

  for (const std::string& args :
       {"new-set --force " + Path("n.kcv"), "new-set " + Path("n.kcv") + " --force"}) {
    back->SetDemoPresent(3, true);
    ASSERT_TRUE(SaveCaveSet(Path("n.kcv"), *back).Ok());
    r = RunCli(args);
    ASSERT_EQ(r.status, 0) << args << r.err;
    ASSERT_TRUE(ReadCaveSet(Path("n.kcv"), *back).Ok());
    EXPECT_EQ(back->Bytes, NewCaveSet().Bytes) << args;
  }
  EXPECT_EQ(RunCli("new-set " + Path("a.kcv") + " " + Path("b.kcv")).status, 2);
  EXPECT_EQ(RunCli("new-set --forced " + Path("a.kcv")).status, 2);
  EXPECT_FALSE(fs::exists(Path("a.kcv")));
}

// Every command that reads a set says which file and why it is no set.
TEST_F(CliTest, AMissingSetIsNamedAsMissing) {
  std::ofstream(Path("short.kcv")) << "short";
  const std::vector<std::pair<std::string, std::string>> commands = {
      {"sim", " --cave 0 --level 0"},
      {"record", " --cave 0 --level 0 --input ."},
      {"demo", " --cave 0"},
      {"generate", " --cave 0 --level 0"},
      {"shot", " --cave 0 --level 0 --frames 1 --out " + Path("x.png")},
  };
  for (const auto& [command, rest] : commands) {
    Result r = RunCli(command + " " + Path("none.kcv") + rest);
    EXPECT_NE(r.status, 0) << command;
    EXPECT_NE(r.err.find("\"" + Path("none.kcv") + "\" does not exist"), std::string::npos)
        << command << ": " << r.err;
    r = RunCli(command + " " + Path("short.kcv") + rest);
    EXPECT_NE(r.status, 0) << command;
    EXPECT_NE(r.err.find("\"" + Path("short.kcv") + "\" is not a cave set: 5 bytes"),
              std::string::npos)
        << command << ": " << r.err;
  }
}

TEST_F(CliTest, APictureThatCannotBeWrittenIsAFailure) {
  ASSERT_EQ(RunCli("new-set " + Path("s.kcv")).status, 0);
  const std::string shot = "shot " + Path("s.kcv") + " --cave 0 --level 0 --frames 1 --out ";
  const std::string sheet = "sheet " + std::string(KRATTLE_BIN_DIR) + "/data/Krattle/Fonts.kgf ";
  for (const std::string& command : {shot, sheet}) {
    Result r = RunCli(command + "/dev/full");
    EXPECT_EQ(r.status, 1) << command;
    EXPECT_NE(r.err.find("cannot write \"/dev/full\": not a regular file"), std::string::npos)
        << command << ": " << r.err;
    r = RunCli(command + Path("ok.png"));
    EXPECT_EQ(r.status, 0) << command << ": " << r.err;
    std::ifstream png(Path("ok.png"), std::ios::binary);
    char head[4] = {};
    png.read(head, 4);
    EXPECT_EQ(std::string(head + 1, 3), "PNG") << command;
    fs::remove(Path("ok.png"));
  }
}

TEST_F(CliTest, UnpackNeedsAFolderNameFromTheFileName) {
  const std::string fonts = std::string(KRATTLE_BIN_DIR) + "/data/Krattle/Fonts.kgf";
  for (const std::string name : {".kgf", "..kgf", "...kgf"}) {
    fs::copy_file(fonts, dir_ / name);
    const Result r = RunCli("unpack " + Path(name));
    EXPECT_EQ(r.status, 1) << name;
    EXPECT_NE(r.err.find("leaves no folder name; choose one with --into DIR"), std::string::npos)
        << name << ": " << r.err;
    EXPECT_EQ(RunCli("unpack " + Path(name) + " --into " + Path("out")).status, 0) << name;
    EXPECT_TRUE(fs::exists(dir_ / "out" / "000.bmp")) << name;
    fs::remove_all(dir_ / "out");
  }
}

TEST_F(CliTest, CavesAreNamedByLetterOrNumber) {
  ASSERT_EQ(RunCli("new-set " + Path("s.kcv")).status, 0);
  const std::string sim = "sim " + Path("s.kcv") + " --level 0 --ticks 3 --cave ";
  const Result byNumber = RunCli(sim + "16");
  ASSERT_EQ(byNumber.status, 0) << byNumber.err;
  for (const char* letter : {"Q", "q"}) {
    const Result r = RunCli(sim + letter);
    ASSERT_EQ(r.status, 0) << letter << r.err;
    EXPECT_EQ(r.out, byNumber.out) << letter;
  }
  EXPECT_EQ(RunCli(sim + "a").out, RunCli(sim + "0").out);
  EXPECT_EQ(RunCli(sim + "t").out, RunCli(sim + "19").out);
  for (const char* bad : {"U", "u", "AB", "@", "20"}) {
    const Result r = RunCli(sim + bad);
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_NE(r.err.find("A..T or 0..19"), std::string::npos) << bad << r.err;
  }
}

TEST_F(CliTest, SimRefusesBadInput) {
  ASSERT_EQ(RunCli("new-set " + Path("s.kcv")).status, 0);
  {
    std::ofstream f(Path("short.kcv"), std::ios::binary);
    f << std::string(95999, '\0');
  }
  const std::string good = Path("s.kcv");
  for (const std::string& args :
       {"sim " + Path("short.kcv") + " --cave 0 --level 0", "sim " + good + " --cave 20 --level 0",
        "sim " + good + " --cave -1 --level 0", "sim " + good + " --cave 0 --level 5",
        "sim " + good + " --cave 0", "sim " + good + " --cave 0 --level 0 --input R5x",
        "sim " + good + " --cave 0 --level 0 --ticks",
        "sim " + Path("none.kcv") + " --cave 0 --level 0",
        "sim " + good + " --cave 1x --level 0"}) {
    Result r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_FALSE(r.err.empty()) << args;
    EXPECT_TRUE(r.out.empty()) << args;
  }
}

TEST_F(CliTest, SimOutputLayout) {
  ASSERT_EQ(RunCli("new-set " + Path("s.kcv")).status, 0);
  for (int cave : {0, 16}) {
    Result r =
        RunCli("sim " + Path("s.kcv") + " --cave " + std::to_string(cave) + " --level 3 --ticks 7");
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = Lines(r.out);
    const int rows = cave == 16 ? 12 : 22, width = cave == 16 ? 20 : 40;
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(11 + 1 + rows + 1 + rows));
    EXPECT_EQ(lines[0], "ticks 7");
    EXPECT_EQ(lines[1], "phase 0");
    EXPECT_EQ(lines[2], "seed 10");
    EXPECT_EQ(lines[5], "time 121");
    EXPECT_EQ(lines[7], "player 0 0 0");  // no entrance in a new set
    EXPECT_EQ(lines[11], "grid");
    EXPECT_EQ(lines[12 + rows], "moves");
    for (int y = 0; y < rows; ++y) {
      const std::string& row = lines[12 + y];
      EXPECT_EQ(std::count(row.begin(), row.end(), ' '), width - 1);
      EXPECT_NE(row.back(), ' ');
    }
    std::string steel = "7";
    for (int x = 1; x < width; ++x) steel += " 7";
    EXPECT_EQ(lines[12], steel);
    std::string still = "0";
    for (int x = 1; x < width; ++x) still += " 0";
    EXPECT_EQ(lines[13 + rows], still);
  }
}

// A cave with most of the engine's families, run with input and the real clock rate. The stored
// output guards the exact behaviour; set KRATTLE_UPDATE_GOLDEN=1 to rewrite it after an intended
// change.
TEST_F(CliTest, SimMatchesGoldenOutput) {
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  const int cave = 2, level = 1, slot = SlotOf(cave, level);
  const char* rows[] = {
      "........................................", "...o..*..o...*.......ww..........*......",
      "..   ....    ..f.......   ..q.....  ....", ".E.......o.......  ....B.......*..o.....",
      "....*.....ww......A......  ......  .....", "........   ..........c......M....   ....",
      ".....o...*....  ..........  ......a.....", "..X.....  ...h.......  ......o.......Y..",
  };
  for (int y = 0; y < 8; ++y)
    for (int x = 1; x < 39; ++x) {
      const char ch = rows[y][x];
      Element e = Dirt;
      switch (ch) {
        case ' ': e = Space; break;
        case 'o': e = BoulderStationary; break;
        case '*': e = DiamondStationary; break;
        case 'w': e = Wall; break;
        case 'f': e = FireflyLeft; break;
        case 'q': e = ButterflyDown; break;
        case 'E': e = Entrance; break;
        case 'B': e = BombSolid; break;
        case 'A': e = Amoeba; break;
        case 'c': e = Clock; break;
        case 'M': e = MagicWall; break;
        case 'a': e = Acid; break;
        case 'X': e = ExitClosed; break;
        case 'h': e = HorizExpWall; break;
        case 'Y': e = Dummy; break;
        default: break;
      }
      set->MapCell(cave, level, x, y + 2) = e;
    }
  set->A(slot, FieldA::InBox) = 3;
  set->A(slot, FieldA::AmoebaSlow) = 2;
  set->B(slot, FieldB::AcidSpeed) = 3;
  ASSERT_TRUE(SaveCaveSet(Path("g.kcv"), *set).Ok());
  Result r =
      RunCli("sim " + Path("g.kcv") +
             " --cave 2 --level 1 --ticks 400 --clock 11 --input '.8 R4 D6 r2 L3 U2 d F R10'");
  ASSERT_EQ(r.status, 0) << r.err;

  const fs::path golden = fs::path(KRATTLE_TEST_DATA) / "sim_golden.txt";
  if (std::getenv("KRATTLE_UPDATE_GOLDEN")) {
    fs::create_directories(golden.parent_path());
    std::ofstream(golden) << r.out;
    GTEST_SKIP() << "golden output rewritten";
  }
  std::ifstream in(golden);
  ASSERT_TRUE(in) << "missing " << golden;
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(r.out, expected.str());
}

}  // namespace
}  // namespace krattle::testing
