// krattle-cavec reads its sources with a size cap: a device or a huge file named by mistake is
// refused before it is read, and nothing is written.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "safety_util.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

struct CavecRun {
  int Status = -1;
  std::string Err;
};

CavecRun Cavec(const fs::path& dir, const std::string& args) {
  const fs::path err = dir / "err.txt";
  const std::string cmd = std::string(KRATTLE_BIN_DIR) + "/krattle-cavec " + args + " 2>" +
                          err.native() + " </dev/null";
  const int st = std::system(cmd.c_str());
  CavecRun r;
  r.Status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  std::ifstream in(err);
  std::getline(in, r.Err, '\0');
  return r;
}

TEST(CaveCompilerInput, DevicesAndHugeSourcesAreRefusedUnread) {
  ScratchFolder dir("cavec");
  const fs::path out = dir.Path() / "out.kcv";
  CavecRun r = Cavec(dir.Path(), out.native() + " /dev/zero");
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("\"/dev/zero\" is not a readable file"), std::string::npos) << r.Err;

  const fs::path huge = dir.Path() / "huge.cave";
  std::ofstream(huge).close();
  fs::resize_file(huge, 64u << 20);  // sparse: costs no disk
  r = Cavec(dir.Path(), out.native() + " " + huge.native());
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("huge.cave\" is too large (67108864 bytes)"), std::string::npos) << r.Err;
  EXPECT_FALSE(fs::exists(out));

  r = Cavec(dir.Path(), out.native() + " " + (dir.Path() / "missing.cave").native());
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("missing.cave"), std::string::npos) << r.Err;
}

}  // namespace
}  // namespace krattle::testing
