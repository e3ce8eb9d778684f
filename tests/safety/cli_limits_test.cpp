// krattle-cli refuses counts that would keep it busy for hours or exhaust memory, as a usage
// error that names the limit.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "safety_util.h"
#include "support/run_cli.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

TEST(CliLimits, CountsBeyondTheirLimitAreUsageErrors) {
  ScratchFolder dir("cli_limits");
  const std::string set = (dir.Path() / "s.kcv").native();
  ASSERT_EQ(RunCli("new-set " + set).status, 0);
  const std::string png = (dir.Path() / "x.png").native();

  CliResult r = RunCli("shot " + set + " --cave A --level 0 --frames 10000000 --out " + png);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("frames must be 1..100000"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(png));
  r = RunCli("shot " + set + " --cave A --level 0 --frames 100001 --out " + png);
  EXPECT_EQ(r.status, 2);

  r = RunCli("sim " + set + " --cave A --level 0 --ticks 100000001");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("ticks must be"), std::string::npos) << r.err;
  // A repeat count that would need gigabytes of input.
  r = RunCli("sim " + set + " --cave A --level 0 --ticks 1 --input R99999999999");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("repeat count too large"), std::string::npos) << r.err;
  r = RunCli("sheet " + set + " " + png + " --items 0 99999999");
  EXPECT_EQ(r.status, 2);
}

TEST(CliLimits, ARunScriptThatIsNoTextFileIsRefusedUnread) {
  ScratchFolder dir("cli_script");
  const std::string set = (dir.Path() / "s.kcv").native();
  ASSERT_EQ(RunCli("new-set " + set).status, 0);
  CliResult r = RunCli("run " + set + " --script /dev/zero");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("\"/dev/zero\" is not a readable file"), std::string::npos) << r.err;
  const fs::path huge = dir.Path() / "huge.txt";
  std::ofstream(huge).close();
  fs::resize_file(huge, 64u << 20);  // sparse: costs no disk
  r = RunCli("run " + set + " --script " + huge.native());
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("is too large"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace krattle::testing
