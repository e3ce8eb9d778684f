#include "game/texts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace krattle::testing {
namespace {

TEST(TextTable, HoldsEveryLanguageKeyOnceInFileOrder) {
  ASSERT_EQ(LanguageTextCount, 155u);
  std::map<std::string_view, int> perSection;
  std::vector<std::string_view> sectionOrder;
  std::set<std::pair<std::string_view, std::string_view>> seen;
  for (const TextRow& row : LanguageTextRows()) {
    if (sectionOrder.empty() || sectionOrder.back() != row.Section)
      sectionOrder.push_back(row.Section);
    ++perSection[row.Section];
    EXPECT_TRUE(seen.insert({row.Section, row.Key}).second) << row.Section << "." << row.Key;
    EXPECT_EQ(FindTextId(row.Section, row.Key), row.Id) << row.Section << "." << row.Key;
  }
  // Each section in one block, in the order the loader reads them.
  const std::vector<std::string_view> order = {"Menu",  "Editor",   "Speed",    "Settings",
                                               "Items", "Advanced", "Generator"};
  EXPECT_EQ(sectionOrder, order);
  const std::map<std::string_view, int> counts = {
      {"Menu", 23},  {"Editor", 29},   {"Speed", 3},     {"Settings", 10},
      {"Items", 55}, {"Advanced", 24}, {"Generator", 11}};
  EXPECT_EQ(perSection, counts);
}

TEST(TextTable, BuiltInTextsKeepInnerBlanksAndLoseTrailingOnes) {
  const Texts texts;
  EXPECT_EQ(texts.Get(TextId::MenuLoadGame), "Load Game..       L");
  EXPECT_EQ(texts.Get(TextId::MenuStop), "Stop                    Q");
  EXPECT_EQ(texts.Get(TextId::MenuRecordDemo), "Record demo      SHIFT+D");
  EXPECT_EQ(texts.Get(TextId::MenuSpeed), "Speed    S");
  EXPECT_EQ(texts.Get(TextId::MenuCavesEditor), "Editor");
  EXPECT_EQ(texts.Get(TextId::EditorGenerator), "Cave generator");
  EXPECT_EQ(texts.Get(TextId::EditorFireflyRight), "Facing RIGHT");
  EXPECT_EQ(texts.Get(TextId::EditorModified), "Caves are modified. Save changes?");
  EXPECT_EQ(texts.Get(TextId::EditorPasteQuestion), "Do you really want to paste cave?");
  EXPECT_EQ(texts.Get(TextId::SettingsUnpackMessage), "Unpack file into directory:");
  EXPECT_EQ(texts.Get(TextId::SettingsPackMessage), "Open the one of files to pack..");
  EXPECT_EQ(texts.Get(TextId::ItemsSlimeAll), "Diamonds & Boulders & Bombs");
  EXPECT_EQ(texts.Get(TextId::AdvancedMagicStopsAmoeba), "Magic wall don't stop amoeba");
  EXPECT_EQ(texts.Get(TextId::GeneratorProbabilityOfItem4), "Probability of item 4");
  for (const TextRow& row : TextRows) {
    EXPECT_EQ(texts.Get(row.Id), row.BuiltIn);
    EXPECT_FALSE(row.BuiltIn.empty()) << row.Key;
    EXPECT_NE(row.BuiltIn.back(), ' ') << row.Section << "." << row.Key;
  }
}

// Built in, both landing choices carry the boulder's label; a language file can tell them apart.
TEST(TextTable, BothLandingChoicesShareTheBuiltInLabel) {
  Texts texts;
  EXPECT_EQ(texts.Get(TextId::AdvancedFallingBoulder), "Falling boulder turns into");
  EXPECT_EQ(texts.Get(TextId::AdvancedFallingDiamonds), "Falling boulder turns into");
  texts.Set(TextId::AdvancedFallingDiamonds, "Falling diamond turns into");
  EXPECT_EQ(texts.Get(TextId::AdvancedFallingBoulder), "Falling boulder turns into");
}

TEST(TextTable, SameKeyInTwoSectionsStaysApart) {
  const Texts texts;
  EXPECT_EQ(texts.Get(TextId::EditorFireflyLeft), "Facing LEFT");
  EXPECT_EQ(texts.Get(TextId::ItemsFireflyLeft), "Firefly LEFT");
  EXPECT_EQ(texts.Get(TextId::ItemsSlime), "Slime");
  EXPECT_EQ(texts.Get(TextId::AdvancedSlime), "Slime permeability");
  EXPECT_EQ(texts.Get(TextId::ItemsExplosion), "Explosion regular");
  EXPECT_EQ(texts.Get(TextId::AdvancedExplosion), "Regular explosion");
  EXPECT_EQ(FindTextId("Editor", "FireflyDown"), TextId::EditorFireflyDown);
  EXPECT_EQ(FindTextId("Items", "FireflyDown"), TextId::ItemsFireflyDown);
}

TEST(TextTable, FindsOnlyWhatALanguageFileMayName) {
  EXPECT_EQ(FindTextId("Menu", "HighScore"), TextId::MenuHighScore);
  EXPECT_EQ(FindTextId("Menu", "Highscore"), std::nullopt);
  EXPECT_EQ(FindTextId("Editor", "HighScore"), std::nullopt);
  EXPECT_EQ(FindTextId("Menu", "About"), std::nullopt);
  for (std::size_t i = LanguageTextCount; i < TextCount; ++i)
    EXPECT_EQ(FindTextId(TextRows[i].Section, TextRows[i].Key), std::nullopt) << TextRows[i].Key;
}

TEST(Texts, FormatFillsNumberedPlacesAndLeavesTheRest) {
  Texts texts;
  EXPECT_EQ(texts.Format(TextId::ProgramHighScorePrompt, {"550", "20"}),
            "Your score of 550 makes the table.\nType your name (up to 20 characters) and press "
            "Enter.");
  // A translation may put the places in another order, or leave one out.
  texts.Set(TextId::ProgramNameCount, "%2 max, %1 so far, 100% sure, %3 none");
  EXPECT_EQ(texts.Format(TextId::ProgramNameCount, {"4", "20"}),
            "20 max, 4 so far, 100% sure, %3 none");
}

TEST(Texts, SetReplacesOneEntryOnly) {
  Texts texts;
  texts.Set(TextId::ItemsFireflyUp, "Glühwürmchen OBEN");
  texts.Set(TextId::MenuGame, "");
  EXPECT_EQ(texts.Get(TextId::ItemsFireflyUp), "Glühwürmchen OBEN");
  EXPECT_EQ(texts.Get(TextId::MenuGame), "");
  const Texts builtIn;
  for (const TextRow& row : TextRows) {
    if (row.Id != TextId::ItemsFireflyUp && row.Id != TextId::MenuGame) {
      EXPECT_EQ(texts.Get(row.Id), builtIn.Get(row.Id)) << row.Section << "." << row.Key;
    }
  }
}

}  // namespace
}  // namespace krattle::testing
