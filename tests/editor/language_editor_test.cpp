// A language chosen while the program runs: the editor's panel and menus follow at once, the
// dialogs' element lists only from the next start.

#include <fstream>

#include "editor_fixture.h"

namespace krattle::testing {

TEST_F(EditorTest, ANewLanguageReachesPanelAndMenusAtOnceButTheListsOnlyAfterARestart) {
  std::ofstream(dir_ / "de.ini") << "[Menu]\nCavesEditor=Editor\nExitEditor=Editor verlassen\n"
                                    "[Editor]\nDiamonds=Diamanten\nTest=Testen\n"
                                    "[Items]\nDirt=Erde\n[Advanced]\nAmoebaMax=Gr\xF6\xDFte Am\xF6"
                                    "be\n";
  Script("key E");
  game().LoadLanguage(dir_ / "de.ini");
  EXPECT_EQ(panel().Field("Editor_Edit_Diamonds").Caption, "Diamanten");
  EXPECT_EQ(panel().Field(panel::TestCave).Caption, "Testen");
  // Still the editor's menu: its exit leaves the editor, whatever the language.
  const std::vector<Menu> bar = MenuBar(game().Menu());
  EXPECT_EQ(bar.front().Title, TextId::MenuCavesEditor);
  EXPECT_EQ(game().Text().Get(bar.front().Items.back().Text), "Editor verlassen");

  Script("dialog Advanced\nclosebox");
  const Form& shown = runner().Dialogs.FormsShown.back();
  bool labelled = false;
  for (const FormField& f : shown.Fields)
    labelled = labelled ||
               f.Caption ==
                   "Gr\xC3\xB6\xC3\x9Fte Am\xC3\xB6"
                   "be" ||
               f.Text ==
                   "Gr\xC3\xB6\xC3\x9Fte Am\xC3\xB6"
                   "be";
  EXPECT_TRUE(labelled);
  const auto& items = shown.Field("ComboBox1").Items;
  EXPECT_NE(std::find(items.begin(), items.end(), "Dirt"), items.end());
  EXPECT_EQ(std::find(items.begin(), items.end(), "Erde"), items.end());

  // The next start reads the language first: the lists speak it too.
  StartupOptions options;
  options.ProgramDir = dir_;
  options.Paths.Language = dir_ / "de.ini";
  options.Args = {SetPath().string()};
  ScriptSession again(options);
  ASSERT_EQ(again.Run("key E\ndialog Advanced\nclosebox"), "");
  const auto& later = again.Runner().Dialogs.FormsShown.back().Field("ComboBox1").Items;
  EXPECT_NE(std::find(later.begin(), later.end(), "Erde"), later.end());
}

}  // namespace krattle::testing
