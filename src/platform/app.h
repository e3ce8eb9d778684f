#pragma once
// The game in its window: SDL events, the frame clock, the menu bar and the dialogs around the
// one Game object. Run() is the program; Open() and Step() let tests drive it frame by frame.

#include <memory>
#include <string>
#include <vector>

#include "game/frame_clock.h"
#include "game/game.h"
#include "platform/event_feed.h"
#include "platform/form_renderer.h"
#include "platform/imgui_dialogs.h"
#include "platform/main_menu.h"
#include "platform/sdl_keyboard.h"
#include "platform/sdl_media_codec.h"
#include "platform/sdl_mixer.h"
#include "platform/sdl_music.h"
#include "platform/sdl_sound.h"
#include "platform/sdl_window.h"
#include "render/set_assets.h"
#include "render/software_canvas.h"

namespace krattle {

struct AppOptions {
  std::vector<std::string> Args;
  std::filesystem::path ProgramDir;  // empty: the executable's folder
  std::filesystem::path ConfigFile;  // empty: Krattle.ini where the location rule puts it
  std::string Screenshot;            // write the window after Frames frames and quit
  long Frames = 0;
  long Measure = 0;  // run this many frames back to back, print the mean time, quit
  bool Help = false, Version = false;
  std::string Error;  // a command line that cannot be followed, and why
};

// What `krattle --help` prints.
std::string AppUsage();

// Splits the command line into the game's arguments and the window's own options.
AppOptions ParseAppOptions(int argc, char** argv);

class App {
 public:
  App();
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Opens the window and runs the game's start-up. Non-zero: the exit status to end with.
  int Open(const AppOptions& options);
  // One pass of the main loop. False once the program should end.
  bool Step();
  // Opens, then steps until the end. The exit status.
  int Run(const AppOptions& options);

  Game& game() { return *game_; }
  const MenuFrame& LastMenu() const { return menu_; }
  // Where the editor's panel drew its fields in the last frame (empty outside the editor).
  const FieldRects& PanelRects() const { return panelRects_; }
  // Where the editor's open pop-up menu drew its items, by their text keys.
  const FieldRects& PopupRects() const { return popupRects_; }
  const ImGuiDialogs& Dialogs() const { return dialogs_; }
  SdlWindow& Window() { return window_; }
  const SdlControllers& Controllers() const { return pads_; }

 private:
  bool Ending() const { return quit_ || game_->QuitRequested() || dialogs_.QuitRequested(); }
  void PumpEvents();
  void HandleEvent(const SDL_Event& ev);
  void HandleMouse(const SDL_Event& ev);
  void GameWork();
  void DrawFrame();
  bool FinishMeasuring();

  SetFileAssets assets_;
  SdlMediaCodec codec_;
  SoftwareCanvas canvas_;
  SdlWindow window_;
  SdlControllers pads_;
  SdlKeyboard keys_;
  SdlMixer mixer_;  // before the sound and the music, which it outlives
  SdlSound sound_{mixer_};
  SdlMusic music_{mixer_};
  EventFeed events_;
  ImGuiDialogs dialogs_;
  FrameClock clock_;
  std::unique_ptr<Game> game_;
  AppOptions options_;
  MenuFrame menu_;
  FieldRects panelRects_;
  std::vector<FormAction> panelActions_;  // done on the panel, applied between frames
  FieldRects popupRects_;
  MenuCommand pending_ = MenuCommand::None;
  bool closeAsked_ = false;     // the close box, answered between frames like a menu command
  bool panelTyping_ = false;    // an edit of the editor's panel holds the keys
  bool dropEditFocus_ = false;  // a key typed into an edit acted as a command
  bool popupShown_ = false;     // ImGui has the editor's pop-up menu open
  // The pointer as the last motion event left it, while it is inside the window.
  bool pointerInside_ = false;
  float pointerX_ = 0, pointerY_ = 0;
  bool imgui_ = false;
  bool quit_ = false;
  bool focused_ = true;
  long frames_ = 0;
  int status_ = 0;
  unsigned long long measureStart_ = 0;
};

}  // namespace krattle
