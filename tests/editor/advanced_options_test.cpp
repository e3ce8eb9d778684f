// The advanced-options dialog: what it shows for a slot, what Close and the close box store,
// and when the editor learns the set has changed.

#include "editor/advanced_options.h"

#include <gtest/gtest.h>

#include "core/cave_set.h"
#include "game/texts.h"

namespace krattle::testing {

namespace {

class AdvancedOptionsTest : public ::testing::Test {
 protected:
  Form Open(int cave, int level) {
    Form form = AdvancedOptionsForm(set_, cave, level, texts_, [this] { ++marks_; });
    form.Show();
    return form;
  }
  std::uint8_t& B(int cave, int level, FieldB f) { return set_.B(SlotOf(cave, level), f); }
  std::uint8_t& A(int cave, int level, FieldA f) { return set_.A(SlotOf(cave, level), f); }

  CaveSet set_ = NewCaveSet();
  Texts texts_;
  int marks_ = 0;
};

}  // namespace

TEST_F(AdvancedOptionsTest, ExtraTimeShowsTheStoredByteLessAHundredAndStoresItBack) {
  for (const auto& [stored, shown] : {std::pair{0, -100}, {200, 100}, {105, 5}}) {
    B(2, 1, FieldB::ExtraTime) = static_cast<std::uint8_t>(stored);
    Form form = Open(2, 1);
    EXPECT_EQ(form.Field("Edit_ExtraTime").Value, shown) << stored;
    form.Click("BAdvancedClose");
    EXPECT_FALSE(form.IsOpen());
    EXPECT_EQ(B(2, 1, FieldB::ExtraTime), stored);
  }
  EXPECT_EQ(marks_, 0) << "closing without a change is no change";

  Form form = Open(2, 1);
  form.SetValue("Edit_ExtraTime", -7);
  form.Click("BAdvancedClose");
  EXPECT_EQ(B(2, 1, FieldB::ExtraTime), 93);
}

TEST_F(AdvancedOptionsTest, ShowsEveryControlFromTheSlotWithCaptionsAndLists) {
  A(4, 3, FieldA::AmoebaMax) = 77;
  A(4, 3, FieldA::InBox) = 9;
  B(4, 3, FieldB::MagicStopsAmoeba) = 1;  // any non-zero byte is on
  B(4, 3, FieldB::AcidEats) = 13;
  B(4, 3, FieldB::SlimePenetrated) = 2;
  Form form = Open(4, 3);
  EXPECT_EQ(form.Caption, "Advanced");
  EXPECT_EQ(form.Field("Edit_AmoebaMax").Value, 77);
  EXPECT_EQ(form.Field("Edit_InBox").Value, 9);
  EXPECT_EQ(form.Field("Edit_InBox").Max, 40);
  EXPECT_EQ(form.Field("Edit_Boulder").Max, 8);
  EXPECT_EQ(form.Field("CheckBox_Stops").Value, 1);
  EXPECT_TRUE(form.Field("CheckBox_Intermission").Enabled);
  EXPECT_EQ(form.Field("ComboBox10").Value, 13);
  EXPECT_EQ(form.Field("ComboBox11").Value, 2);

  const auto& elements = form.Field("ComboBox1").Items;
  ASSERT_EQ(elements.size(), 51u);
  EXPECT_EQ(elements[0], "Steel wall");
  EXPECT_EQ(elements[10], "Dravik");
  EXPECT_EQ(elements[50], "Explosion solid bomb");
  EXPECT_EQ(form.Field("ComboBox10").Items, elements);
  EXPECT_EQ(form.Field("ComboBox11").Items,
            (std::vector<std::string>{"Diamonds & Boulders & Bombs", "Diamonds & Boulders",
                                      "Diamonds & Bombs", "Boulders & Bombs"}));
  EXPECT_EQ(form.Field("Label7").Text, "Falling boulder turns into");
  EXPECT_EQ(form.Field("Label8").Text, "Falling boulder turns into");
  EXPECT_EQ(form.Field("Label_ExtraTime").Text, "Extra time per clock");
  EXPECT_EQ(form.Field("BAdvancedClose").Caption, "Close");
  EXPECT_EQ(marks_, 0);
}

TEST_F(AdvancedOptionsTest, LabelsFollowTheLanguageAtEachShowingButListsKeepTheFirst) {
  Form form = AdvancedOptionsForm(set_, 0, 0, texts_, [] {});
  texts_.Set(TextId::ItemsDirt, "Soil");
  texts_.Set(TextId::AdvancedFallingDiamonds, "Falling diamond turns into");
  form.Show();
  EXPECT_EQ(form.Field("Label8").Text, "Falling diamond turns into");
  EXPECT_EQ(form.Field("ComboBox1").Items[1], "Dirt");
}

TEST_F(AdvancedOptionsTest, IntermissionSwitchIsFixedInIntermissionsButWrittenBack) {
  B(17, 0, FieldB::BigIntermission) = 255;
  Form form = Open(17, 0);
  EXPECT_FALSE(form.Field("CheckBox_Intermission").Enabled);
  EXPECT_EQ(form.Field("CheckBox_Intermission").Value, 1);
  form.SetValue("CheckBox_Intermission", 0);
  EXPECT_EQ(form.Field("CheckBox_Intermission").Value, 1) << "a disabled box takes no tick";
  form.Click("BAdvancedClose");
  EXPECT_EQ(B(17, 0, FieldB::BigIntermission), 255);

  B(17, 0, FieldB::BigIntermission) = 0;
  form.Show();
  EXPECT_EQ(form.Field("CheckBox_Intermission").Value, 0);
  form.Click("BAdvancedClose");
  EXPECT_EQ(B(17, 0, FieldB::BigIntermission), 0);
  EXPECT_EQ(marks_, 0);
}

TEST_F(AdvancedOptionsTest, ResetShowsResetValuesButOnlyCloseStoresThem) {
  A(5, 0, FieldA::AmoebaMax) = 3;
  B(5, 0, FieldB::ExtraTime) = 0;
  B(5, 0, FieldB::MagicStopsAmoeba) = 255;
  B(5, 0, FieldB::DiamondInMagic) = 20;
  B(5, 0, FieldB::SlimePenetrated) = 3;
  const CaveSet before = set_;

  Form form = Open(5, 0);
  form.Click("Button_Reset");
  EXPECT_EQ(marks_, 1);
  EXPECT_TRUE(form.IsOpen());
  EXPECT_EQ(form.Field("Edit_AmoebaMax").Value, 200);
  EXPECT_EQ(form.Field("Edit_Slime").Value, 18);
  EXPECT_EQ(form.Field("Edit_ExtraTime").Value, 5);
  EXPECT_EQ(form.Field("CheckBox_Stops").Value, 0);
  EXPECT_EQ(form.Field("ComboBox9").Value, 4);
  EXPECT_EQ(form.Field("ComboBox11").Value, 0);
  EXPECT_EQ(set_.Bytes, before.Bytes) << "Reset alone stores nothing";

  form.CloseBox();
  EXPECT_FALSE(form.IsOpen());
  EXPECT_EQ(set_.Bytes, before.Bytes);
  EXPECT_EQ(marks_, 1);

  form.Show();
  EXPECT_EQ(form.Field("Edit_AmoebaMax").Value, 3) << "each showing reloads the slot";
  form.Click("Button_Reset");
  form.Click("BAdvancedClose");
  EXPECT_EQ(A(5, 0, FieldA::AmoebaMax), 200);
  EXPECT_EQ(B(5, 0, FieldB::ExtraTime), 105);
  EXPECT_EQ(B(5, 0, FieldB::MagicStopsAmoeba), 0);
  EXPECT_EQ(B(5, 0, FieldB::DiamondInMagic), 4);
  EXPECT_EQ(B(5, 0, FieldB::SlimePenetrated), 0);
}

TEST_F(AdvancedOptionsTest, ATickedBoxMarksTheSetOnlyWhenCloseStoresIt) {
  Form form = Open(1, 4);
  form.SetValue("CheckBox_Stops", 1);
  form.SetValue("CheckBox_Intermission", 1);
  EXPECT_EQ(marks_, 0);
  form.Click("BAdvancedClose");
  EXPECT_EQ(B(1, 4, FieldB::MagicStopsAmoeba), 255);
  EXPECT_EQ(B(1, 4, FieldB::BigIntermission), 255);
  EXPECT_GE(marks_, 1) << "a changed slot must be saved";

  marks_ = 0;
  form.Show();
  form.SetValue("CheckBox_Stops", 0);
  form.CloseBox();
  EXPECT_EQ(B(1, 4, FieldB::MagicStopsAmoeba), 255);
  EXPECT_EQ(marks_, 0);
}

TEST_F(AdvancedOptionsTest, NumbersAndChoicesMarkAsTheyChangeAndCloseStoresThem) {
  Form form = Open(9, 2);
  form.SetValue("Edit_AmoebaSlow", 33);
  form.SetValue("Edit_AmoebaSlow", 32);
  EXPECT_EQ(marks_, 2) << "moved and moved back still counts";
  form.SetValue("ComboBox1", 13);
  form.SetValue("ComboBox3", 50);
  form.SetValue("ComboBox11", 3);
  form.SetValue("ComboBox11", 4);  // past the slime list
  EXPECT_EQ(marks_, 5);
  form.SetValue("Edit_AcidSpeed", 0);  // held at the range's end
  EXPECT_EQ(form.Field("Edit_AcidSpeed").Value, 1);
  form.Click("BAdvancedClose");
  EXPECT_EQ(A(9, 2, FieldA::AmoebaSlow), 32);
  EXPECT_EQ(B(9, 2, FieldB::EnclosedAmoeba), 13);
  EXPECT_EQ(B(9, 2, FieldB::RegularExplosion), 50);
  EXPECT_EQ(B(9, 2, FieldB::SlimePenetrated), 3);
  EXPECT_EQ(B(9, 2, FieldB::AcidSpeed), 1);
  EXPECT_EQ(B(9, 1, FieldB::EnclosedAmoeba), 6) << "only the dialog's own slot";
}

TEST_F(AdvancedOptionsTest, HandMadeBytesOutsideTheListsSurviveOpenAndClose) {
  B(3, 0, FieldB::TooBigAmoeba) = 200;
  B(3, 0, FieldB::SlimePenetrated) = 9;
  A(3, 0, FieldA::Pushing) = 0;
  Form form = Open(3, 0);
  EXPECT_EQ(form.Field("Edit_Boulder").Value, 1);
  form.Click("BAdvancedClose");
  EXPECT_EQ(B(3, 0, FieldB::TooBigAmoeba), 200);
  EXPECT_EQ(B(3, 0, FieldB::SlimePenetrated), 9);
  EXPECT_EQ(A(3, 0, FieldA::Pushing), 1) << "a number is kept within its range";
  EXPECT_EQ(marks_, 1);
}

}  // namespace krattle::testing
