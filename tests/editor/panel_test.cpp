// The parameter panel: what it shows for a slot, how typed values go back into the set, and the
// cave and level steps.

#include "editor_fixture.h"

namespace krattle::testing {

namespace {
constexpr const char* kCaveTime = "Editor_Edit_CaveTime";
constexpr const char* kDiamonds = "Editor_Edit_Diamonds";
constexpr const char* kValue = "Editor_Edit_Value";
}  // namespace

TEST(CaveLabel, NamesCaveAndLevelInBlueOrIntermissionRed) {
  EXPECT_EQ(CaveLabelText(17, 2), "R/3");
  EXPECT_EQ(CaveLabelColour(17), 0xFF0000u);
  EXPECT_EQ(CaveLabelText(15, 0), "P/1");
  EXPECT_EQ(CaveLabelColour(15), 0x0000FFu);
  EXPECT_EQ(CaveLabelText(0, 4), "A/5");
  EXPECT_EQ(CaveLabelText(19, 4), "T/5");
}

TEST(PanelNumber, OnlyWholeDecimalNumbersCount) {
  long v = 0;
  EXPECT_TRUE(ParsePanelNumber("300", v));
  EXPECT_EQ(v, 300);
  EXPECT_TRUE(ParsePanelNumber("-1", v));
  EXPECT_EQ(v, -1);
  EXPECT_TRUE(ParsePanelNumber("+7", v));
  for (const char* bad : {"", " ", "12a", "1.5", "x", "99999999999", "+", "-"})
    EXPECT_FALSE(ParsePanelNumber(bad, v)) << bad;
}

TEST_F(EditorTest, FieldsShowTheSlotAndTheLabelFollowsCaveAndLevel) {
  Script("key E");
  EXPECT_EQ(Text(kDiamonds), std::to_string(set().A(0, FieldA::Diamonds)));
  EXPECT_EQ(panel().Field(panel::CaveLevel).Text, "A/1");
  Script("key =\nkey ]\nkey ]");
  EXPECT_EQ(flow().CurrentCave, 1);
  EXPECT_EQ(flow().CurrentLevel, 2);
  EXPECT_EQ(Text(kDiamonds), "12");
  EXPECT_EQ(panel().Field(panel::CaveLevel).Text, "B/3");
  EXPECT_EQ(panel().Field(panel::CaveLevel).Colour, 0x0000FF);
  for (int k = 0; k < 15; ++k) Script("button Editor_Button_IncCave");
  EXPECT_EQ(panel().Field(panel::CaveLevel).Text, "Q/3");
  EXPECT_EQ(panel().Field(panel::CaveLevel).Colour, 0xFF0000);
}

TEST_F(EditorTest, StepsStopAtTheEndsButAlwaysDropThePaletteChoice) {
  Script("key E\nkey .\nkey .");
  EXPECT_EQ(editor().PaletteChoice(), 1);
  Script("key -");
  EXPECT_EQ(flow().CurrentCave, 0);
  EXPECT_EQ(editor().PaletteChoice(), -1);
  Script("key [");
  EXPECT_EQ(flow().CurrentLevel, 0);
  for (int k = 0; k < 30; ++k) Script("key ]\nkey =");
  EXPECT_EQ(flow().CurrentLevel, 4);
  EXPECT_EQ(flow().CurrentCave, 19);
  Script("key .");
  Script("key ]\nkey =");
  EXPECT_EQ(flow().CurrentLevel, 4);
  EXPECT_EQ(flow().CurrentCave, 19);
  EXPECT_EQ(editor().PaletteChoice(), -1);
  EXPECT_EQ(panel().Field(panel::CaveLevel).Text, "T/5");
}

TEST_F(EditorTest, PaletteStepsStayWithinItsSlots) {
  Script("key E\nkey ,");
  EXPECT_EQ(editor().PaletteChoice(), -1);  // nothing chosen stays nothing
  for (int k = 0; k < 30; ++k) Script("key .");
  EXPECT_EQ(editor().PaletteChoice(), 23);
  for (int k = 0; k < 30; ++k) Script("key ,");
  EXPECT_EQ(editor().PaletteChoice(), 0);
}

TEST_F(EditorTest, TypedValuesGoIntoTheSlotWhenTheFieldsAreStored) {
  Script("key E\nfield Editor_Edit_CaveTime 300");
  // Typing alone changes nothing in the set...
  EXPECT_NE(set().A(0, FieldA::CaveTime), 44);
  EXPECT_FALSE(editor().Modified());
  // ...until the fields are stored, here by stepping to the next cave: the low byte of 300.
  Script("key =");
  EXPECT_EQ(set().A(0, FieldA::CaveTime), 44);
  // A stored value that differs from the slot's is unsaved work.
  EXPECT_TRUE(editor().Modified());
}

TEST_F(EditorTest, StoringStopsAtTheFirstTextThatIsNoNumber) {
  const auto before = set().Bytes;
  Script("key E");
  // The store order is cave time, diamonds, value, bonus, magic time, amoeba time.
  Script(
      "field Editor_Edit_CaveTime 99\nfield Editor_Edit_Value 7\n"
      "field Editor_Edit_Diamonds x\nfield Editor_Edit_MagicTime 3\n"
      "field Editor_Edit_AmoebaTime 4");
  Script("key =");
  EXPECT_EQ(set().A(0, FieldA::CaveTime), 99);
  EXPECT_EQ(set().A(0, FieldA::Diamonds), before[CaveSet::Offset(1, 0, RowA)]);
  EXPECT_EQ(set().A(0, FieldA::Value), before[CaveSet::Offset(2, 0, RowA)]);
  EXPECT_EQ(set().A(0, FieldA::MagicTime), before[CaveSet::Offset(4, 0, RowA)]);
  EXPECT_EQ(set().A(0, FieldA::AmoebaTime), before[CaveSet::Offset(5, 0, RowA)]);
  // Back on cave A the fields show what the slot holds, the bad text is gone.
  Script("key -");
  EXPECT_EQ(Text(kCaveTime), "99");
  EXPECT_EQ(Text(kDiamonds), std::to_string(before[CaveSet::Offset(1, 0, RowA)]));
}

TEST_F(EditorTest, EditsTakeOnlyAsManyCharactersAsTheyHaveRoomFor) {
  Script("key E\nfield Editor_Edit_Value 1234\nfield Editor_Edit_CaveTime 12345");
  EXPECT_EQ(Text(kValue), "12");
  EXPECT_EQ(Text(kCaveTime), "123");
}

TEST_F(EditorTest, UpDownsStepWithinTheirRangeAndMarkTheSetModified) {
  Script("key E\nfield Editor_Edit_Value 98");
  EXPECT_FALSE(editor().Modified());
  Script("updown Editor_UpDown_Value up");
  EXPECT_EQ(Text(kValue), "99");
  EXPECT_TRUE(editor().Modified());
  Script("updown Editor_UpDown_Value up");
  EXPECT_EQ(Text(kValue), "99");
  // A text that is no number steps from where the up-down last stood.
  Script("field Editor_Edit_CaveTime abc\nupdown Editor_UpDown_CaveTime down");
  EXPECT_EQ(Text(kCaveTime), std::to_string(set().A(0, FieldA::CaveTime) - 1));
  Script("field Editor_Edit_Diamonds 1\nupdown Editor_UpDown_Diamonds down");
  EXPECT_EQ(Text(kDiamonds), "1");
}

TEST_F(EditorTest, DemoIndicatorShowsTheCavesDemoAndCannotBeChanged) {
  set().SetDemoPresent(1, true);
  Script("key E");
  EXPECT_FALSE(panel().Field(panel::Demo).Enabled);
  EXPECT_EQ(panel().Field(panel::Demo).Value, 0);
  Script("key =");
  EXPECT_TRUE(panel().Field(panel::Demo).Enabled);
  EXPECT_EQ(panel().Field(panel::Demo).Value, 1);
  panel().SetValue(panel::Demo, 0);
  EXPECT_EQ(panel().Field(panel::Demo).Value, 1);
  EXPECT_TRUE(set().DemoPresent(1));
}

}  // namespace krattle::testing
