// Closing the window writes Krattle.ini before the editor asks about unsaved caves.

#include <gtest/gtest.h>

#include <fstream>

#include "editor_fixture.h"
#include "game/config_file.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

class SettingsCloseTest : public ::testing::Test {
 protected:
  SettingsCloseTest() : dir_(TempDir("settings_close")) {
    EXPECT_TRUE(SaveCaveSet(dir_ / "Mine.kcv", *PlayableSet()).Ok());
  }
  ~SettingsCloseTest() override { fs::remove_all(dir_); }

  void Start(const fs::path& config) {
    StartupOptions options;
    options.ProgramDir = dir_;
    options.Args = {(dir_ / "Mine.kcv").string()};
    options.ConfigFile = config;
    session_ = std::make_unique<ScriptSession>(options);
  }
  std::string Run(const std::string& script) { return session_->Run(script); }

  fs::path dir_;
  std::unique_ptr<ScriptSession> session_;
};

TEST_F(SettingsCloseTest, CancellingTheQuestionKeepsTheProgramButTheFileIsWritten) {
  const fs::path ini = dir_ / "Krattle.ini";
  Start(ini);
  ASSERT_EQ(Run("key E\nfield Editor_Edit_Diamonds 5\nkey M\nanswer cancel\nclose\n"), "");
  EXPECT_FALSE(session_->Ended());
  ASSERT_TRUE(fs::exists(ini));
  ConfigValues v;
  ASSERT_TRUE(ReadConfigFile(ini, v).Ok);
  EXPECT_EQ(v.SoundOff, 1);
  EXPECT_EQ(v.Open, fs::absolute(dir_ / "Mine.kcv"));
  // The question is still there on the next close: No ends the program.
  ASSERT_EQ(Run("answer no\nclose\n"), "");
  EXPECT_TRUE(session_->Ended());
}

TEST_F(SettingsCloseTest, AWriteFailureIsShownAndTheQuestionIsStillAsked) {
  std::ofstream(dir_ / "plain") << "a file where a folder should be";
  Start(dir_ / "plain" / "Krattle.ini");
  const auto& shown = session_->Runner().Dialogs.Shown;
  ASSERT_EQ(Run("key E\nfield Editor_Edit_Diamonds 5\nanswer ok\nanswer cancel\nclose\n"), "");
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NE(shown[0].find("settings were not saved"), std::string::npos) << shown[0];
  EXPECT_NE(shown[1].find("modified"), std::string::npos) << shown[1];
  EXPECT_FALSE(session_->Ended());
  // Yes saves the caves and closes, the settings failure notwithstanding.
  ASSERT_EQ(Run("answer ok\nanswer yes\nclose\n"), "");
  EXPECT_TRUE(session_->Ended());
  CaveSet saved;
  ASSERT_TRUE(ReadCaveSet(dir_ / "Mine.kcv", saved).Ok());
}

TEST_F(SettingsCloseTest, AScriptDrivesTheSpeedDialogAndItsCloseWritesTheResult) {
  const fs::path ini = dir_ / "Krattle.ini";
  Start(ini);
  ASSERT_EQ(Run("dialog Speed\nset TrackBar_Speed 25\nkey S\nclose\n"), "");
  EXPECT_TRUE(session_->Ended());
  ConfigValues v;
  ASSERT_TRUE(ReadConfigFile(ini, v).Ok);
  EXPECT_EQ(v.Speed, 25);
}

TEST_F(SettingsCloseTest, TheAboutBoxShowsTheSettingsFileInUse) {
  const fs::path ini = dir_ / "Krattle.ini";
  Start(ini);
  ASSERT_EQ(Run("dialog About\nbutton CloseButton\n"), "");
  const Form& about = session_->Runner().Dialogs.FormsShown.back();
  EXPECT_NE(about.Field("ConfigLabel").Text.find(ini.string()), std::string::npos);
}

TEST_F(SettingsCloseTest, ASpeedDialogLeftOpenOrMisspeltStopsTheScript) {
  Start(dir_ / "Krattle.ini");
  EXPECT_NE(Run("dialog Speed\nset TrackBar_Speed 3\n").find("left open"), std::string::npos);
  Start(dir_ / "Krattle.ini");
  EXPECT_NE(Run("dialog Speed\nkey Nonsense\n").find("key takes one key name"), std::string::npos);
  Start(dir_ / "Krattle.ini");
  EXPECT_NE(Run("dialog Sped\n").find("dialog takes"), std::string::npos);
}

}  // namespace
}  // namespace krattle::testing
