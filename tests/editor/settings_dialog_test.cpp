// The settings dialog driven as a script drives it: its choosers with their reload and fallback
// rules, the language, and unpacking and packing real sets through the SDL codec.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "editor_fixture.h"
#include "game/config_file.h"
#include "platform/sdl_media_codec.h"
#include "render/set_file.h"
#include "render/set_packing.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

class SettingsDialogTest : public ::testing::Test {
 protected:
  SettingsDialogTest() : dir_(TempDir("settings_dialog")) {
    // The program's folder with the sets that come with it, and a user folder apart from it.
    fs::create_directories(Data());
    for (const char* name : {"32x32.kgf", "40x40.kgf", "Fonts.kgf", "Sounds.kwv"})
      fs::copy_file(fs::path(KRATTLE_BIN_DIR) / "data/Krattle" / name, Data() / name);
    fs::copy(fs::path(KRATTLE_BIN_DIR) / "languages", dir_ / "languages");
    EXPECT_TRUE(SaveCaveSet(dir_ / "Mine.kcv", *PlayableSet()).Ok());
    std::ofstream(Data() / "Broken.kgf") << "not a picture set";
  }
  ~SettingsDialogTest() override { fs::remove_all(dir_); }

  void Start(int zoom = 1) {
    StartupOptions options;
    options.ProgramDir = dir_;
    options.WriteDir = User();
    options.Args = {(dir_ / "Mine.kcv").string()};
    // The settings file has the last word on the zoom.
    options.ConfigFile = dir_ / "Krattle.ini";
    std::ofstream(options.ConfigFile) << "[Config]\nZoom=" << zoom << "\n";
    session_ = std::make_unique<ScriptSession>(options, nullptr, nullptr, &codec_);
    ASSERT_TRUE(runner().Started());
  }
  void Script(const std::string& text) { ASSERT_EQ(session_->Run(text), "") << text; }
  // Presses a chooser with `file` as the answer (and `more` answers for what follows it), then
  // closes the dialog with its close box.
  void Choose(const char* button, const fs::path& file, const std::string& more = "") {
    Script("answer file " + file.string() + "\n" + more + "dialog Settings\nbutton " + button +
           "\ncloseBox\n");
  }
  // The editor opened, then a new 40-pixel set chosen in it.
  fs::path BigSetChosenInTheEditor() {
    const fs::path big = Data() / "Big.kgf";
    fs::copy_file(Data() / "40x40.kgf", big);
    Script("key E\n");
    runner().Assets.Loaded.clear();
    Choose("BLoad40", big);
    return big;
  }

  fs::path Data() const { return dir_ / "data/Krattle"; }
  fs::path User() const { return dir_ / "user"; }
  Game& game() { return session_->game(); }
  HeadlessRunner& runner() { return session_->Runner(); }
  const std::vector<fs::path>& Loaded() { return runner().Assets.Loaded; }
  // The dialog as it was when the script closed it.
  const Form& Shown() { return runner().Dialogs.FormsShown.back(); }
  std::size_t Count(const fs::path& dir, const std::string& ext) {
    std::size_t n = 0;
    for (const auto& e : fs::directory_iterator(dir)) n += e.path().extension() == ext;
    return n;
  }

  fs::path dir_;
  SdlMediaCodec codec_;
  std::unique_ptr<ScriptSession> session_;
};

TEST_F(SettingsDialogTest, ShowsTheFileNamesAndTheLanguageTexts) {
  Start();
  Script("dialog Settings\nbutton BCustomClose\n");
  const Form& f = Shown();
  EXPECT_FALSE(f.IsOpen());
  EXPECT_EQ(f.Caption, "Settings");
  EXPECT_EQ(f.Field("Edit_32").Text, "32x32.kgf");
  EXPECT_EQ(f.Field("Edit_40").Text, "40x40.kgf");
  EXPECT_EQ(f.Field("Edit_Fonts").Text, "Fonts.kgf");
  EXPECT_EQ(f.Field("Edit_Sounds").Text, "Sounds.kwv");
  EXPECT_EQ(f.Field("Edit_Music").Text, "Krattle.mid");
  EXPECT_EQ(f.Field("Edit_Language").Text, "English.ini");
  EXPECT_EQ(f.Field("GroupBox_Graphics").Text, "Graphics");
  EXPECT_EQ(f.Field("Label_FX").Text, "FX");
  EXPECT_EQ(f.Field("UnpackButton").Caption, "Unpack game files");
  EXPECT_EQ(f.Field("PackButton").Caption, "Pack game files");
}

TEST_F(SettingsDialogTest, TheClocksStopWhileItIsOpenAndCloseOnTheTitleRestartsTheMusic) {
  Start();
  runner().Music.Opens = true;
  runner().Music.Length = 30000;
  game().SetUpMusic();
  bool clockWhileOpen = true;
  runner().Dialogs.Echo = [&](const std::string&) { clockWhileOpen = game().ClockEnabled(); };
  runner().Assets.Broken.insert(Data() / "Broken.kgf");
  const int stops = runner().Music.Stops, plays = runner().Music.Plays;
  // A font set that cannot be read brings up a message while the dialog is open.
  Script("answer file " + (Data() / "Broken.kgf").string() +
         "\nanswer ok\ndialog Settings\nbutton BLoadFonts\nbutton BCustomClose\n");
  EXPECT_FALSE(clockWhileOpen);
  EXPECT_GT(runner().Music.Stops, stops);
  EXPECT_TRUE(game().ClockEnabled());
  EXPECT_EQ(runner().Music.Plays, plays + 1);
  EXPECT_EQ(GameProbe::Flow(game()).AttractCountdown, game().Config().MusicTicks + 1);

  // The close box ends it too, but only the button restarts the title's music.
  Script("dialog Settings\nclosebox\n");
  EXPECT_TRUE(game().ClockEnabled());
  EXPECT_EQ(runner().Music.Plays, plays + 1);
}

TEST_F(SettingsDialogTest, AFontOrSoundSetThatFailsLeavesThePreviousOneAndSaysWhy) {
  Start();
  runner().Assets.Broken.insert(Data() / "Broken.kgf");
  runner().Assets.Loaded.clear();
  Script("answer file " + (Data() / "Broken.kgf").string() +
         "\nanswer ok\ndialog Settings\nbutton BLoadFonts\nbutton BCustomClose\n");
  ASSERT_EQ(runner().Dialogs.Shown.size(), 2u);
  EXPECT_EQ(runner().Dialogs.Shown[0], "Settings: (form TCustomGameForm)");
  EXPECT_NE(runner().Dialogs.Shown[1].find("Broken.kgf cannot be used"), std::string::npos)
      << runner().Dialogs.Shown[1];
  EXPECT_EQ(game().Paths().Fonts, fs::path("data/Krattle/Fonts.kgf"));
  EXPECT_EQ(Shown().Field("Edit_Fonts").Text, "Fonts.kgf");
  // The old set is read again, since the failed load may have taken its place.
  ASSERT_FALSE(Loaded().empty());
  EXPECT_EQ(Loaded().back(), dir_ / "data/Krattle/Fonts.kgf");

  const fs::path other = Data() / "Other.kwv";
  fs::copy_file(Data() / "Sounds.kwv", other);
  Script("answer file " + other.string() + "\ndialog Settings\nbutton BLoadSounds\nclosebox\n");
  EXPECT_EQ(game().Paths().Sounds, other);
  EXPECT_EQ(Shown().Field("Edit_Sounds").Text, "Other.kwv");
  EXPECT_EQ(Loaded().back(), other);
}

TEST_F(SettingsDialogTest, TileSetsLoadOnlyWhenTheyAreTheOnesOnShow) {
  Start(2);
  const fs::path other = Data() / "Other.kgf";
  fs::copy_file(Data() / "32x32.kgf", other);
  // At zoom 2 a new 32-pixel set only changes the path; the zoom switch shows it.
  runner().Assets.Loaded.clear();
  Choose("BLoad32", other);
  EXPECT_EQ(game().Paths().Graph32, other);
  EXPECT_TRUE(Loaded().empty());
  Script("menu Zoom\n");
  ASSERT_FALSE(Loaded().empty());
  EXPECT_EQ(Loaded().back(), other);

  // At zoom 1 a broken 32-pixel set is refused and the one before it stays.
  runner().Assets.Broken.insert(Data() / "Broken.kgf");
  Choose("BLoad32", Data() / "Broken.kgf", "answer ok\n");
  EXPECT_EQ(game().Paths().Graph32, other);
  EXPECT_EQ(Loaded().back(), other);
  EXPECT_EQ(game().View().TileSize, 32);

  // A new 40-pixel set at zoom 1 waits, even with the editor open on its own screen.
  const fs::path big = BigSetChosenInTheEditor();
  EXPECT_EQ(game().Paths().Graph40, big);
  EXPECT_TRUE(Loaded().empty());
}

TEST_F(SettingsDialogTest, TheEditorsOwnScreenTakesANewBigSetAtOnce) {
  Start(2);
  const fs::path big = BigSetChosenInTheEditor();
  EXPECT_EQ(game().Paths().Graph40, big);
  ASSERT_FALSE(Loaded().empty());
  EXPECT_EQ(Loaded().back(), big);
  EXPECT_EQ(game().View().TileSize, 40);
  // A broken one is refused there as well; the editor keeps drawing with the one before.
  runner().Assets.Broken.insert(Data() / "Broken.kgf");
  Choose("BLoad40", Data() / "Broken.kgf", "answer ok\n");
  EXPECT_EQ(game().Paths().Graph40, big);
  EXPECT_EQ(Loaded().back(), big);
  EXPECT_TRUE(GameProbe::Flow(game()).EditorActive);
}

TEST_F(SettingsDialogTest, MusicIsKeptEvenWhenItCannotPlayAndTheTitleWaitsTenTicks) {
  Start();
  const fs::path tune = Data() / "Tune.mid";
  std::ofstream(tune) << "not music";
  runner().Music.Opens = false;
  Script("answer file " + tune.string() +
         "\nanswer ok\ndialog Settings\nbutton BLoadMusic\nbutton BCustomClose\n");
  EXPECT_EQ(game().Paths().Music, tune);
  EXPECT_FALSE(game().Config().MusicAvailable);
  EXPECT_EQ(GameProbe::Flow(game()).AttractCountdown, 10);
  ASSERT_EQ(runner().Dialogs.Shown.size(), 2u);
  EXPECT_NE(runner().Dialogs.Shown[1].find("Tune.mid cannot be played"), std::string::npos);

  runner().Music.Opens = true;
  runner().Music.Length = 50000;
  const int plays = runner().Music.Plays;
  Choose("BLoadMusic", tune);
  EXPECT_TRUE(game().Config().MusicAvailable);
  EXPECT_EQ(game().Config().MusicTicks, 40);
  // Changed at once: the title plays it while the dialog is still open.
  EXPECT_EQ(runner().Music.Plays, plays + 1);
}

TEST_F(SettingsDialogTest, ALanguageChosenChangesEveryTextAtOnceAndIsWrittenBack) {
  Start();
  Script("answer file " + (dir_ / "languages/German.ini").string() +
         "\ndialog Settings\nbutton BLanguage\nbutton BCustomClose\n");
  EXPECT_EQ(game().Paths().Language, dir_ / "languages/German.ini");
  EXPECT_EQ(game().LanguagePath(), dir_ / "languages/German.ini");
  const Form& f = Shown();
  EXPECT_EQ(f.Caption, game().Text().Get(TextId::MenuSettings));
  EXPECT_NE(f.Caption, "Settings");
  EXPECT_EQ(f.Field("Edit_Language").Text, "German.ini");
  EXPECT_EQ(f.Field("BCustomClose").Caption, game().Text().Get(TextId::MenuClose));
  EXPECT_NE(game().Text().Get(TextId::MenuGame), "Game");
  // The next dialog opens in the new language, and the choice outlives the run.
  Script("dialog Settings\ncloseBox\n");
  EXPECT_EQ(Shown().Field("UnpackButton").Caption, game().Text().Get(TextId::SettingsUnpack));
  Script("close\n");
  ConfigValues v;
  ASSERT_TRUE(ReadConfigFile(dir_ / "Krattle.ini", v).Ok);
  EXPECT_EQ(v.Paths.Language, dir_ / "languages/German.ini");
}

TEST_F(SettingsDialogTest, UnpackWritesNumberedFilesIntoTheUserFolderAfterAsking) {
  Start();
  Choose("UnpackButton", Data() / "Sounds.kwv", "answer yes\n");
  const fs::path into = User() / "Unpack/Sounds";
  EXPECT_EQ(Count(into, ".wav"), 29u);
  EXPECT_TRUE(fs::exists(into / "000.wav"));
  EXPECT_TRUE(fs::exists(into / "028.wav"));
  EXPECT_FALSE(fs::exists(dir_ / "Unpack"));
  ASSERT_EQ(runner().Dialogs.Shown.size(), 2u);
  EXPECT_NE(runner().Dialogs.Shown[1].find(into.string()), std::string::npos);
  // The sound set in use is read again afterwards.
  EXPECT_EQ(runner().Assets.Loaded.back(), dir_ / "data/Krattle/Sounds.kwv");

  // No leaves nothing behind; an extension in capitals is no set, and nothing is asked.
  Choose("UnpackButton", Data() / "32x32.kgf", "answer no\n");
  EXPECT_FALSE(fs::exists(User() / "Unpack/32x32"));
  fs::copy_file(Data() / "Fonts.kgf", Data() / "FONTS.KGF");
  Choose("UnpackButton", Data() / "FONTS.KGF");
  EXPECT_FALSE(fs::exists(User() / "Unpack/FONTS"));
}

TEST_F(SettingsDialogTest, AnUnpackThatFailsSaysWhy) {
  Start();
  std::ofstream(Data() / "Junk.kgf") << "junk";
  Choose("UnpackButton", Data() / "Junk.kgf", "answer yes\nanswer ok\n");
  ASSERT_EQ(runner().Dialogs.Shown.size(), 3u);
  EXPECT_NE(runner().Dialogs.Shown[2].find("Unpacking stopped"), std::string::npos);
}

TEST_F(SettingsDialogTest, PackClosesGapsInPicturesButNeedsEveryWave) {
  Start();
  ASSERT_TRUE(UnpackSet(Data() / "32x32.kgf", User() / "Unpack/32x32", codec_).Io.Ok);
  fs::remove(User() / "Unpack/32x32/005.bmp");
  const fs::path packed = User() / "data/Gap.kgf";
  Script("answer ok\nanswer file " + (User() / "Unpack/32x32/010.bmp").string() + "\nanswer file " +
         packed.string() + "\ndialog Settings\nbutton PackButton\nbutton BCustomClose\n");
  ImageList list;
  ASSERT_TRUE(LoadImageList(packed, 0, list).Ok);
  ASSERT_EQ(list.Items.size(), 324u);
  Picture six;
  ASSERT_TRUE(codec_.LoadBmp(User() / "Unpack/32x32/006.bmp", six).Ok);
  EXPECT_EQ(list.Items[5].Pic.Pixels, six.Pixels);
  // The pack dialog started in the user's Unpack folder.
  const auto& opened = runner().Dialogs.OpenedIn;
  EXPECT_NE(std::find(opened.begin(), opened.end(), User() / "Unpack"), opened.end());

  ASSERT_TRUE(UnpackSet(Data() / "Sounds.kwv", User() / "Unpack/Sounds", codec_).Io.Ok);
  fs::remove(User() / "Unpack/Sounds/017.wav");
  runner().Dialogs.Shown.clear();
  const fs::path waves = User() / "data/Gap.kwv";
  Script("answer ok\nanswer file " + (User() / "Unpack/Sounds/000.wav").string() +
         "\nanswer file " + waves.string() + "\nanswer ok\ndialog Settings\nbutton PackButton\n" +
         "closeBox\n");
  EXPECT_FALSE(fs::exists(waves));
  ASSERT_EQ(runner().Dialogs.Shown.size(), 3u);
  EXPECT_NE(runner().Dialogs.Shown[2].find("017.wav"), std::string::npos)
      << runner().Dialogs.Shown[2];
  EXPECT_EQ(runner().Assets.Loaded.back(), dir_ / "data/Krattle/Sounds.kwv");

  // Pictures saved under a sound set's name would fit no chooser: refused, nothing written.
  runner().Dialogs.Shown.clear();
  Script("answer ok\nanswer file " + (User() / "Unpack/32x32/000.bmp").string() + "\nanswer file " +
         (User() / "data/Wrong.kwv").string() +
         "\nanswer ok\ndialog Settings\nbutton PackButton\ncloseBox\n");
  EXPECT_FALSE(fs::exists(User() / "data/Wrong.kwv"));
  ASSERT_EQ(runner().Dialogs.Shown.size(), 3u);
  EXPECT_NE(runner().Dialogs.Shown[2].find("does not end in .kgf"), std::string::npos);
}

}  // namespace
}  // namespace krattle::testing
