// The game's own command line: help, version, and options it cannot follow.

#include <gtest/gtest.h>

#include <string>

#include "support/run_cli.h"

namespace krattle::testing {

namespace {
CliResult RunGame(const std::string& args) {
  return RunProgram("krattle", args);
}
}  // namespace

TEST(GameCommandLine, HelpAndVersionAnswerWithoutAWindow) {
  const CliResult help = RunGame("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("usage: krattle"), std::string::npos);
  EXPECT_NE(help.out.find("Krattle.ini"), std::string::npos);
  const CliResult version = RunGame("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("krattle ", 0), 0u) << version.out;
  const CliResult tool = RunCli("--version");
  EXPECT_EQ(tool.status, 0);
  EXPECT_EQ(tool.out, "krattle-cli " + version.out.substr(8));
}

TEST(GameCommandLine, WhatCannotBeFollowedIsRefusedWithTheUsage) {
  for (const char* args : {"--frames abc --screenshot x.png", "--frames -5 --screenshot x.png",
                           "--measure 99999999999", "--colour blue", "a.kcv b.kcv"}) {
    const CliResult r = RunGame(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_NE(r.err.find("usage: krattle"), std::string::npos) << args;
  }
}

}  // namespace krattle::testing

namespace krattle::testing {

TEST(SolverCommandLine, CavesByLetterOrNumberAndNothingElse) {
  const std::string set = std::string(KRATTLE_BIN_DIR) + "/Levels/Krattle.kcv";
  const CliResult byLetter = RunProgram("krattle-solve", set + " --cave i --level 0");
  const CliResult byNumber = RunProgram("krattle-solve", set + " --cave 8 --level 0");
  EXPECT_EQ(byLetter.status, byNumber.status);
  EXPECT_EQ(byLetter.out, byNumber.out);
  // A cave it does not know was once taken as cave A and solved.
  for (const char* bad : {"--cave Z --level 0", "--cave I1 --level 0", "--cave I --level x",
                          "--cave 20 --level 0", "--cave I --level 0 --budget -5"}) {
    const CliResult r = RunProgram("krattle-solve", set + " " + bad);
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_EQ(r.out, "") << bad;
  }
}

}  // namespace krattle::testing
