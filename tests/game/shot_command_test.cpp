// krattle-cli shot end to end, with the sets the build generates beside the program.

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include "game_fixture.h"

namespace krattle::testing {
namespace {

int RunCli(const std::string& args) {
  const std::string cmd = std::string(KRATTLE_BIN_DIR) + "/krattle-cli " + args + " 2>/dev/null";
  const int st = std::system(cmd.c_str());
  return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

// Width and height from a PNG's header, or 0 x 0.
std::pair<int, int> PngSize(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char h[24] = {};
  in.read(reinterpret_cast<char*>(h), 24);
  if (!in || h[1] != 'P' || h[2] != 'N' || h[3] != 'G') return {0, 0};
  auto be = [&](int at) {
    return (h[at] << 24) | (h[at + 1] << 16) | (h[at + 2] << 8) | h[at + 3];
  };
  return {be(16), be(20)};
}

TEST(ShotCommand, WritesTheFrameOfAStartedCaveAtEitherZoom) {
  const auto dir = TempDir("shot");
  auto set = PlayableSet();
  ASSERT_TRUE(SaveCaveSet(dir / "s.kcv", *set).Ok());
  const auto before = std::filesystem::last_write_time(dir / "s.kcv");
  const std::string base = (dir / "s.kcv").string() + " --cave 2 --level 1 --frames 200 ";
  EXPECT_EQ(RunCli("shot " + base + "--keys '180:+Right 190:P' --out " + (dir / "a.png").string()),
            0);
  EXPECT_EQ(PngSize(dir / "a.png"), std::make_pair(640, 408));
  EXPECT_EQ(RunCli("shot " + base + "--zoom 2 --out " + (dir / "b.png").string()), 0);
  EXPECT_EQ(PngSize(dir / "b.png"), std::make_pair(800, 504));
  // Looking at a cave does not move the position the set keeps.
  EXPECT_EQ(std::filesystem::last_write_time(dir / "s.kcv"), before);
}

TEST(ShotCommand, RefusesBadArguments) {
  const auto dir = TempDir("shotbad");
  ASSERT_TRUE(SaveCaveSet(dir / "s.kcv", *PlayableSet()).Ok());
  const std::string set = (dir / "s.kcv").string();
  const std::string out = " --out " + (dir / "x.png").string();
  EXPECT_EQ(RunCli("shot " + set + " --cave 20 --level 0 --frames 5" + out), 2);
  EXPECT_EQ(RunCli("shot " + set + " --cave 0 --level 0 --frames 0" + out), 2);
  EXPECT_EQ(RunCli("shot " + set + " --cave 0 --level 0 --frames 5 --keys 5:Nope" + out), 2);
  EXPECT_EQ(RunCli("shot " + (dir / "none.kcv").string() + " --cave 0 --level 0 --frames 5" + out),
            2);
  EXPECT_FALSE(std::filesystem::exists(dir / "x.png"));
}

}  // namespace
}  // namespace krattle::testing
