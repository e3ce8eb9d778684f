// Language files: what a file gives, what it leaves built-in, how odd files are read, and the
// files that ship with the game.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/language_file.h"
#include "game/menu_bar.h"
#include "game_fixture.h"

namespace krattle::testing {

namespace {

const Texts kBuiltIn;

int Differences(const Texts& a, const Texts& b) {
  int n = 0;
  for (const TextRow& row : TextRows) n += a.Get(row.Id) != b.Get(row.Id);
  return n;
}

}  // namespace

TEST(LanguageFile, WithoutAFileEveryTextIsBuiltIn) {
  std::string error;
  const Texts t = LoadLanguageFile("/nonexistent/English.ini", &error);
  EXPECT_EQ(Differences(t, kBuiltIn), 0);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(t.Get(TextId::EditorModified), "Caves are modified. Save changes?");
}

TEST(LanguageFile, AFileChangesWhatItNamesAndNothingElse) {
  const Texts t = TextsFromLanguage("[Menu]\nGame=Spiel\n");
  EXPECT_EQ(t.Get(TextId::MenuGame), "Spiel");
  EXPECT_EQ(Differences(t, kBuiltIn), 1);
}

TEST(LanguageFile, ValuesAreTrimmedEmptyValuesKeptAndNamesIgnoreCase) {
  const Texts t = TextsFromLanguage(
      "[menu]\n  exit =   Quit now   \nStart=\n[ADVANCED]\nFallingDiamonds=Falling diamond "
      "turns into\n");
  EXPECT_EQ(t.Get(TextId::MenuExit), "Quit now");
  EXPECT_EQ(t.Get(TextId::MenuStart), "");
  EXPECT_EQ(t.Get(TextId::AdvancedFallingDiamonds), "Falling diamond turns into");
  EXPECT_EQ(t.Get(TextId::AdvancedFallingBoulder), "Falling boulder turns into");
}

TEST(LanguageFile, TheSameKeyInTwoSectionsKeepsTwoTextsAndARepeatCountsOnce) {
  const Texts t = TextsFromLanguage(
      "[Editor]\nFireflyLeft=Facing west\nFireflyLeft=ignored\n[Items]\nFireflyLeft=Firefly "
      "west\nSlime=Goo\n[Advanced]\nSlime=Goo lets through\n");
  EXPECT_EQ(t.Get(TextId::EditorFireflyLeft), "Facing west");
  EXPECT_EQ(t.Get(TextId::ItemsFireflyLeft), "Firefly west");
  EXPECT_EQ(t.Get(TextId::ItemsSlime), "Goo");
  EXPECT_EQ(t.Get(TextId::AdvancedSlime), "Goo lets through");
}

TEST(LanguageFile, LongTextsAreCutWithoutBreakingALetter) {
  std::string value(2046, 'a');
  value += "\xC3\xA4\xC3\xA4";  // two two-byte letters straddle the limit
  const Texts t = TextsFromLanguage("[Menu]\nGame=" + value + "\n");
  EXPECT_EQ(t.Get(TextId::MenuGame), std::string(2046, 'a'));
  const Texts plain = TextsFromLanguage("[Menu]\nGame=" + std::string(5000, 'b') + "\n");
  EXPECT_EQ(plain.Get(TextId::MenuGame).size(), MaxLanguageText);
}

TEST(LanguageFile, BytesThatAreNotUtf8AreReadAsWindows1252) {
  EXPECT_EQ(LanguageBytesToUtf8("Gr\xF6\xDF"
                                "e \x80 \x93ok\x94"),
            "Gr\xC3\xB6\xC3\x9F"
            "e \xE2\x82\xAC \xE2\x80\x9Cok\xE2\x80\x9D");
  EXPECT_EQ(LanguageBytesToUtf8("Gr\xC3\xB6\xC3\x9F"
                                "e"),
            "Gr\xC3\xB6\xC3\x9F"
            "e");
  EXPECT_EQ(LanguageBytesToUtf8("\xEF\xBB\xBF[Menu]"), "[Menu]");
  // An overlong or truncated sequence is not UTF-8.
  EXPECT_EQ(LanguageBytesToUtf8("\xC0\xAF"), "\xC3\x80\xC2\xAF");
  EXPECT_EQ(LanguageBytesToUtf8("a\xE2\x82"), "a\xC3\xA2\xE2\x80\x9A");
  const Texts t = TextsFromLanguage("[Menu]\nGame=Men\xFC\n");
  EXPECT_EQ(t.Get(TextId::MenuGame), "Men\xC3\xBC");
}

TEST(LanguageFile, JunkAndHugeFilesLeaveTheBuiltInTexts) {
  EXPECT_EQ(Differences(TextsFromLanguage(std::string("\0\x01\xFF[=]\n==\n[", 12)), kBuiltIn), 0);
  const auto dir = TempDir("language_huge");
  {
    std::ofstream f(dir / "big.ini", std::ios::binary);
    f << "[Menu]\nGame=Big\n" << std::string(MaxLanguageFileBytes, ';');
  }
  std::string error;
  EXPECT_EQ(LoadLanguageFile(dir / "big.ini", &error).Get(TextId::MenuGame), "Game");
  EXPECT_NE(error.find("too large"), std::string::npos);
  std::filesystem::remove_all(dir);
}

TEST(ShippedLanguages, EnglishIsTheBuiltInTableAndEveryFileHoldsEveryKey) {
  const std::filesystem::path dir =
      std::filesystem::path(KRATTLE_TEST_DATA) / ".." / ".." / "languages";
  EXPECT_EQ(Differences(LoadLanguageFile(dir / "English.ini"), kBuiltIn), 0);
  for (const char* name : {"English.ini", "German.ini", "French.ini"}) {
    std::ifstream in(dir / name, std::ios::binary);
    ASSERT_TRUE(in) << name;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Every text has its line, the program's own ones included.
    for (const TextRow& row : TextRows) {
      const std::string line = std::string(row.Key) + "=";
      EXPECT_NE(text.find("\n" + line), std::string::npos) << name << " lacks " << row.Key;
    }
    EXPECT_TRUE(IsValidUtf8(text)) << name << " is not UTF-8";
  }
  EXPECT_GT(Differences(LoadLanguageFile(dir / "German.ini"), kBuiltIn), 140);
  EXPECT_GT(Differences(LoadLanguageFile(dir / "French.ini"), kBuiltIn), 140);
}

TEST(ShippedLanguages, WrittenFromTheTableTheFileReadsBackTheSame) {
  // Line breaks travel as "\n".
  EXPECT_EQ(TextsFromLanguage("[Program]\nReplaceFile=%1 ist da.\\nErsetzen?\n")
                .Get(TextId::ProgramReplaceFile),
            "%1 ist da.\nErsetzen?");
  Texts t;
  t.Set(TextId::MenuGame, "Partie");
  t.Set(TextId::ItemsDirt, "Terre battue");
  EXPECT_EQ(Differences(TextsFromLanguage(LanguageFileText(t)), t), 0);
}

class LanguageGameTest : public GameTest {};

TEST_F(LanguageGameTest, StartUpReadsTheLanguageBesideTheProgram) {
  const auto dir = TempDir("language_startup");
  std::filesystem::create_directories(dir / "languages");
  std::ofstream(dir / "languages" / "English.ini") << "[Menu]\nOptions=Choices\n";
  StartupOptions options;
  options.ProgramDir = dir;
  HeadlessRunner runner(options);
  EXPECT_EQ(runner.game().Text().Get(TextId::MenuOptions), "Choices");
  EXPECT_EQ(runner.game().LanguagePath(), dir / "languages" / "English.ini");
  // A configured language that does not exist gives the built-in texts and no message.
  options.Paths.Language = "languages/Klingon.ini";
  HeadlessRunner other(options);
  EXPECT_EQ(other.game().Text().Get(TextId::MenuOptions), "Options");
  EXPECT_TRUE(other.Dialogs.Shown.empty());
  std::filesystem::remove_all(dir);
}

TEST_F(LanguageGameTest, ALanguageLoadedLaterShowsInTheMenusAtOnce) {
  const auto dir = TempDir("language_later");
  std::ofstream(dir / "mine.ini") << "[Menu]\nGame=Partie\nInfo=Aide\n";
  game().LoadLanguage(dir / "mine.ini");
  const std::vector<Menu> bar = MenuBar(game().Menu());
  EXPECT_EQ(game().Text().Get(bar.front().Title), "Partie");
  EXPECT_EQ(game().Text().Get(bar.back().Title), "Aide");
  // Start-up's texts stay as they were for what keeps them for the run.
  EXPECT_EQ(game().StartTexts().Get(TextId::MenuGame), "Game");
  std::filesystem::remove_all(dir);
}

}  // namespace krattle::testing
