// Entering and leaving the editor, its file commands and the question about unsaved work.

#include <fstream>

#include "editor_fixture.h"

namespace krattle::testing {

TEST_F(EditorTest, EnteringSwitchesScreenMenusWindowAndTiles) {
  Script("frames 3");
  ASSERT_EQ(flow().ScreenMode, smTitle);
  runner().Assets.Loaded.clear();
  Script("key E");
  EXPECT_EQ(flow().ScreenMode, smEditor);
  EXPECT_TRUE(flow().EditorActive);
  EXPECT_EQ(game().Caption(), "Krattle - Mine.kcv");
  EXPECT_EQ(runner().Window.Width, 800);
  EXPECT_EQ(runner().Window.Height, 472);
  EXPECT_EQ(runner().Window.PanelHeight, 60);
  const MenuState& m = game().Menu();
  EXPECT_TRUE(m.Editing && m.PanelShown);
  EXPECT_FALSE(m.ZoomShown);
  EXPECT_FALSE(m.FullScreenShown);
  ASSERT_FALSE(runner().Assets.Loaded.empty());
  EXPECT_EQ(runner().Assets.Loaded.back().filename(), "40x40.kgf");
  EXPECT_FALSE(editor().ClipboardValid());
  // The menu bar now holds the file menu and the Edit menu; the game's items are gone.
  std::string why;
  EXPECT_EQ(FindMenuItem(m, "Save", why), MenuCommand::Save);
  EXPECT_EQ(FindMenuItem(m, "LoadGame", why), MenuCommand::None);
  EXPECT_NE(why.find("not in the menu"), std::string::npos);
  EXPECT_EQ(FindMenuItem(m, "Zoom", why), MenuCommand::None);
  // Full screen is refused while editing, also by key.
  Script("key alt+Return");
  EXPECT_FALSE(runner().Window.FullScreen);
}

TEST_F(EditorTest, EnteringWithoutASetMakesANewOne) {
  GameProbe::Flow(game()).CaveSetLoaded = false;
  game().OpenEditor();
  EXPECT_TRUE(flow().CaveSetLoaded);
  EXPECT_TRUE(game().Menu().DemoEnabled);
  EXPECT_EQ(set().Bytes, NewCaveSet().Bytes);
}

TEST(EditorTiles, TheBigTileSetFallsBackToTheOneThatComesWithTheProgram) {
  StartupOptions options;
  options.Paths.Graph40 = "mine/40.kgf";
  ScriptSession session(options);
  session.Runner().Assets.Broken.insert(std::filesystem::path(".") / "mine/40.kgf");
  session.game().OpenEditor();
  EXPECT_EQ(session.game().Paths().Graph40, "data/Krattle/40x40.kgf");
  EXPECT_EQ(session.Runner().Assets.Loaded.back(),
            std::filesystem::path(".") / "data/Krattle/40x40.kgf");
  EXPECT_FALSE(session.game().QuitRequested());
}

TEST_F(EditorTest, LeavingBringsBackTheTitleScreenAndTheGamesMenus) {
  Script("key E\nmenu ExitEditor");
  EXPECT_EQ(flow().ScreenMode, smTitle);
  EXPECT_FALSE(flow().EditorActive);
  EXPECT_EQ(game().Caption(), "Krattle");
  const MenuState& m = game().Menu();
  EXPECT_FALSE(m.Editing || m.PanelShown);
  EXPECT_TRUE(m.ZoomShown && m.FullScreenShown && m.StartEnabled);
  EXPECT_EQ(runner().Window.Width, 640);
  EXPECT_EQ(runner().Window.PanelHeight, 0);
  // Exit now ends the program.
  Script("menu Exit");
  EXPECT_TRUE(session_->Ended());
}

TEST_F(EditorTest, LeavingAsksAboutUnsavedWorkAndEachAnswerDoesItsPart) {
  // Cancel: the editor stays.
  Script("key E\nupdown Editor_UpDown_Diamonds up\nanswer cancel\nmenu ExitEditor");
  EXPECT_EQ(flow().ScreenMode, smEditor);
  EXPECT_TRUE(editor().Modified());
  // No: the set is read again from its file, so the change is gone.
  const int before = SavedSet(SetPath()).A(0, FieldA::Diamonds);
  Script("answer no\nmenu ExitEditor");
  EXPECT_EQ(flow().ScreenMode, smTitle);
  EXPECT_EQ(set().A(0, FieldA::Diamonds), before);
  EXPECT_EQ(SavedSet(SetPath()).A(0, FieldA::Diamonds), before);
  // Yes: saved to the set's file.
  Script("key E\nupdown Editor_UpDown_Diamonds up\nanswer yes\nmenu ExitEditor");
  EXPECT_EQ(flow().ScreenMode, smTitle);
  EXPECT_EQ(SavedSet(SetPath()).A(0, FieldA::Diamonds), (before + 1) & 0xFF);
}

TEST_F(EditorTest, OnlyTypingStillCountsWhenLeaving) {
  // The typed value reaches the set when leaving stores the fields, so the question comes.
  Script("key E\nfield Editor_Edit_Bonus 42\nanswer yes\nmenu ExitEditor");
  EXPECT_EQ(SavedSet(SetPath()).A(0, FieldA::Bonus), 42);
  // Typing the value the slot already holds is no change: nothing is asked.
  Script("key E\nfield Editor_Edit_Bonus 42\nmenu ExitEditor");
  EXPECT_EQ(flow().ScreenMode, smTitle);
}

TEST_F(EditorTest, LeavingWithNoOnANeverSavedSetKeepsItButNotAsLoaded) {
  Script("key E\nupdown Editor_UpDown_Diamonds up\nanswer no\nmenu New");
  EXPECT_TRUE(game().SetFile().empty());
  Script("updown Editor_UpDown_CaveTime up\nanswer no\nmenu ExitEditor");
  EXPECT_EQ(flow().ScreenMode, smTitle);
  EXPECT_FALSE(flow().CaveSetLoaded);
  EXPECT_FALSE(game().Menu().StartEnabled);
  EXPECT_FALSE(game().Menu().DemoEnabled);
  // The changed set stays in memory.
  EXPECT_EQ(set().A(0, FieldA::CaveTime), NewCaveSet().A(0, FieldA::CaveTime) + 1);
}

TEST_F(EditorTest, NewAsksFirstAndThenStartsAFreshSetWithoutAName) {
  Script("key E\nkey =\nupdown Editor_UpDown_Value up\nanswer cancel\nmenu New");
  EXPECT_EQ(flow().CurrentCave, 1);
  EXPECT_EQ(game().SetName(), "Mine");
  Script("answer no\nmenu New");
  EXPECT_EQ(flow().CurrentCave, 0);
  EXPECT_TRUE(game().SetFile().empty());
  EXPECT_EQ(game().Caption(), "Krattle");
  EXPECT_EQ(set().Bytes, NewCaveSet().Bytes);
  EXPECT_EQ(panel().Field(panel::CaveLevel).Text, "A/1");
  EXPECT_FALSE(editor().Modified());
  // Yes saves the old work first, into the file it came from.
  Script("answer file " + SetPath().string() + "\nmenu Load");
  Script("updown Editor_UpDown_Value up\nanswer yes\nmenu New");
  EXPECT_EQ(SavedSet(SetPath()).A(0, FieldA::Value), (PlayableSet()->A(0, FieldA::Value) + 1));
}

TEST_F(EditorTest, LoadInTheEditorAsksOpensAndShowsTheNewSet) {
  auto other = PlayableSet();
  other->A(0, FieldA::Diamonds) = 77;
  ASSERT_TRUE(SaveCaveSet(dir_ / "Other.kcv", *other).Ok());
  // Cancel: no dialog opens, the change stays.
  Script("key E\nkey =\nupdown Editor_UpDown_Value up\nanswer cancel\nmenu Load");
  EXPECT_TRUE(runner().Dialogs.OpenedIn.empty());
  EXPECT_TRUE(editor().Modified());
  Script("answer no\nanswer file " + (dir_ / "Other.kcv").string() + "\nmenu Load");
  ASSERT_EQ(runner().Dialogs.OpenedIn.size(), 1u);
  EXPECT_EQ(runner().Dialogs.OpenedIn[0], dir_ / "Levels");
  EXPECT_EQ(flow().ScreenMode, smEditor);
  EXPECT_EQ(flow().CurrentCave, 0);
  EXPECT_EQ(game().Caption(), "Krattle - Other.kcv");
  EXPECT_EQ(panel().Field("Editor_Edit_Diamonds").Text, "77");
  EXPECT_FALSE(editor().Modified());
}

TEST_F(EditorTest, AFileThatCannotBeOpenedIsExplainedAndChangesNothing) {
  {
    std::ofstream bad(dir_ / "Bad.kcv");
    bad << "not a cave set";
  }
  Script("key E\nkey =");
  runner().Dialogs.Shown.clear();
  Script("answer file " + (dir_ / "Bad.kcv").string() + "\nanswer ok\nmenu Load");
  ASSERT_EQ(runner().Dialogs.Shown.size(), 1u);
  EXPECT_NE(runner().Dialogs.Shown[0].find("Bad.kcv"), std::string::npos);
  EXPECT_EQ(game().SetName(), "Mine");
  EXPECT_EQ(game().Caption(), "Krattle - Mine.kcv");
  EXPECT_EQ(flow().CurrentCave, 1);
}

TEST_F(EditorTest, SaveWithoutAFileNameGoesToSaveAs) {
  Script("key E\nmenu New\nupdown Editor_UpDown_Diamonds up");
  Script("answer file " + (dir_ / "mycaves.kcv").string() + "\nmenu Save");
  ASSERT_EQ(runner().Dialogs.OpenedIn.size(), 1u);
  EXPECT_EQ(runner().Dialogs.FileTitles.back(), "Save cave set");
  EXPECT_EQ(game().Caption(), "Krattle - mycaves.kcv");
  EXPECT_EQ(game().SetFile(), dir_ / "mycaves.kcv");
  EXPECT_FALSE(editor().Modified());
  EXPECT_EQ(SavedSet(dir_ / "mycaves.kcv").A(0, FieldA::Diamonds),
            NewCaveSet().A(0, FieldA::Diamonds) + 1);
  // Now it has a name: Save writes there without asking.
  Script("updown Editor_UpDown_Diamonds up\nmenu Save");
  EXPECT_EQ(SavedSet(dir_ / "mycaves.kcv").A(0, FieldA::Diamonds),
            NewCaveSet().A(0, FieldA::Diamonds) + 2);
}

TEST_F(EditorTest, SaveAsToANameWithoutExtensionLeavesTheCaptionAlone) {
  Script("key E\nanswer file " + (dir_ / "abc").string() + "\nmenu SaveAs");
  EXPECT_TRUE(std::filesystem::exists(dir_ / "abc"));
  EXPECT_EQ(game().SetName(), "");
  EXPECT_EQ(game().Caption(), "Krattle - Mine.kcv");
}

TEST_F(EditorTest, AFailedSaveSaysSoAndKeepsTheWorkMarkedUnsaved) {
  std::filesystem::create_directories(dir_ / "ro");
  Script("key E\nupdown Editor_UpDown_Value up");
  runner().Dialogs.Shown.clear();
  Script("answer file " + (dir_ / "nofolder" / "x.kcv").string() + "\nanswer ok\nmenu SaveAs");
  ASSERT_EQ(runner().Dialogs.Shown.size(), 1u);
  EXPECT_NE(runner().Dialogs.Shown[0].find("x.kcv"), std::string::npos);
  EXPECT_NE(runner().Dialogs.Shown[0].find("still marked as modified"), std::string::npos);
  EXPECT_TRUE(editor().Modified());
  EXPECT_EQ(game().SetFile(), SetPath());
  // Yes to the question with a save that fails keeps the editor open.
  std::filesystem::permissions(SetPath(), std::filesystem::perms::owner_read);
  Script("answer yes\nanswer ok\nmenu ExitEditor");
  EXPECT_EQ(flow().ScreenMode, smEditor);
  EXPECT_TRUE(editor().Modified());
  std::filesystem::permissions(SetPath(), std::filesystem::perms::owner_all);
}

TEST_F(EditorTest, ClosingTheWindowAsksAndOnlyCancelKeepsTheProgram) {
  Script("key E\nupdown Editor_UpDown_Value up\nanswer cancel\nclose");
  EXPECT_FALSE(session_->Ended());
  Script("answer yes\nclose");
  EXPECT_TRUE(session_->Ended());
  EXPECT_EQ(SavedSet(SetPath()).A(0, FieldA::Value), PlayableSet()->A(0, FieldA::Value) + 1);
}

TEST_F(EditorTest, ClosingWithNoLeavesTheFileAsItWas) {
  const auto before = SavedSet(SetPath()).Bytes;
  Script("key E\nfield Editor_Edit_Value 55\nanswer no\nclose");
  EXPECT_TRUE(session_->Ended());
  EXPECT_EQ(SavedSet(SetPath()).Bytes, before);
}

TEST_F(EditorTest, ClosingWithoutChangesAsksNothing) {
  Script("key E\nkey =\nclose");
  EXPECT_TRUE(session_->Ended());
}

}  // namespace krattle::testing
