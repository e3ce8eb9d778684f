#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "core/cave_set.h"
#include "core/cave_set_file.h"
#include "support/run_cli.h"

namespace krattle {
namespace {

namespace fs = std::filesystem;

test::CliResult Cli(const std::string& args) {
  return test::RunCli(args);
}

// The report without its "end" line and the recorder's byte count.
std::string GameLines(const std::string& report) {
  std::string out;
  std::size_t i = 0;
  while (i < report.size()) {
    std::size_t e = report.find('\n', i);
    if (e == std::string::npos) e = report.size();
    const std::string line = report.substr(i, e - i);
    if (line.rfind("end ", 0) != 0 && line.rfind("bytes ", 0) != 0) out += line + "\n";
    i = e + 1;
  }
  return out;
}

TEST(DemoCliTest, ARecordedDemoPlaysBackTheSameAtEverySpeed) {
  const fs::path dir = fs::temp_directory_path() / "krattle_cli_demo";
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
  const test::CliResult rec =
      Cli("record " + file.string() + " --cave 2 --level 1 --input '.8 D R13 .5 L'");
  ASSERT_EQ(rec.status, 0);
  EXPECT_NE(rec.out.find("end input\n"), std::string::npos) << rec.out;
  EXPECT_NE(rec.out.find("diamonds 12\n"), std::string::npos) << rec.out;
  for (const char* speed : {"14", "0", "30"}) {
    const test::CliResult play = Cli("demo " + file.string() + " --cave 2 --speed " + speed);
    ASSERT_EQ(play.status, 0);
    EXPECT_EQ(play.out.substr(0, 11), "end length\n");
    EXPECT_EQ(GameLines(play.out), GameLines(rec.out)) << speed;
  }
}

}  // namespace
}  // namespace krattle
