// The real window layer (SDL's dummy video driver, the software renderer, Dear ImGui) driven
// through every menu item by injected SDL events. A dialog opened inside the menu's ImGui frame
// aborts the process in ImGui's frame checks, so any regression ends this test run.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "game/keys.h"
#include "platform/app.h"
#include "support/game_probe.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kBin = KRATTLE_BIN_DIR;

// Tests run in parallel processes: each gets files of its own.
fs::path Scratch(const std::string& what) {
  return fs::temp_directory_path() /
         ("krattle_menu_walk_" + std::to_string(getpid()) + "_" +
          ::testing::UnitTest::GetInstance()->current_test_info()->name() + what);
}

// Ends the run if a dialog never closes, so a hang shows up as a failure.
Uint32 Watchdog(Uint32, void*) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  return 0;
}

SDL_Event KeyEvent(Uint32 type, SDL_Scancode code, SDL_Keycode sym) {
  SDL_Event ev{};
  ev.type = type;
  ev.key.keysym.scancode = code;
  ev.key.keysym.sym = sym;
  ev.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  return ev;
}

Uint32 TypeKrattleKcv(Uint32, void*) {
  for (const char* text : {"Kra", "ttle.kcv"}) {
    SDL_Event ev{};
    ev.type = SDL_TEXTINPUT;
    std::snprintf(ev.text.text, sizeof ev.text.text, "%s", text);
    SDL_PushEvent(&ev);
  }
  for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
    SDL_Event ev = KeyEvent(type, SDL_SCANCODE_RETURN, SDLK_RETURN);
    SDL_PushEvent(&ev);
  }
  return 0;
}

Uint32 PressEscape(Uint32, void*) {
  for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
    SDL_Event ev = KeyEvent(type, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
    SDL_PushEvent(&ev);
  }
  return 0;
}

Uint32 ReleaseS(Uint32, void*) {
  SDL_Event ev = KeyEvent(SDL_KEYUP, SDL_SCANCODE_S, SDLK_s);
  SDL_PushEvent(&ev);
  return 0;
}

class MenuWalk : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS), 0) << SDL_GetError();
    watchdog_ = SDL_AddTimer(20000, Watchdog, nullptr);
  }
  void TearDown() override {
    SDL_RemoveTimer(watchdog_);
    app_.reset();
    SDL_Quit();
    std::error_code ec;
    fs::remove(Scratch(".kcv"), ec);
    fs::remove(Scratch(".ini"), ec);
  }

  void Open(const fs::path& programDir = kBin) {
    // The game writes to its set (saved position, demos): never to the bundled one.
    const fs::path set = Scratch(".kcv");
    fs::copy_file(kBin / "Levels" / "Krattle.kcv", set, fs::copy_options::overwrite_existing);
    app_ = std::make_unique<App>();
    AppOptions options;
    options.ProgramDir = programDir;
    options.ConfigFile = Scratch(".ini");
    options.Args = {set.string()};
    ASSERT_EQ(app_->Open(options), 0);
    Steps(3);
  }

  bool Steps(int n) {
    for (int k = 0; k < n; ++k)
      if (!app_->Step()) return false;
    return true;
  }

  void Push(Uint32 type, const auto& fill) {
    SDL_Event ev{};
    ev.type = type;
    fill(ev);
    SDL_PushEvent(&ev);
  }

  void Click(const std::string& key) {
    const auto& rects = app_->LastMenu().Rects;
    const auto it = rects.find(key);
    ASSERT_NE(it, rects.end()) << key << " is not on screen";
    ClickAt(it->second);
  }
  void ClickPanel(const std::string& id) {
    const auto& rects = app_->PanelRects();
    const auto it = rects.find(id);
    ASSERT_NE(it, rects.end()) << id << " is not on the panel";
    ClickAt(it->second);
  }
  void ClickAt(const MenuRect& r) {
    SDL_WarpMouseInWindow(app_->Window().Window(), static_cast<int>(r.X + r.W / 2),
                          static_cast<int>(r.Y + r.H / 2));
    for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
      Push(type, [](SDL_Event& ev) {
        ev.button.button = SDL_BUTTON_LEFT;
        ev.button.state = ev.type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        ev.button.clicks = 1;
      });
    }
  }

  // Opens a menu and clicks one of its items; the command runs at the start of the next step,
  // once the frame that chose it is over.
  void Pick(const std::string& menu, const std::string& item) {
    Click(menu);
    ASSERT_TRUE(Steps(2));
    ASSERT_TRUE(app_->LastMenu().AnyOpen) << menu << " did not open";
    Click(item);
    ASSERT_TRUE(Steps(2));
    ASSERT_NE(app_->LastMenu().Chosen, MenuCommand::None) << item << " was not chosen";
  }
  void Choose(const std::string& menu, const std::string& item) {
    Pick(menu, item);
    ASSERT_TRUE(Steps(1));
  }

  void Tap(SDL_Scancode code, SDL_Keycode sym) {
    for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
      SDL_Event ev = KeyEvent(type, code, sym);
      SDL_PushEvent(&ev);
    }
  }
  void Escape() { Tap(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE); }

  Game& game() { return app_->game(); }
  int Shown() const { return app_->Dialogs().Shown(); }

  std::unique_ptr<App> app_;
  SDL_TimerID watchdog_ = 0;
};

TEST_F(MenuWalk, AboutOpensItsBoxAndEscapeClosesIt) {
  Open();
  Pick("Info", "About");
  Escape();
  ASSERT_TRUE(Steps(2));
  EXPECT_EQ(Shown(), 1);
}

TEST_F(MenuWalk, LoadGameOpensTheFileDialog) {
  Open();
  Pick("Game", "LoadGame");
  Escape();
  ASSERT_TRUE(Steps(2));
  EXPECT_EQ(Shown(), 1);
  EXPECT_EQ(GameProbe::Flow(game()).ScreenMode, smTitle);
}

TEST_F(MenuWalk, TheFileDialogIsWorkedByTheKeyboardAndRemembersItsFolder) {
  Open();
  const std::string filter = "Krattle Caves *.kcv|*.kcv";
  // It opens in the bundled sets' folder: ".." first, then Krattle.kcv.
  Pick("Game", "LoadGame");
  Tap(SDL_SCANCODE_DOWN, SDLK_DOWN);
  Tap(SDL_SCANCODE_DOWN, SDLK_DOWN);
  Tap(SDL_SCANCODE_RETURN, SDLK_RETURN);
  ASSERT_TRUE(Steps(2));
  EXPECT_EQ(game().SetFile(), kBin / "Levels" / "Krattle.kcv");
  EXPECT_EQ(app_->Dialogs().LastFolder(filter), kBin / "Levels");
  // Backspace in the empty name goes up, onto the folder just left; Enter goes back into it and
  // a typed name opens a file there.
  Pick("Game", "LoadGame");
  Tap(SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE);
  Tap(SDL_SCANCODE_RETURN, SDLK_RETURN);
  // The name is typed a moment later, while the dialog runs its own frames.
  const SDL_TimerID typing = SDL_AddTimer(300, TypeKrattleKcv, nullptr);
  ASSERT_TRUE(Steps(2));
  SDL_RemoveTimer(typing);
  EXPECT_EQ(Shown(), 2);
  EXPECT_EQ(game().SetFile(), kBin / "Levels" / "Krattle.kcv");
}

TEST_F(MenuWalk, StopOnTheLastLifeWithAGoodScoreAsksForAName) {
  Open();
  Choose("Game", "Start");
  ASSERT_EQ(GameProbe::Flow(game()).ScreenMode, smGame);
  for (int k = 0; k < 5000 && GameProbe::Run(game()).Values.GamePhase != gpPlay; ++k)
    ASSERT_TRUE(Steps(1));
  ASSERT_EQ(GameProbe::Run(game()).Values.GamePhase, gpPlay);
  GameProbe::Run(game()).Values.Lives = 1;
  GameProbe::Run(game()).Values.Score = 999999;
  Pick("Game", "Stop");
  // The Escape that closes it must be pressed after the dialog is up: twice, as a player would
  // after letting go of the first.
  Escape();
  Escape();
  ASSERT_TRUE(Steps(2));
  EXPECT_EQ(Shown(), 1);
  EXPECT_EQ(GameProbe::Flow(game()).PendingHighScore, 999999);
}

TEST_F(MenuWalk, ZoomWithoutTheLargeTilesSaysSoAndEnds) {
  // A program folder with every set but the 40-pixel tiles.
  const fs::path dir = Scratch("_dir");
  fs::remove_all(dir);
  fs::create_directories(dir / "data" / "Krattle");
  for (const char* name : {"32x32.kgf", "Fonts.kgf", "Sounds.kwv", "Krattle.mid"})
    fs::create_symlink(kBin / "data" / "Krattle" / name, dir / "data" / "Krattle" / name);
  Open(dir);
  Pick("Options", "Zoom");
  Tap(SDL_SCANCODE_RETURN, SDLK_RETURN);
  EXPECT_FALSE(Steps(2));  // the program ends after the message
  EXPECT_EQ(Shown(), 1);
  fs::remove_all(dir);
}

TEST_F(MenuWalk, EveryOtherItemRunsWithoutADialog) {
  Open();
  Choose("Options", "Mute");
  EXPECT_TRUE(game().Menu().MuteChecked);
  Choose("Options", "Zoom");
  EXPECT_TRUE(game().Menu().ZoomChecked);
  Choose("Options", "FullScreen");
  ASSERT_TRUE(Steps(2));
  EXPECT_TRUE(app_->Window().FullScreen());
  EXPECT_TRUE(app_->LastMenu().Rects.empty());  // no menu bar in full screen
  // A double click on the picture gives back the window and its menus.
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(app_->Window().Renderer(), &w, &h);
  Push(SDL_MOUSEBUTTONDOWN, [&](SDL_Event& ev) {
    ev.button.button = SDL_BUTTON_LEFT;
    ev.button.state = SDL_PRESSED;
    ev.button.clicks = 2;
    ev.button.x = w / 2;
    ev.button.y = h / 2;
  });
  ASSERT_TRUE(Steps(2));
  EXPECT_FALSE(app_->Window().FullScreen());
  EXPECT_FALSE(app_->LastMenu().Rects.empty());
  Choose("Game", "PlayDemo");
  EXPECT_TRUE(GameProbe::Flow(game()).DemoPlaying);
  Choose("Game", "Stop");
  EXPECT_FALSE(GameProbe::Flow(game()).DemoPlaying);
  Choose("Game", "RecordDemo");
  EXPECT_TRUE(GameProbe::Flow(game()).DemoRecording);
  Choose("Game", "Stop");
  Choose("Game", "Start");
  EXPECT_EQ(GameProbe::Flow(game()).ScreenMode, smGame);
  EXPECT_EQ(Shown(), 0);
  Pick("Game", "Exit");
  EXPECT_FALSE(app_->Step());
}

TEST_F(MenuWalk, OnlyTheOptionsMenuStopsTheGameClock) {
  Open();
  Choose("Game", "Start");
  Click("Game");
  ASSERT_TRUE(Steps(2));
  EXPECT_TRUE(game().ClockEnabled());
  Escape();  // closes the menu
  ASSERT_TRUE(Steps(2));
  Click("Options");
  ASSERT_TRUE(Steps(2));
  EXPECT_FALSE(game().ClockEnabled());
}

TEST_F(MenuWalk, TheKeyThatOpensTheSpeedDialogDoesNotCloseItAgain) {
  Open();
  const Uint32 start = SDL_GetTicks();
  // A real key is let go a little after the press, when the dialog is already up.
  SDL_Event press = KeyEvent(SDL_KEYDOWN, SDL_SCANCODE_S, SDLK_s);
  SDL_PushEvent(&press);
  const SDL_TimerID release = SDL_AddTimer(150, ReleaseS, nullptr);
  const SDL_TimerID escape = SDL_AddTimer(600, PressEscape, nullptr);
  ASSERT_TRUE(Steps(4));
  SDL_RemoveTimer(release);
  SDL_RemoveTimer(escape);
  EXPECT_EQ(Shown(), 1);
  // It stayed up until the Escape came.
  EXPECT_GE(SDL_GetTicks() - start, 500u);
}

TEST_F(MenuWalk, TheEditorsPanelTakesClicksTypingAndItsCommandKeys) {
  Open();
  Tap(SDL_SCANCODE_E, SDLK_e);
  ASSERT_TRUE(Steps(3));
  FlowState& flow = GameProbe::Flow(game());
  ASSERT_EQ(flow.ScreenMode, smEditor);
  int w = 0, h = 0;
  SDL_GetWindowSize(app_->Window().Window(), &w, &h);
  EXPECT_EQ(w, 800);
  EXPECT_GE(h, 472 + 60);
  Form& panel = *game().EditorPanel();
  const std::string diamonds = panel.Field("Editor_Edit_Diamonds").Text;
  ClickPanel("Editor_UpDown_Diamonds+");
  ASSERT_TRUE(Steps(3));
  EXPECT_EQ(panel.Field("Editor_Edit_Diamonds").Text, std::to_string(std::stoi(diamonds) + 1));

  // Typing into an edit: digits go in, the step keys act as commands from there.
  ClickPanel("Editor_Edit_CaveTime");
  ASSERT_TRUE(Steps(2));
  Tap(SDL_SCANCODE_END, SDLK_END);
  for (int k = 0; k < 3; ++k) Tap(SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE);
  Push(SDL_TEXTINPUT, [](SDL_Event& ev) { std::snprintf(ev.text.text, 8, "%s", "7a-7"); });
  ASSERT_TRUE(Steps(10));
  EXPECT_EQ(panel.Field("Editor_Edit_CaveTime").Text, "77");
  Tap(SDL_SCANCODE_EQUALS, SDLK_EQUALS);
  ASSERT_TRUE(Steps(4));
  EXPECT_EQ(flow.CurrentCave, 1);
  EXPECT_EQ(GameProbe::Set(game()).A(0, FieldA::CaveTime), 77);
  EXPECT_EQ(panel.Field("Editor_Edit_CaveTime").Text,
            std::to_string(GameProbe::Set(game()).A(SlotOf(1, 0), FieldA::CaveTime)));

  // The close box asks first; Escape cancels and the program goes on.
  Push(SDL_QUIT, [](SDL_Event&) {});
  ASSERT_TRUE(Steps(1));
  Escape();
  ASSERT_TRUE(Steps(3));
  EXPECT_EQ(Shown(), 1);
  EXPECT_EQ(flow.ScreenMode, smEditor);

  // The dialogs open between frames, not inside the one that drew their button.
  for (const char* button : {"Editor_Button_Advanced", "Editor_Button_GenerateCave"}) {
    const int before = Shown();
    ClickPanel(button);
    const SDL_TimerID escape = SDL_AddTimer(400, PressEscape, nullptr);
    ASSERT_TRUE(Steps(4));
    SDL_RemoveTimer(escape);
    EXPECT_EQ(Shown(), before + 1) << button;
  }

  // Test Cave from its button, Escape back once the cave is in play.
  ClickPanel("Editor_Button_TestCave");
  ASSERT_TRUE(Steps(3));
  EXPECT_EQ(flow.ScreenMode, smGame);
  // The cave's opening runs on the real frame clock: about two seconds.
  for (int k = 0; k < 8000 && GameProbe::Run(game()).Values.GamePhase != gpPlay; ++k)
    ASSERT_TRUE(Steps(1));
  Escape();
  ASSERT_TRUE(Steps(3));
  EXPECT_EQ(flow.ScreenMode, smEditor);
  EXPECT_TRUE(game().Menu().PanelShown);
}

TEST_F(MenuWalk, TheWindowOpensAsLargeAsItWasLeftAndRemembersItsSize) {
  // The dummy display is 1024 x 768: room for the picture once, with black around it.
  std::ofstream(Scratch(".ini")) << "[Window]\nWidth=1000\nHeight=700\n";
  Open();
  int w = 0, h = 0;
  SDL_GetWindowSize(app_->Window().Window(), &w, &h);
  EXPECT_EQ(w, 1000);  // not shrunk to the picture by the game's first sizing
  EXPECT_EQ(h, 700);
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  app_->Window().FromSurface(0, 0, x0, y0);
  app_->Window().FromSurface(640, 408, x1, y1);
  EXPECT_EQ(x0, 180.0f);  // centred
  EXPECT_EQ(x1 - x0, 640.0f);
  int sx = 0, sy = 0;
  ASSERT_TRUE(app_->Window().ToSurface(180 + 321, static_cast<int>(y0) + 205, sx, sy));
  EXPECT_EQ(sx, 321);
  EXPECT_EQ(sy, 205);
  EXPECT_FALSE(app_->Window().ToSurface(179, static_cast<int>(y0) + 205, sx, sy));  // the black
  // Graphics loaded again at the same size leave the window as the player sized it.
  SDL_SetWindowSize(app_->Window().Window(), 900, 650);
  app_->Window().SetSurfaceSize(640, 408, 0);
  SDL_GetWindowSize(app_->Window().Window(), &w, &h);
  EXPECT_EQ(w, 900);
  EXPECT_EQ(h, 650);
  // The other zoom needs a window of its own size.
  Choose("Options", "Zoom");
  SDL_GetWindowSize(app_->Window().Window(), &w, &h);
  EXPECT_EQ(w, 800);
  ASSERT_TRUE(game().CloseRequest());
  std::ifstream in(Scratch(".ini"));
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("[Window]\nWidth=800\nHeight=" + std::to_string(h) + "\n"), std::string::npos)
      << text;
}

}  // namespace
}  // namespace krattle::testing
