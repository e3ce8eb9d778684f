// Test Cave: the edited cave played with one life, and the way back into the editor.

#include "editor_fixture.h"

namespace krattle::testing {

class TestCaveTest : public EditorTest {
 protected:
  GameValues& values() { return GameProbe::Run(game()).Values; }
  void RunUntil(const std::function<bool()>& done, long limit = 3000) {
    runner().FramesUntil(done, limit);
    ASSERT_TRUE(done());
  }
};

TEST_F(TestCaveTest, TheButtonStartsTheCaveWithOneLifeAndWritesNothing) {
  const auto before = SavedSet(SetPath()).Bytes;
  Script("key E\nkey =\nkey ]\nfield Editor_Edit_Diamonds 33\nbutton Editor_Button_TestCave");
  EXPECT_EQ(flow().ScreenMode, smGame);
  EXPECT_TRUE(flow().EditorActive);
  EXPECT_EQ(values().Lives, 1);
  EXPECT_EQ(values().Score, 0);
  // The fields went into the set first, and the cave runs with them.
  EXPECT_EQ(set().A(SlotOf(1, 1), FieldA::Diamonds), 33);
  EXPECT_EQ(GameProbe::Run(game()).Params.Diamonds, 33);
  EXPECT_FALSE(game().Menu().PanelShown);
  EXPECT_TRUE(game().Menu().ZoomShown);
  EXPECT_EQ(runner().Window.Width, 640);
  EXPECT_EQ(runner().Window.PanelHeight, 0);
  Script("frames 200");
  EXPECT_EQ(SavedSet(SetPath()).Bytes, before);
}

TEST_F(TestCaveTest, TheFirstPressWhileTheTitlePictureShowsOnlyPutsItAway) {
  flow().TitlePicture = true;
  Script("key E\nbutton Editor_Button_TestCave");
  EXPECT_EQ(flow().ScreenMode, smEditor);
  EXPECT_FALSE(flow().TitlePicture);
  Script("button Editor_Button_TestCave");
  EXPECT_EQ(flow().ScreenMode, smGame);
}

TEST_F(TestCaveTest, KeyTStartsAtOnceAndAgainDuringTheTest) {
  flow().TitlePicture = true;
  Script("key E\nkey T");
  EXPECT_EQ(flow().ScreenMode, smGame);
  RunUntil([&] { return values().GamePhase == gpPlay; });
  Script("key T");
  EXPECT_EQ(values().GamePhase, gpCover);
  EXPECT_EQ(values().Lives, 1);
}

TEST_F(TestCaveTest, EscapeReturnsToTheEditorWhereItWas) {
  Script("key E\nkey =\nkey .\nkey T");
  RunUntil([&] { return values().GamePhase == gpPlay; });
  Script("key Escape");
  EXPECT_EQ(flow().ScreenMode, smEditor);
  EXPECT_TRUE(game().Menu().PanelShown);
  EXPECT_FALSE(game().Menu().ZoomShown);
  EXPECT_EQ(runner().Window.Width, 800);
  EXPECT_EQ(flow().CurrentCave, 1);
  EXPECT_FALSE(editor().ClipboardValid());
  EXPECT_EQ(panel().Field(panel::CaveLevel).Text, "B/1");
}

TEST_F(TestCaveTest, LosingTheLifeReturnsToTheEditor) {
  // A firefly beside the entrance takes Dravik as soon as he appears.
  set().MapCell(0, 0, 2, 1) = FireflyDown;
  set().MapCell(0, 0, 2, 2) = Space;
  Script("key E\nkey T");
  RunUntil([&] { return !GameProbe::Run(game()).State.PlayerInPlay; });
  EXPECT_EQ(flow().ScreenMode, smGame);
  Script("frames 20\nkey Space");
  EXPECT_EQ(flow().ScreenMode, smEditor);
  EXPECT_TRUE(flow().EditorActive);
}

TEST_F(TestCaveTest, TheEndOfTheTimeReturnsToTheEditor) {
  Script("key E\nfield Editor_Edit_CaveTime 1\nkey T");
  RunUntil([&] { return values().GamePhase == gpOutOfTime; });
  Script("frames 10\nkey Space");
  EXPECT_EQ(flow().ScreenMode, smEditor);
}

TEST_F(TestCaveTest, ARecordingFromTheEditorMarksTheSetAndComesBack) {
  Script("key E\nkey shift+D");
  EXPECT_TRUE(flow().DemoRecording);
  EXPECT_TRUE(editor().Modified());
  EXPECT_EQ(values().Lives, 1);
  RunUntil([&] { return values().GamePhase == gpPlay; });
  Script("hold Right 40\nkey Escape");
  EXPECT_EQ(flow().ScreenMode, smEditor);
  EXPECT_FALSE(flow().DemoRecording);
}

}  // namespace krattle::testing
