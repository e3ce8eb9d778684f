// The generator's dialog: its lists, Generate, Close and the close box on a plain set.

#include "editor/generator_dialog.h"

#include <gtest/gtest.h>

#include "core/cave_set.h"
#include "game/texts.h"
#include "generator/cave_generator.h"

namespace krattle::testing {

namespace {

class GeneratorDialogTest : public ::testing::Test {
 protected:
  Form Open(int cave, int level) {
    Form form = GeneratorForm(set_, cave, level, texts_, [this] { ++marks_; });
    form.Show();
    return form;
  }
  GeneratorSettings Stored(int cave, int level) const {
    return GeneratorSettings::FromSlot(set_, SlotOf(cave, level));
  }

  CaveSet set_ = NewCaveSet();
  Texts texts_;
  int marks_ = 0;
};

std::vector<std::uint8_t> Map(const CaveSet& set, int cave, int level) {
  std::vector<std::uint8_t> cells;
  for (int y = 0; y < CaveHeightOf(cave); ++y)
    for (int x = 0; x < CaveWidthOf(cave); ++x) cells.push_back(set.MapCell(cave, level, x, y));
  return cells;
}

}  // namespace

TEST(GeneratorItemNames, NameEachEntryAfterItsElementChoice) {
  const std::vector<std::string> names = GeneratorItemNames(Texts());
  ASSERT_EQ(names.size(), static_cast<std::size_t>(GeneratorItemCount));
  EXPECT_EQ(names[0], "Steel wall");
  EXPECT_EQ(names[8], "Diamond glued");
  EXPECT_EQ(names[9], "Dravik");  // places the Entrance
  EXPECT_EQ(names[10], "Exit closed");
  EXPECT_EQ(names[30], "Clock");
  EXPECT_EQ(names[31], "Bomb");
  EXPECT_EQ(names[32], "Bomb solid");
  EXPECT_EQ(names[35], "Firefly LEFT alternative");
  EXPECT_EQ(names[42], "Butterfly DOWN alternative");
}

TEST_F(GeneratorDialogTest, ShowsTheSlotsSettingsAndCaptions) {
  GeneratorSettings g;
  g.Seed = 17;
  g.Probability = {1, 2, 3, 255};
  g.InitialItem = 9;
  g.Item = {0, 42, 30, 19};
  g.StoreInto(set_, SlotOf(6, 2));
  Form form = Open(6, 2);
  EXPECT_EQ(form.Caption, "Cave generator");
  EXPECT_EQ(form.Field("GenLab_Seed").Text, "Seed value");
  EXPECT_EQ(form.Field("GenLab_Prob4").Text, "Probability of item 4");
  EXPECT_EQ(form.Field("GenButton_Generate").Caption, "Generate");
  EXPECT_EQ(form.Field("GenEdit1").Value, 17);
  EXPECT_EQ(form.Field("GenEdit5").Value, 255);
  EXPECT_EQ(form.Field("GenEdit5").Max, 255);
  EXPECT_EQ(form.Field("GenComboBox1").Value, 9);
  EXPECT_EQ(form.Field("GenComboBox3").Value, 42);
  EXPECT_EQ(form.Field("GenComboBox5").Items.size(), 43u);
}

TEST_F(GeneratorDialogTest, GenerateUsesTheShownValuesAndRegeneratesIdentically) {
  set_.SetDemoPresent(2, true);
  set_.SetDemoPresent(3, true);
  Form form = Open(2, 4);
  form.SetValue("GenEdit1", 99);
  form.SetValue("GenEdit3", 130);
  form.SetValue("GenComboBox1", 2);
  form.SetValue("GenComboBox5", 9);
  EXPECT_EQ(marks_, 0) << "settings alone change nothing yet";
  EXPECT_EQ(Stored(2, 4).Seed, 0);

  form.Click("GenButton_Generate");
  EXPECT_TRUE(form.IsOpen());
  EXPECT_EQ(marks_, 1);
  EXPECT_FALSE(set_.DemoPresent(2));
  EXPECT_TRUE(set_.DemoPresent(3));
  const GeneratorSettings stored = Stored(2, 4);
  EXPECT_EQ(stored.Seed, 99);
  EXPECT_EQ(stored.Probability[1], 130);
  EXPECT_EQ(stored.InitialItem, 2);
  EXPECT_EQ(stored.Item[3], 9);

  CaveSet expected = NewCaveSet();
  GenerateCave(expected, 2, 4, stored);
  const auto first = Map(set_, 2, 4);
  EXPECT_EQ(first, Map(expected, 2, 4));
  EXPECT_EQ(Map(set_, 2, 3), Map(expected, 2, 3)) << "other levels untouched";

  set_.MapCell(2, 4, 5, 5) = Wall;
  set_.MapCell(2, 4, 6, 5) = Wall;
  form.Click("GenButton_Generate");
  EXPECT_EQ(Map(set_, 2, 4), first);
  EXPECT_EQ(marks_, 2);
}

TEST_F(GeneratorDialogTest, CloseBoxKeepsWhatGenerateStoredAndDropsTheRest) {
  Form form = Open(18, 1);
  form.SetValue("GenEdit1", 44);
  form.Click("GenButton_Generate");
  const auto generated = Map(set_, 18, 1);
  form.SetValue("GenEdit1", 45);
  form.SetValue("GenComboBox2", 20);
  form.CloseBox();
  EXPECT_FALSE(form.IsOpen());
  EXPECT_EQ(Stored(18, 1).Seed, 44);
  EXPECT_EQ(Stored(18, 1).Item[0], 2);
  EXPECT_EQ(Map(set_, 18, 1), generated);
  EXPECT_EQ(marks_, 1);

  form.Show();
  EXPECT_EQ(form.Field("GenEdit1").Value, 44) << "each showing reloads the slot";
}

TEST_F(GeneratorDialogTest, CloseStoresTheSettingsWithoutGenerating) {
  set_.SetDemoPresent(7, true);
  const auto before = Map(set_, 7, 0);
  Form form = Open(7, 0);
  form.Click("BGeneratorClose");
  EXPECT_FALSE(form.IsOpen());
  EXPECT_EQ(marks_, 0) << "nothing changed";

  form.Show();
  form.SetValue("GenEdit2", 0);
  form.SetValue("GenComboBox4", 31);
  form.Click("BGeneratorClose");
  EXPECT_FALSE(form.IsOpen());
  EXPECT_EQ(Stored(7, 0).Probability[0], 0);
  EXPECT_EQ(Stored(7, 0).Item[2], 31);
  EXPECT_EQ(Map(set_, 7, 0), before);
  EXPECT_TRUE(set_.DemoPresent(7));
  EXPECT_EQ(marks_, 1) << "stored settings are a change to save";
}

TEST_F(GeneratorDialogTest, ItemBytesPastTheListAreKept) {
  set_.A(SlotOf(0, 0), FieldA::Item2) = 77;
  Form form = Open(0, 0);
  form.Click("BGeneratorClose");
  EXPECT_EQ(set_.A(SlotOf(0, 0), FieldA::Item2), 77);
  EXPECT_EQ(marks_, 0);
}

}  // namespace krattle::testing
