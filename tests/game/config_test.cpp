// Krattle.ini: what start-up takes from it, what closing writes, and where it lives.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game/config_file.h"
#include "game_fixture.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class ConfigTest : public ::testing::Test {
 protected:
  ConfigTest() : dir_(TempDir("config")) {}
  ~ConfigTest() override { fs::remove_all(dir_); }

  fs::path Ini() const { return dir_ / "Krattle.ini"; }
  void WriteIni(const std::string& text) { std::ofstream(Ini(), std::ios::binary) << text; }
  // Starts the game on the configuration file; the program's folder holds no set.
  HeadlessRunner& Start() {
    StartupOptions options;
    options.ProgramDir = dir_;
    options.ConfigFile = Ini();
    runner_ = std::make_unique<HeadlessRunner>(options);
    return *runner_;
  }
  Game& game() { return runner_->game(); }

  fs::path dir_;
  std::unique_ptr<HeadlessRunner> runner_;
};

TEST_F(ConfigTest, NumbersCountOnlyByTheirLowByteAndAreCorrected) {
  struct Case {
    const char* Text;
    int Speed, Zoom;
    bool Muted;
  };
  const Case cases[] = {
      {"[Config]\nSpeed=300\n", 44, 1, false},   // 300 & 255 = 44
      {"[Config]\nSpeed=200\n", 14, 1, false},   // -56 as a signed byte
      {"[Config]\nSpeed=-1\n", 14, 1, false},    // below 0
      {"[Config]\nSpeed=100\n", 14, 1, false},   // 100 and above
      {"[Config]\nSpeed=99\n", 99, 1, false},    // the slowest kept
      {"[Config]\nSpeed=0\n", 0, 1, false},      // the fastest kept
      {"[Config]\nSpeed=fast\n", 14, 1, false},  // not a number: the default
      {"[Config]\nZoom=3\n", 14, 1, false},
      {"[Config]\nZoom=258\n", 14, 2, false},  // 258 & 255 = 2
      {"[Config]\nZoom=2\n", 14, 2, false},
      {"[Config]\nSoundOFF=1\n", 14, 1, true},
      {"[Config]\nSoundOFF=257\n", 14, 1, true},
      {"[Config]\nSoundOFF=2\n", 14, 1, false},
  };
  for (const Case& c : cases) {
    WriteIni(c.Text);
    Start();
    ASSERT_TRUE(runner_->Started()) << c.Text;
    EXPECT_EQ(game().Config().Speed, c.Speed) << c.Text;
    EXPECT_EQ(game().View().ZoomMode, c.Zoom) << c.Text;
    EXPECT_EQ(game().Config().Muted, c.Muted) << c.Text;
    EXPECT_EQ(game().Menu().MuteChecked, c.Muted) << c.Text;
    EXPECT_EQ(game().Menu().ZoomChecked, c.Zoom == 2) << c.Text;
  }
}

TEST_F(ConfigTest, AMissingFileOrMissingKeysGiveTheDefaults) {
  for (const char* text : {"", "[Config]\nZoom=2\n", "; nothing\n[Other]\nSpeed=50\n"}) {
    fs::remove(Ini());
    if (*text) WriteIni(text);
    Start();
    ASSERT_TRUE(runner_->Started());
    EXPECT_TRUE(runner_->Dialogs.Shown.empty()) << text;
    EXPECT_EQ(game().Config().Speed, 14) << text;
    EXPECT_FALSE(game().Config().Muted) << text;
    const ResourcePaths defaults;
    EXPECT_EQ(game().Paths().Graph32, defaults.Graph32);
    EXPECT_EQ(game().Paths().Fonts, defaults.Fonts);
    EXPECT_EQ(game().Paths().Music, defaults.Music);
    EXPECT_EQ(game().Paths().Language, defaults.Language);
  }
}

TEST_F(ConfigTest, NamesIgnoreCaseValuesAreTrimmedAndBackslashesAreFolders) {
  const ConfigValues v = ParseConfig(
      "[CONFIG]\r\n  speed =  20  \r\nsoundoff=1\r\n[data]\r\nGRAPH32 = data\\Other\\32x32.kgf\r\n"
      "music=C:\\Games\\Krattle\\tune.mid\r\n");
  EXPECT_EQ(v.Speed, 20);
  EXPECT_EQ(v.SoundOff, 1);
  EXPECT_EQ(v.Paths.Graph32, fs::path("data/Other/32x32.kgf"));
  EXPECT_EQ(v.Paths.Music, fs::path("C:/Games/Krattle/tune.mid"));
  EXPECT_EQ(v.Paths.Graph40, ResourcePaths{}.Graph40);
}

TEST_F(ConfigTest, ClosingWritesTheTenKeysInTheirOrder) {
  Start();
  game().ToggleMute();
  game().ToggleZoom();
  game().SetSpeed(20);
  ASSERT_TRUE(game().CloseRequest());
  // No set was open: "Open" stays empty.
  EXPECT_EQ(ReadText(Ini()),
            "[Config]\n"
            "Open=\n"
            "Language=languages/English.ini\n"
            "Speed=20\n"
            "SoundOFF=1\n"
            "Zoom=2\n"
            "\n"
            "[Data]\n"
            "Graph32=data/Krattle/32x32.kgf\n"
            "Graph40=data/Krattle/40x40.kgf\n"
            "Fonts=data/Krattle/Fonts.kgf\n"
            "Sounds=data/Krattle/Sounds.kwv\n"
            "Music=data/Krattle/Krattle.mid\n");
}

TEST_F(ConfigTest, AWindowsSizeFollowsTheTenKeysInASectionOfItsOwn) {
  Start();
  runner_->Window.WindowWidth = 1300;
  runner_->Window.WindowHeight = 850;
  ASSERT_TRUE(game().CloseRequest());
  const std::string text = ReadText(Ini());
  EXPECT_EQ(text.substr(text.find("Music=")),
            "Music=data/Krattle/Krattle.mid\n"
            "\n"
            "[Window]\n"
            "Width=1300\n"
            "Height=850\n");
  EXPECT_EQ(ParseConfig(text).WindowWidth, 1300);
  EXPECT_EQ(ParseConfig(text).WindowHeight, 850);
  // A run without a window keeps the size stored.
  Start();
  ASSERT_TRUE(game().CloseRequest());
  EXPECT_EQ(ReadText(Ini()), text);
}

TEST_F(ConfigTest, AWindowSizeThatIsNoSizeIsNotTaken) {
  for (const char* text :
       {"[Window]\nWidth=0\nHeight=600\n", "[Window]\nWidth=-800\nHeight=600\n",
        "[Window]\nWidth=800\nHeight=99999\n", "[Window]\nWidth=wide\nHeight=600\n",
        "[Window]\nWidth=800\n", "[Config]\nWidth=800\nHeight=600\n"}) {
    const ConfigValues v = ParseConfig(text);
    EXPECT_EQ(v.WindowWidth, 0) << text;
    EXPECT_EQ(v.WindowHeight, 0) << text;
  }
  const ConfigValues v = ParseConfig("[window]\nwidth = 1920\nHEIGHT=1080\n");
  EXPECT_EQ(v.WindowWidth, 1920);
  EXPECT_EQ(v.WindowHeight, 1080);
}

TEST_F(ConfigTest, WhatWasWrittenStartsTheNextRun) {
  WriteIni("[Config]\nZoom=3\nSpeed=300\n");
  Start();
  game().ToggleMute();
  ASSERT_TRUE(game().CloseRequest());
  const ConfigValues written = ParseConfig(ReadText(Ini()));
  EXPECT_EQ(written.Zoom, 1);  // corrected, and written back so
  EXPECT_EQ(written.Speed, 44);
  EXPECT_EQ(written.SoundOff, 1);
  Start();
  EXPECT_TRUE(game().Config().Muted);
  EXPECT_EQ(game().Config().Speed, 44);
}

TEST_F(ConfigTest, TheOpenSetIsRememberedAbsoluteAndOpenedNextTime) {
  const fs::path set = dir_ / "Mine.kcv";
  ASSERT_TRUE(SaveCaveSet(set, *PlayableSet()).Ok());
  Start();
  ASSERT_TRUE(game().LoadCaveSet(set));
  ASSERT_TRUE(game().CloseRequest());
  EXPECT_EQ(ParseConfig(ReadText(Ini())).Open, fs::absolute(set));
  Start();
  EXPECT_EQ(game().SetFile(), fs::absolute(set));
  EXPECT_EQ(game().SetName(), "Mine");
}

TEST_F(ConfigTest, OtherEntriesOfTheFileSurviveTheWrite) {
  WriteIni("; mine\n[config]\nspeed=30\nPlayer=Ann\n[Extra]\nKey=Value\n");
  Start();
  ASSERT_TRUE(game().CloseRequest());
  const std::string text = ReadText(Ini());
  EXPECT_NE(text.find("Player=Ann"), std::string::npos) << text;
  EXPECT_NE(text.find("[Extra]\nKey=Value"), std::string::npos) << text;
  EXPECT_NE(text.find("speed=30"), std::string::npos) << text;  // one key, not two
  EXPECT_EQ(text.find("Speed="), std::string::npos) << text;
}

TEST_F(ConfigTest, AFallbackSetPathIsWhatGetsWrittenBack) {
  WriteIni("[Data]\nFonts=data/Gone.kgf\n");
  StartupOptions options;
  options.ProgramDir = dir_;
  options.ConfigFile = Ini();
  // The broken set must be known before start-up: a runner of our own with its stand-ins.
  ScriptedKeyboard keys;
  RecordingSound sound;
  FakeMusic music;
  ScriptedDialogs dialogs;
  NullDisplay window;
  NullAssets assets;
  NullCodec codec;
  RecordingCanvas canvas;
  assets.Broken.insert(dir_ / "data/Gone.kgf");
  Game g(PlatformServices{canvas, keys, sound, music, dialogs, window, assets, codec});
  ASSERT_TRUE(g.Creation(options));
  ASSERT_TRUE(g.CloseRequest());
  EXPECT_EQ(ParseConfig(ReadText(Ini())).Paths.Fonts, ResourcePaths{}.Fonts);
}

TEST_F(ConfigTest, AFileThatCannotBeWrittenIsReportedAndClosingGoesOn) {
  std::ofstream(dir_ / "plain") << "a file, not a folder";
  StartupOptions options;
  options.ProgramDir = dir_;
  options.ConfigFile = dir_ / "plain" / "Krattle.ini";
  runner_ = std::make_unique<HeadlessRunner>(options);
  ASSERT_TRUE(game().CloseRequest());
  ASSERT_EQ(runner_->Dialogs.Shown.size(), 1u);
  EXPECT_NE(runner_->Dialogs.Shown[0].find("plain/Krattle.ini"), std::string::npos)
      << runner_->Dialogs.Shown[0];
}

TEST(ConfigLocationTest, BesideTheProgramWhenWritableElseTheUsersFolders) {
  const fs::path program = "/opt/krattle";
  EXPECT_EQ(ConfigLocation(program, true, "/x/cfg", "/home/u"), program / "Krattle.ini");
  EXPECT_EQ(ConfigLocation(program, false, "/x/cfg", "/home/u"),
            fs::path("/x/cfg/krattle/Krattle.ini"));
  EXPECT_EQ(ConfigLocation(program, false, nullptr, "/home/u"),
            fs::path("/home/u/.config/krattle/Krattle.ini"));
  // A relative XDG folder is to be ignored.
  EXPECT_EQ(ConfigLocation(program, false, "cfg", "/home/u"),
            fs::path("/home/u/.config/krattle/Krattle.ini"));
  EXPECT_EQ(DataLocation(program, true, "/x/data", "/home/u"), program);
  EXPECT_EQ(DataLocation(program, false, "/x/data", "/home/u"), fs::path("/x/data/krattle"));
  EXPECT_EQ(DataLocation(program, false, "", "/home/u"), fs::path("/home/u/.local/share/krattle"));
}

TEST(ConfigLocationTest, AFolderThatCannotTakeFilesIsNotWritable) {
  const fs::path dir = TempDir("config_writable");
  EXPECT_TRUE(FolderWritable(dir));
  EXPECT_FALSE(FolderWritable(dir / "missing"));
  EXPECT_TRUE(fs::is_empty(dir));  // the probe is gone
  fs::remove_all(dir);
}

}  // namespace
}  // namespace krattle::testing
