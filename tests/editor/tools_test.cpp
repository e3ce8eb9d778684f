// The editor's tools: the palette, painting, rectangles, pop-ups, Random, Graphics set, the
// cave clipboard, and undo.

#include <sstream>

#include "editor/cave_tools.h"
#include "editor_fixture.h"

namespace krattle::testing {

namespace {

// Script lines for the mouse, in cells and palette slots.
std::string Pick(int slot) {
  std::ostringstream s;
  s << "mouse down left " << 26 * slot + 10 << " 450\nmouse up left " << 26 * slot + 10 << " 450\n";
  return s.str();
}
std::string At(int column, int row) {
  return std::to_string(20 * column + 5) + " " + std::to_string(20 * row + 5);
}
std::string Click(const char* button, int column, int row) {
  return std::string("mouse down ") + button + " " + At(column, row) + "\nmouse up " + button +
         " " + At(column, row) + "\n";
}
std::string Drag(const char* button, int fromX, int fromY, int toX, int toY) {
  return std::string("mouse down ") + button + " " + At(fromX, fromY) + "\nmouse move " + button +
         " " + At(toX, toY) + "\nmouse up " + button + " " + At(toX, toY) + "\n";
}

}  // namespace

class ToolsTest : public EditorTest {
 protected:
  // Opens the editor on `cave`, level 1.
  void EditCave(int cave) {
    Script("key E");
    for (int k = 0; k < cave; ++k) Script("key =");
  }
  Element Cell(int cave, int x, int y) { return set().MapCell(cave, 0, x, y); }
  int Count(int cave, Element code) {
    int n = 0;
    for (int y = 0; y < 22; ++y)
      for (int x = 0; x < 40; ++x) n += Cell(cave, x, y) == code;
    return n;
  }
};

TEST_F(ToolsTest, ThePaletteStripChoosesWithAnyButton) {
  EditCave(0);
  Script(Pick(4));
  EXPECT_EQ(editor().PaletteChoice(), 4);
  Script("mouse down right 5 450\nmouse down middle 620 460");
  EXPECT_EQ(editor().PaletteChoice(), 23);
  Script("mouse down left 630 450");  // right of the strip
  EXPECT_EQ(editor().PaletteChoice(), 23);
}

TEST_F(ToolsTest, PaintingWritesOnlyWritableCellsAndDraggingLeavesATrail) {
  EditCave(16);
  const Element outside = Cell(16, 25, 5);
  Script(Pick(4) + Click("left", 25, 5) + Click("left", 19, 11));
  EXPECT_EQ(Cell(16, 25, 5), outside);  // beyond the intermission's 20 x 12
  EXPECT_EQ(Cell(16, 19, 11), DiamondStationary);
  EXPECT_TRUE(editor().Modified());
  Script("key -\n" + Pick(0) + "mouse down left " + At(3, 4) + "\nmouse move left " + At(4, 4) +
         "\nmouse move left " + At(5, 5) + "\nmouse up left " + At(5, 5));
  EXPECT_EQ(Cell(15, 3, 4), SteelWall);
  EXPECT_EQ(Cell(15, 4, 4), SteelWall);
  EXPECT_EQ(Cell(15, 5, 5), SteelWall);
  // Nothing chosen paints nothing.
  Script("key =\nmouse down left " + At(6, 6) + "\nmouse up left " + At(6, 6));
  EXPECT_NE(Cell(16, 6, 6), SteelWall);
}

TEST_F(ToolsTest, RectanglesRunRightAndDownAndStayInTheCave) {
  EditCave(0);
  Script(Pick(3) + Drag("right", 5, 5, 5, 9));
  EXPECT_EQ(Count(0, BoulderStationary), 0);
  Script(Drag("right", 8, 9, 5, 5));  // up and to the left
  EXPECT_EQ(Count(0, BoulderStationary), 0);
  Script(Drag("right", 5, 5, 8, 9));
  EXPECT_EQ(Count(0, BoulderStationary), 20);
  EXPECT_EQ(Cell(0, 8, 9), BoulderStationary);
  for (int k = 0; k < 16; ++k) Script("key =");
  Script(Pick(2) + Drag("right", 15, 8, 30, 20));
  EXPECT_EQ(Count(16, Space), 5 * 4);
  EXPECT_EQ(Cell(16, 15, 8), Space);
  EXPECT_EQ(Cell(16, 19, 11), Space);
}

TEST_F(ToolsTest, TheLiveCornerFollowsTheDragForThePreview) {
  EditCave(0);
  Script(Pick(3) + "mouse down right " + At(5, 5) + "\nmouse move right " + At(8, 9));
  EXPECT_TRUE(editor().Rect().Active);
  EXPECT_EQ(editor().Rect().CornerX, 8);
  EXPECT_EQ(editor().Rect().CornerY, 9);
  Script("mouse move right 100 450");  // below the cave: the corner goes back to 0
  EXPECT_EQ(editor().Rect().CornerX, 0);
  Script("mouse up right " + At(8, 9));
  EXPECT_FALSE(editor().Rect().Active);
}

TEST_F(ToolsTest, PopUpsOfferWhatTheCellCanBeAndChangeIt) {
  set().MapCell(0, 0, 4, 4) = WallFallingFalling;
  set().MapCell(0, 0, 5, 4) = ButterflyUp;
  set().MapCell(0, 0, 6, 4) = AltButterflyDown;
  EditCave(0);
  Script("mouse down middle " + At(4, 4));
  ASSERT_TRUE(editor().Popup().has_value());
  const EditorPopup p = *editor().Popup();
  EXPECT_EQ(p.What, EditorPopup::State);
  EXPECT_FALSE(p.GluedShown);
  EXPECT_TRUE(p.Ticked[static_cast<int>(PopupItem::Falling)]);
  EXPECT_EQ(ScriptError("popup Glued"), "script:1: the open pop-up menu has no 'Glued'");
  Script("popup Stationary");
  EXPECT_EQ(Cell(0, 4, 4), WallFalling);
  EXPECT_FALSE(editor().Popup().has_value());
  Script("mouse down middle " + At(5, 4) + "\npopup FireflyDown");
  EXPECT_EQ(Cell(0, 5, 4), ButterflyDown);
  Script("mouse down middle " + At(6, 4) + "\npopup FireflyLeft");
  EXPECT_EQ(Cell(0, 6, 4), AltButterflyLeft);
  // A boulder gets no facing menu; dirt gets no menu at all.
  Script("mouse down middle " + At(3, 3));
  EXPECT_FALSE(editor().Popup().has_value());
  EXPECT_EQ(ScriptError("popup FireflyLeft"), "script:1: no pop-up menu is open");
}

TEST(PopupTables, EveryGroupTurnsWithinItself) {
  EXPECT_EQ(ApplyPopupItem(FireflyUp, PopupItem::FacingRight), FireflyRight);
  EXPECT_EQ(ApplyPopupItem(ButterflyLeft, PopupItem::FacingDown), ButterflyDown);
  EXPECT_EQ(ApplyPopupItem(AltFireflyDown, PopupItem::FacingUp), AltFireflyUp);
  EXPECT_EQ(ApplyPopupItem(BoulderGlued, PopupItem::Falling), BoulderFalling);
  EXPECT_EQ(ApplyPopupItem(DiamondStationary, PopupItem::Glued), DiamondGlued);
  EXPECT_EQ(ApplyPopupItem(BombSolid, PopupItem::Glued), BombGlued);
  EXPECT_EQ(ApplyPopupItem(WallFalling, PopupItem::Glued), WallFalling);
  EXPECT_EQ(ApplyPopupItem(BoulderStationary, PopupItem::FacingLeft), BoulderStationary);
  EXPECT_TRUE(PopupFor(BoulderPushed).has_value());  // 24..30 all get the state menu
  EXPECT_FALSE(PopupFor(Dirt).has_value());
}

TEST_F(ToolsTest, RandomScattersTenCellsOffTheBorderFromTheSharedGenerator) {
  EditCave(0);
  GameProbe::Run(game()).Rng.RandomSeed = 1234;
  Random expected{1234};
  std::vector<std::pair<int, int>> cells;
  for (int k = 0; k < 10; ++k) {
    const int x = 1 + static_cast<int>(expected.RandomBelow(38));
    cells.emplace_back(x, 1 + static_cast<int>(expected.RandomBelow(20)));
  }
  Script(Pick(19) + "button Editor_Button_Random");
  for (auto [x, y] : cells) EXPECT_EQ(Cell(0, x, y), Clock) << x << "," << y;
  EXPECT_EQ(GameProbe::Run(game()).Rng.RandomSeed, expected.RandomSeed);
  // Without a choice nothing happens, not even a draw.
  const auto before = set().Bytes;
  Script("key =\nkey -\nbutton Editor_Button_Random");
  EXPECT_EQ(set().Bytes, before);
}

TEST_F(ToolsTest, GraphicsSetCyclesTheChosenElementsStyle) {
  set().A(0, FieldA::DirtStyle) = 8;
  EditCave(0);
  Script(Pick(1) + "button Editor_Button_GrpSet");
  EXPECT_EQ(editor().Styles()[1], 0);
  EXPECT_EQ(set().A(0, FieldA::DirtStyle), 0);
  EXPECT_TRUE(editor().Modified());
  Script(Pick(10) + "button Editor_Button_GrpSet\nbutton Editor_Button_GrpSet");
  EXPECT_EQ(editor().Styles()[3], 0);  // the magic wall has two looks
  // Space has no style: nothing changes, the earlier change is still unsaved.
  const auto styles = editor().Styles();
  Script(Pick(2) + "button Editor_Button_GrpSet");
  EXPECT_EQ(editor().Styles(), styles);
  EXPECT_TRUE(editor().Modified());
}

TEST_F(ToolsTest, CopyAndPasteCarryMapAndParametersBetweenCavesOfEitherSize) {
  set().B(SlotOf(18, 0), FieldB::BigIntermission) = 255;
  set().MapCell(18, 0, 3, 3) = Amoeba;
  set().A(SlotOf(18, 0), FieldA::Diamonds) = 42;
  set().SetDemoPresent(2, true);
  EditCave(18);
  Script("menu Copy");
  EXPECT_TRUE(editor().ClipboardValid());
  for (int k = 0; k < 16; ++k) Script("key -");
  Script("answer yes\nmenu Paste");
  EXPECT_EQ(Cell(2, 3, 3), Amoeba);
  EXPECT_EQ(Cell(2, 30, 15), SteelWall);  // outside the intermission's part
  EXPECT_EQ(set().B(SlotOf(2, 0), FieldB::BigIntermission), 255);
  EXPECT_EQ(Text("Editor_Edit_Diamonds"), "42");
  EXPECT_FALSE(set().DemoPresent(2));

  set().MapCell(2, 0, 25, 3) = Slime;
  set().MapCell(2, 0, 4, 4) = Acid;
  set().B(SlotOf(2, 0), FieldB::BigIntermission) = 0;
  set().B(SlotOf(17, 0), FieldB::BigIntermission) = 255;
  Script("menu Copy");
  for (int k = 0; k < 15; ++k) Script("key =");
  Script("answer yes\nmenu Paste");
  EXPECT_EQ(Cell(17, 4, 4), Acid);
  EXPECT_EQ(set().B(SlotOf(17, 0), FieldB::BigIntermission), 255);  // not written
  // No leaves the cave as it was.
  const auto before = set().Bytes;
  Script("key -\nanswer no\nmenu Paste");
  EXPECT_EQ(set().Bytes, before);
}

TEST_F(ToolsTest, TheClipboardIsGoneAfterATest) {
  EditCave(1);
  Script("menu Copy\nkey T\nframes 100\nkey Escape\nframes 100");
  ASSERT_EQ(flow().ScreenMode, smGame);  // Escape only ends a cave in play
  runner().FramesUntil([&] { return GameProbe::Run(game()).Values.GamePhase == gpPlay; }, 400);
  Script("key Escape");
  ASSERT_EQ(flow().ScreenMode, smEditor);
  const auto before = set().Bytes;
  Script("menu Paste");  // no question comes: nothing to paste
  EXPECT_EQ(set().Bytes, before);
}

TEST_F(ToolsTest, ClearCaveAsksThenLeavesSteelAroundDirt) {
  set().A(SlotOf(16, 0), FieldA::DirtStyle) = 3;
  set().SetDemoPresent(16, true);
  EditCave(16);
  Script("answer yes\nmenu ClearCave");
  EXPECT_EQ(Cell(16, 0, 0), SteelWall);
  EXPECT_EQ(Cell(16, 19, 11), SteelWall);
  EXPECT_EQ(Cell(16, 18, 10), Dirt);
  EXPECT_EQ(Cell(16, 1, 1), Dirt);
  EXPECT_EQ(set().A(SlotOf(16, 0), FieldA::CaveTime), 120);
  EXPECT_EQ(set().A(SlotOf(16, 0), FieldA::DirtStyle), 3);
  EXPECT_EQ(set().B(SlotOf(16, 0), FieldB::ExtraTime), 105);
  EXPECT_FALSE(set().DemoPresent(16));
  EXPECT_EQ(Text("Editor_Edit_CaveTime"), "120");
}

TEST_F(ToolsTest, UndoAndRedoGiveBackTheExactBytes) {
  EditCave(0);
  const auto start = set().Bytes;
  Script(Pick(4) + "mouse down left " + At(2, 2) + "\nmouse move left " + At(3, 2) +
         "\nmouse move left " + At(4, 2) + "\nmouse up left " + At(4, 2));
  const auto stroke = set().Bytes;
  Script(Pick(3) + Drag("right", 5, 5, 8, 9));
  const auto rectangle = set().Bytes;
  Script("menu Copy\nkey =\nanswer yes\nmenu Paste");
  const auto pasted = set().Bytes;
  Script("answer yes\nmenu ClearCave");
  EXPECT_TRUE(game().Menu().UndoEnabled);
  Script("key ctrl+z");
  EXPECT_EQ(set().Bytes, pasted);
  Script("menu Undo");
  EXPECT_EQ(set().Bytes, rectangle);
  Script("key ctrl+z");
  EXPECT_EQ(set().Bytes, stroke);  // the whole stroke is one step
  Script("key ctrl+z");
  EXPECT_EQ(set().Bytes, start);
  EXPECT_FALSE(game().Menu().UndoEnabled);
  Script("key ctrl+y\nkey ctrl+shift+z");
  EXPECT_EQ(set().Bytes, rectangle);
  EXPECT_TRUE(editor().Modified());
  // Something new drops what could be redone.
  ASSERT_TRUE(game().Menu().RedoEnabled);
  Script(Pick(4) + Click("left", 10, 10));
  EXPECT_FALSE(game().Menu().RedoEnabled);
}

TEST_F(ToolsTest, UndoTakesBackAValueStoredFromTheFields) {
  EditCave(0);
  const int before = set().A(0, FieldA::Diamonds);
  Script("field Editor_Edit_Diamonds 77\nkey =\nkey ctrl+z");
  EXPECT_EQ(set().A(0, FieldA::Diamonds), before);
}

TEST_F(ToolsTest, LoadingAnotherSetDropsTheHistory) {
  EditCave(0);
  Script(Pick(4) + Click("left", 2, 2));
  ASSERT_TRUE(editor().History().CanUndo());
  Script("answer no\nanswer file " + SetPath().string() + "\nmenu Load");
  EXPECT_FALSE(editor().History().CanUndo());
  EXPECT_FALSE(game().Menu().UndoEnabled);
  Script(Pick(4) + Click("left", 2, 2) + "answer no\nmenu New");
  EXPECT_FALSE(editor().History().CanUndo());
}

TEST(EditHistory, KeepsItsLimitAndForgetsEmptyChanges) {
  CaveSet set = NewCaveSet();
  EditHistory h;
  h.Begin(set);
  h.End(set);
  EXPECT_FALSE(h.CanUndo());
  for (std::size_t k = 0; k < EditHistory::Limit + 5; ++k) {
    h.Begin(set);
    set.Bytes[k] ^= 1;
    h.End(set);
  }
  std::size_t steps = 0;
  while (h.Undo(set)) ++steps;
  EXPECT_EQ(steps, EditHistory::Limit);
  for (std::size_t k = 0; k < 5; ++k) EXPECT_NE(set.Bytes[k], NewCaveSet().Bytes[k]);
  EXPECT_EQ(set.Bytes[5], NewCaveSet().Bytes[5]);
}

}  // namespace krattle::testing
