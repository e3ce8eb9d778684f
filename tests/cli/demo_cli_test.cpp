#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
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

CliResult Cli(const std::string& args) {
  return RunCli(args);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

std::string Without(const std::string& report, const char* key) {
  std::string out;
  for (const std::string& line : Lines(report))
    if (line.rfind(key, 0) != 0) out += line + "\n";
  return out;
}

// The lines record and demo share: ticks, score, diamonds and seed.
std::string GameLines(const std::string& report) {
  std::string out;
  for (const std::string& line : Lines(report))
    for (const char* key : {"ticks ", "score ", "diamonds ", "seed "})
      if (line.rfind(key, 0) == 0) out += line + "\n";
  return out;
}

TEST(DemoCliTest, ARecordedDemoPlaysBackTheSameAtEverySpeed) {
  const fs::path dir =
      fs::temp_directory_path() / ("krattle_cli_demo_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const fs::path file = dir / "Demo.kcv";
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  set->MapCell(2, 1, 1, 1) = Entrance;
  set->MapCell(2, 1, 38, 20) = ExitClosed;
  set->A(SlotOf(2, 1), FieldA::InBox) = 1;
  for (int x = 3; x < 15; ++x) set->MapCell(2, 1, x, 2) = DiamondStationary;
  ASSERT_TRUE(SaveCaveSet(file, *set).Ok());

  EXPECT_EQ(Cli("demo " + file.string() + " --cave 2").status, 2);
  const CliResult rec =
      Cli("record " + file.string() + " --cave 2 --level 1 --input '.8 D R13 .5 L'");
  ASSERT_EQ(rec.status, 0);
  EXPECT_NE(rec.out.find("end input\n"), std::string::npos) << rec.out;
  EXPECT_NE(rec.out.find("diamonds 12\n"), std::string::npos) << rec.out;
  std::string first;
  for (const char* speed : {"14", "0", "30"}) {
    const CliResult play = Cli("demo " + file.string() + " --cave 2 --speed " + speed);
    ASSERT_EQ(play.status, 0);
    EXPECT_EQ(play.out.substr(0, 11), "end length\n");
    EXPECT_EQ(GameLines(play.out), GameLines(rec.out)) << speed;
    // The end state too, but the game clock counts the frames' milliseconds, so not the time.
    const std::string state = Without(play.out, "time ");
    if (first.empty()) first = play.out;
    EXPECT_EQ(state, Without(first, "time ")) << speed;
  }

  // After its own lines, demo reports the cave it left in the lines and format of sim.
  const std::vector<std::string> lines = Lines(first);
  ASSERT_EQ(lines.size(), 5u + 7u + 2u * (1u + 22u)) << first;
  const char* keys[] = {"end ",  "ticks ",  "score ", "diamonds ", "seed ",   "phase ", "lives ",
                        "time ", "player ", "magic ", "amoeba ",   "dravik ", "grid"};
  for (std::size_t i = 0; i < std::size(keys); ++i)
    EXPECT_EQ(lines[i].rfind(keys[i], 0), 0u) << i << ": " << lines[i];
  EXPECT_EQ(lines[5], "phase 8");  // the demo's end, whatever ended it
  EXPECT_EQ(lines[8], "player 1 1 1");
  EXPECT_EQ(lines[13 + 22], "moves");
  std::vector<std::vector<int>> grid;
  for (int y = 0; y < 22; ++y) {
    std::istringstream row(lines[13 + y]);
    grid.emplace_back();
    for (int v; row >> v;) grid.back().push_back(v);
    ASSERT_EQ(grid.back().size(), 40u) << y;
  }
  // Every diamond of row 2 was taken, and Dravik stands where the dravik line says.
  for (int x = 3; x < 15; ++x) EXPECT_NE(grid[2][x], DiamondStationary) << x;
  int column = -1, row = -1;
  std::istringstream(lines[11].substr(7)) >> column >> row;
  ASSERT_TRUE(column >= 0 && column < 40 && row >= 0 && row < 22) << lines[11];
  EXPECT_EQ(grid[row][column], Dravik);
}

}  // namespace
}  // namespace krattle::testing
