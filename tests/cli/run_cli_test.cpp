// krattle-cli run: a scripted editor session from the command line, checked through sim.

#include "support/run_cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/cave_set.h"
#include "core/cave_set_file.h"
#include "core/elements.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

class RunCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("krattle-run-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    ASSERT_EQ(RunCli("new-set " + Path("base.kcv")).status, 0);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) { return (dir_ / name).string(); }
  std::string Script(const std::string& text) {
    std::ofstream(dir_ / "script.txt") << text;
    return Path("script.txt");
  }
  static std::string TimeLine(const std::string& sim) {
    const auto at = sim.find("\ntime ");
    return at == std::string::npos ? "" : sim.substr(at + 1, sim.find('\n', at + 1) - at - 1);
  }
  fs::path dir_;
};

}  // namespace

TEST_F(RunCliTest, AnEditorSessionSavesANewSetThatSimPlays) {
  const std::string script = Script(
      "key E            # the editor, at cave A level 1\n"
      "key =\n"
      "key ]\n"
      "key ]            # cave B, level 3\n"
      "field Editor_Edit_Diamonds 5\n"
      "field Editor_Edit_CaveTime 42\n"
      "answer file " +
      Path("new.kcv") +
      "\n"
      "menu SaveAs\n"
      "shot editor.png\n"
      "close\n");
  const CliResult r = RunCli("run " + Path("base.kcv") + " --config " + Path("Krattle.ini") +
                             " --script " + script + " --shot-dir " + dir_.string());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::exists(dir_ / "editor.png"));
  CaveSet saved;
  ASSERT_TRUE(ReadCaveSet(dir_ / "new.kcv", saved).Ok());
  EXPECT_EQ(saved.A(SlotOf(1, 2), FieldA::Diamonds), 5);
  EXPECT_EQ(saved.A(SlotOf(1, 2), FieldA::CaveTime), 42);
  // The old file is untouched, and sim sees the new time in the new one.
  const std::string before =
      RunCli("sim " + Path("base.kcv") + " --cave B --level 2 --ticks 1").out;
  const std::string after = RunCli("sim " + Path("new.kcv") + " --cave B --level 2 --ticks 1").out;
  EXPECT_NE(TimeLine(before), TimeLine(after));
}

TEST_F(RunCliTest, TheEditorsToolsBuildACaveThatSimCompletes) {
  std::ifstream in(fs::path(KRATTLE_TEST_DATA) / "build_cave.script");
  std::stringstream text;
  text << in.rdbuf();
  std::string script = text.str();
  const std::string marker = "answer file OUT";
  script.replace(script.find(marker), marker.size(), "answer file " + Path("built.kcv"));
  const CliResult r = RunCli("run " + Path("base.kcv") + " --config " + Path("Krattle.ini") +
                             " --script " + Script(script));
  ASSERT_EQ(r.status, 0) << r.err;
  CaveSet built;
  ASSERT_TRUE(ReadCaveSet(dir_ / "built.kcv", built).Ok());
  EXPECT_EQ(built.MapCell(0, 0, 2, 2), Entrance);
  EXPECT_EQ(built.MapCell(0, 0, 20, 10), FireflyDown);
  EXPECT_EQ(built.MapCell(0, 0, 12, 7), BoulderStationary);
  EXPECT_EQ(built.A(0, FieldA::Diamonds), 3);
  EXPECT_EQ(built.A(0, FieldA::InBox), 5);
  EXPECT_EQ(built.B(0, FieldB::ExtraTime), 110);
  // Dravik waits to be born, walks right over the diamonds into the opened exit: the bonus
  // count follows (phase 5).
  const std::string sim =
      RunCli("sim " + Path("built.kcv") + " --cave A --level 0 --ticks 40 --input .10R8").out;
  EXPECT_NE(sim.find("\nphase 5\n"), std::string::npos) << sim;
  EXPECT_NE(sim.find("\ndiamonds 3\n"), std::string::npos) << sim;
}

TEST_F(RunCliTest, AScriptThatGoesWrongNamesItsLineAndFails) {
  const CliResult r =
      RunCli("run " + Path("base.kcv") + " --config " + Path("Krattle.ini") + " --script " +
             Script("key E\nupdown Editor_UpDown_Value up\nmenu ExitEditor\n"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("script.txt:3: the question"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("dialog: Editor: Caves are modified."), std::string::npos) << r.out;
}

TEST_F(RunCliTest, ASetThatCannotBeOpenedEndsTheRunBeforeTheScript) {
  std::ofstream(dir_ / "bad.kcv") << "nothing";
  const CliResult r = RunCli("run " + Path("bad.kcv") + " --config " + Path("Krattle.ini") +
                             " --script " + Script("key E\n"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("bad.kcv"), std::string::npos) << r.err;
  EXPECT_EQ(RunCli("run " + Path("base.kcv")).status, 2);
}

}  // namespace krattle::testing

namespace krattle::testing {
namespace {

TEST_F(RunCliTest, TheSettingsDialogUnpacksWithTheRealCodec) {
  // A program folder of our own, so the unpacked files land in the test's folder.
  const fs::path program = dir_ / "program";
  fs::create_directories(program / "data");
  fs::copy(fs::path(KRATTLE_BIN_DIR) / "data", program / "data", fs::copy_options::recursive);
  const std::string script =
      Script("answer file " + (program / "data/Krattle/Sounds.kwv").string() +
             "\nanswer yes\ndialog Settings\nbutton UnpackButton\n"
             "button BCustomClose\n");
  const CliResult r = RunCli("run " + Path("base.kcv") + " --config " + Path("Krattle.ini") +
                             " --data " + program.string() + " --script " + script);
  ASSERT_EQ(r.status, 0) << r.err;
  const fs::path into = program / "Unpack/Sounds";
  EXPECT_TRUE(fs::exists(into / "000.wav"));
  EXPECT_TRUE(fs::exists(into / "028.wav"));
  EXPECT_FALSE(fs::exists(into / "029.wav"));
}

}  // namespace
}  // namespace krattle::testing
