#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "core/cave_set.h"
#include "core/cave_set_file.h"

namespace krattle {
namespace {

namespace fs = std::filesystem;

struct CliRun {
  int Status = -1;
  std::string Out;
};

CliRun Cli(const std::string& args) {
  const std::string cmd = std::string(KRATTLE_BIN_DIR) + "/krattle-cli " + args + " 2>/dev/null";
  CliRun r;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  char buf[4096];
  std::size_t n;
  while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.Out.append(buf, n);
  const int st = pclose(p);
  r.Status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
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

  EXPECT_EQ(Cli("demo " + file.string() + " --cave 2").Status, 2);
  const CliRun rec = Cli("record " + file.string() + " --cave 2 --level 1 --input '.8 D R13 .5 L'");
  ASSERT_EQ(rec.Status, 0);
  EXPECT_NE(rec.Out.find("end input\n"), std::string::npos) << rec.Out;
  EXPECT_NE(rec.Out.find("diamonds 12\n"), std::string::npos) << rec.Out;
  for (const char* speed : {"14", "0", "30"}) {
    const CliRun play = Cli("demo " + file.string() + " --cave 2 --speed " + speed);
    ASSERT_EQ(play.Status, 0);
    EXPECT_EQ(play.Out.substr(0, 11), "end length\n");
    EXPECT_EQ(GameLines(play.Out), GameLines(rec.Out)) << speed;
  }
}

}  // namespace
}  // namespace krattle
