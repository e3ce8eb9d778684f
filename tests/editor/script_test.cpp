// Scripted sessions: what each command does and how a script that goes wrong is reported.

#include "editor_fixture.h"

namespace krattle::testing {

TEST(ScriptKeys, SdlNamesAndPlainNamesBothWork) {
  EXPECT_EQ(ScriptKeyByName("Left"), keys::Left);
  EXPECT_EQ(ScriptKeyByName("return"), keys::Enter);
  EXPECT_EQ(ScriptKeyByName("Keypad 8"), keys::Numpad8);
  EXPECT_EQ(ScriptKeyByName("-"), keys::Minus);
  EXPECT_EQ(ScriptKeyByName("]"), keys::RightBracket);
  EXPECT_EQ(ScriptKeyByName("t"), keys::Letter('T'));
  EXPECT_EQ(ScriptKeyByName("Left Ctrl"), keys::Ctrl);
  EXPECT_EQ(ScriptKeyByName("Hyper"), 0);
}

TEST_F(EditorTest, ErrorsNameTheLineAndStopTheScript) {
  EXPECT_EQ(ScriptError("# a comment\n\nframes 2\nfly away\nkey E"),
            "script:4: unknown command 'fly' (frames, key, hold, mouse, menu, answer, field, "
            "button, updown, popup, dialog, shot, close)");
  EXPECT_EQ(flow().ScreenMode, smTitle);  // line 5 never ran
  EXPECT_EQ(ScriptError("key Hyper"), "script:1: unknown key 'Hyper'");
  EXPECT_EQ(ScriptError("frames -1"), "script:1: frames takes a count of 0..1000000");
  EXPECT_EQ(ScriptError("hold Left"), "script:1: hold takes a key name and a frame count");
  EXPECT_EQ(ScriptError("mouse down left 10"), "script:1: mouse takes X and Y in surface pixels");
  EXPECT_EQ(ScriptError("field Editor_Edit_Value 3"), "script:1: the editor's panel is not shown");
  EXPECT_EQ(ScriptError("menu Save"), "script:1: the menu item Save is not in the menu now");
  EXPECT_EQ(ScriptError("menu Teleport"), "script:1: there is no menu item Teleport");
  EXPECT_EQ(ScriptError("shot x.png"), "script:1: this session cannot write pictures");
}

TEST_F(EditorTest, ADialogWithoutAQueuedAnswerFailsTheScript) {
  EXPECT_EQ(ScriptError("key E\nupdown Editor_UpDown_Value up\nmenu ExitEditor"),
            "script:3: the question \"Editor: Caves are modified. Save changes?\" came up with "
            "no answer queued");
  // The unanswered question counted as Cancel: the editor is still open.
  EXPECT_EQ(flow().ScreenMode, smEditor);
  EXPECT_EQ(ScriptError("answer no\nmenu Load"),
            "script:2: the file dialog \"Open cave set\" came up with no answer queued");
}

TEST_F(EditorTest, AnswersNobodyAskedForAreReported) {
  EXPECT_EQ(ScriptError("answer yes\nkey E"), "script:2: 1 queued answer(s) were never asked for");
}

TEST_F(EditorTest, PanelCommandsCheckWhatTheyAreGiven) {
  Script("key E");
  EXPECT_EQ(ScriptError("button Editor_Edit_Value"),
            "script:1: 'Editor_Edit_Value' is not a button");
  EXPECT_EQ(ScriptError("field Editor_Button_IncCave 3"),
            "script:1: 'Editor_Button_IncCave' is not an edit");
  EXPECT_EQ(ScriptError("button Nothing"), "script:1: the panel has no 'Nothing'");
  // The Demo indicator is disabled while the cave has no demo.
  EXPECT_EQ(ScriptError("button DRadio"), "script:1: 'DRadio' cannot be used now");
  EXPECT_EQ(ScriptError("updown Editor_UpDown_Value sideways"),
            "script:1: updown takes an up-down's name and up or down");
}

TEST_F(EditorTest, NothingRunsAfterTheProgramHasEnded) {
  EXPECT_EQ(ScriptError("menu Exit\nframes 1"), "script:2: the program has already ended");
  EXPECT_TRUE(session_->Ended());
}

TEST_F(EditorTest, HeldKeysMoveDravikAndMouseEventsReachTheEditor) {
  // The palette's boulder, then a press on cell (2, 3).
  Script(
      "key E\nmouse down left 90 450\nmouse up left 90 450\nmouse down left 41 62\n"
      "mouse up left 41 62");
  EXPECT_EQ(set().MapCell(0, 0, 2, 3), BoulderStationary);
  Script("answer no\nmenu ExitEditor\nkey Space");
  runner().FramesUntil([&] { return GameProbe::Run(game()).State.PlayerPresent; }, 600);
  const int column = GameProbe::Run(game()).State.DravikColumn;
  Script("hold Right 40");
  EXPECT_GT(GameProbe::Run(game()).State.DravikColumn, column);
}

}  // namespace krattle::testing

namespace krattle::testing {

TEST_F(EditorTest, DialogLinesAnswerTheDialogTheyFollow) {
  Script(
      "key E\ndialog Advanced\nset Edit_AmoebaMax 77\nset CheckBox_Stops 1\n"
      "button BAdvancedClose");
  EXPECT_EQ(set().A(0, FieldA::AmoebaMax), 77);
  EXPECT_EQ(set().B(0, FieldB::MagicStopsAmoeba), 255);
  EXPECT_TRUE(editor().Modified());
  // The close box writes nothing.
  Script("dialog Advanced\nset Edit_AmoebaMax 12\nclosebox");
  EXPECT_EQ(set().A(0, FieldA::AmoebaMax), 77);
  // What the dialog wrote is one step of undo.
  Script("key ctrl+z");
  EXPECT_EQ(set().A(0, FieldA::AmoebaMax), PlayableSet()->A(0, FieldA::AmoebaMax));
  Script("dialog Generator\nset GenEdit1 7\nbutton GenButton_Generate\nbutton BGeneratorClose");
  EXPECT_EQ(set().A(0, FieldA::SeedValue), 7);
  EXPECT_EQ(set().MapCell(0, 0, 0, 0), SteelWall);
}

TEST_F(EditorTest, DialogLinesThatDoNotFitAreReported) {
  Script("key E");
  EXPECT_EQ(ScriptError("dialog Advanced\nset Nothing 3\nclosebox"),
            "script:1: the dialog \"Advanced\" has no 'Nothing'");
  EXPECT_EQ(ScriptError("dialog Advanced\nset Edit_AmoebaMax 3"),
            "script:1: the dialog \"Advanced\" was left open (end it with its button or closebox)");
  EXPECT_EQ(ScriptError("dialog Advanced\nclosebox\nset Edit_AmoebaMax 3"),
            "script:1: the dialog \"Advanced\" had closed before all its lines ran");
  EXPECT_EQ(ScriptError("set Edit_AmoebaMax 3"),
            "script:1: set belongs to the lines after a dialog");
  EXPECT_EQ(ScriptError("dialog Colours"),
            "script:1: dialog takes Advanced, Generator, Speed, Settings or About");
}

}  // namespace krattle::testing
