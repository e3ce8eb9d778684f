// Krattle: the game window. Everything that decides what happens lives in the Game object; this
// file wires it to SDL, Dear ImGui and the clock.

#include <SDL.h>
#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/texts.h"
#include "platform/imgui_dialogs.h"
#include "platform/sdl_keyboard.h"
#include "platform/sdl_music.h"
#include "platform/sdl_sound.h"
#include "platform/sdl_window.h"
#include "render/set_assets.h"
#include "render/software_canvas.h"

namespace {

using namespace krattle;

constexpr Uint32 kClockMs = 1250;

std::filesystem::path ProgramDir() {
  char* base = SDL_GetBasePath();
  std::filesystem::path dir = base ? base : ".";
  SDL_free(base);
  return dir;
}

struct Options {
  std::vector<std::string> Args;
  std::string Screenshot;  // --screenshot FILE: write the window after --frames N and quit
  long Frames = 0;
  long Measure = 0;  // --measure N: run N frames back to back, print the mean time, quit
};

Options ParseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--screenshot" && i + 1 < argc) {
      o.Screenshot = argv[++i];
    } else if (a == "--frames" && i + 1 < argc) {
      o.Frames = std::strtol(argv[++i], nullptr, 10);
    } else if (a == "--measure" && i + 1 < argc) {
      o.Measure = std::strtol(argv[++i], nullptr, 10);
    } else {
      o.Args.push_back(a);
    }
  }
  return o;
}

class App {
 public:
  App() : canvas_(assets_, 640, 408), dialogs_(window_, [this] { window_.DrawSurface(canvas_); }) {
    window_.SetCanvas(&canvas_);
    assets_.WavesLoaded = [this](const WaveList& waves) { sound_.Load(waves); };
  }
  ~App() {
    if (imgui_) {
      ImGui_ImplSDLRenderer_Shutdown();
      ImGui_ImplSDL2_Shutdown();
      ImGui::DestroyContext();
    }
  }

  int Run(const Options& options) {
    ImGui::CreateContext();
    imgui_ = true;
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    ImGui::StyleColorsDark();
    const ImFont* font = io.Fonts->AddFontDefault();
    io.Fonts->Build();  // the font's size is known only once the atlas is built
    const int menuHeight = static_cast<int>(font->FontSize + 2 * ImGui::GetStyle().FramePadding.y);
    // Measuring wants the cost of a frame, not the wait for the display.
    const std::string error = window_.Open("Krattle", 640, 408, menuHeight, options.Measure == 0);
    if (!error.empty()) {
      std::fprintf(stderr, "krattle: cannot open the window: %s\n", error.c_str());
      return 1;
    }
    ImGui_ImplSDL2_InitForSDLRenderer(window_.Window());
    ImGui_ImplSDLRenderer_Init(window_.Renderer());
    dialogs_.SetReady(true);

    PlatformServices services{canvas_, keys_, sound_, music_, dialogs_, window_, assets_};
    game_ = std::make_unique<Game>(services);
    StartupOptions start;
    start.ProgramDir = ProgramDir();
    start.Args = options.Args;
    if (!game_->Creation(start)) return 1;
    game_->OnActivate();

    if (options.Measure > 0) game_->Config().Speed = 0;
    const Uint64 measureStart = SDL_GetPerformanceCounter();
    Uint32 lastFrame = SDL_GetTicks();
    Uint32 clockStart = lastFrame;
    bool clockWasOn = game_->ClockEnabled();
    long frames = 0;
    while (!quit_ && !game_->QuitRequested() && !dialogs_.QuitRequested()) {
      PumpEvents();
      ImGui_ImplSDLRenderer_NewFrame();
      ImGui_ImplSDL2_NewFrame();
      ImGui::NewFrame();
      const bool menuOpen = DrawMenus();
      keys_.SetBlocked(ImGui::GetIO().WantCaptureKeyboard);

      const Uint32 now = SDL_GetTicks();
      // A modal menu holds the program still, as does a window in the background.
      if (menuOpen && !menuWasOpen_) game_->GamePauseWhenMenu();
      menuWasOpen_ = menuOpen;
      if (focused_ && !menuOpen &&
          now - lastFrame >= static_cast<Uint32>(std::max(0, game_->Config().Speed))) {
        lastFrame = now;
        game_->Frame();
        ++frames;
      }
      const bool clockOn = focused_ && game_->ClockEnabled();
      if (clockOn && !clockWasOn) clockStart = now;  // a restarted timer waits a full period
      clockWasOn = clockOn;
      if (clockOn && now - clockStart >= kClockMs) {
        clockStart += kClockMs;
        game_->ClockTick();
      }

      ImGui::Render();
      SDL_SetRenderDrawColor(window_.Renderer(), 0, 0, 0, 255);
      SDL_RenderClear(window_.Renderer());
      window_.DrawSurface(canvas_);
      ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
      if (!options.Screenshot.empty() && frames >= options.Frames) {
        const bool ok = window_.Screenshot(options.Screenshot);
        std::fprintf(stderr, "krattle: %s %s after %ld frames\n", ok ? "wrote" : "could not write",
                     options.Screenshot.c_str(), frames);
        return ok ? 0 : 1;
      }
      SDL_RenderPresent(window_.Renderer());
      if (options.Measure > 0 && frames >= options.Measure) {
        const double ms = 1000.0 * static_cast<double>(SDL_GetPerformanceCounter() - measureStart) /
                          static_cast<double>(SDL_GetPerformanceFrequency());
        std::printf("frames %ld mean frame %.3f ms (%s renderer)\n", frames, ms / frames,
                    window_.Software() ? "software" : "accelerated");
        return 0;
      }
      if (options.Measure == 0 && (window_.Software() || game_->Config().Speed > 2)) SDL_Delay(1);
    }
    return 0;
  }

 private:
  void PumpEvents() {
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) {
      ImGui_ImplSDL2_ProcessEvent(&ev);
      switch (ev.type) {
        case SDL_QUIT: quit_ = true; break;
        case SDL_WINDOWEVENT:
          if (ev.window.event == SDL_WINDOWEVENT_FOCUS_GAINED && !focused_) {
            focused_ = true;
            game_->OnActivate();
          } else if (ev.window.event == SDL_WINDOWEVENT_FOCUS_LOST && focused_) {
            focused_ = false;
            game_->OnDeactivate();
          }
          break;
        case SDL_KEYDOWN:
          if (ev.key.repeat == 0 && !ImGui::GetIO().WantCaptureKeyboard) {
            const int key = VirtualKey(ev.key.keysym);
            if (key) game_->KeyDown(key, VirtualShift(ev.key.keysym));
          }
          break;
        default: break;
      }
    }
  }

  // Returns true while a menu is open.
  bool DrawMenus() {
    bool open = false;
    const MenuState& m = game_->Menu();
    if (!ImGui::BeginMainMenuBar()) return false;
    auto text = [&](const char* key) { return texts_.Get("Menu", key); };
    if (ImGui::BeginMenu(text("Game").c_str())) {
      open = true;
      if (ImGui::MenuItem(text("LoadGame").c_str())) game_->LoadGameClick();
      if (ImGui::MenuItem(text("Start").c_str(), nullptr, false, m.StartEnabled)) game_->Start();
      if (ImGui::MenuItem(text("Stop").c_str(), nullptr, false, m.StopEnabled)) game_->Stop();
      ImGui::Separator();
      // Commands whose parts are still being built stay visible but cannot be chosen.
      ImGui::MenuItem(text("CavesEditor").c_str(), nullptr, false, false);
      if (ImGui::MenuItem(text("PlayDemo").c_str(), nullptr, false, m.DemoEnabled))
        game_->PlayDemoClick();
      if (ImGui::MenuItem(text("RecordDemo").c_str(), nullptr, false, m.DemoEnabled))
        game_->RecordDemoClick();
      ImGui::Separator();
      if (ImGui::MenuItem(text("Exit").c_str())) quit_ = true;
      ImGui::EndMenu();
    }
    if (ImGui::BeginMenu(text("Options").c_str())) {
      open = true;
      if (ImGui::MenuItem(text("Zoom").c_str(), nullptr, m.ZoomChecked)) game_->ZoomClick();
      if (ImGui::MenuItem(text("FullScreen").c_str())) game_->FullScreenClick();
      ImGui::MenuItem(text("Speed").c_str(), nullptr, false, false);
      if (ImGui::MenuItem(text("Mute").c_str(), nullptr, m.MuteChecked)) game_->MuteClick();
      ImGui::MenuItem(text("Settings").c_str(), nullptr, false, false);
      ImGui::EndMenu();
    }
    if (ImGui::BeginMenu(text("Info").c_str())) {
      open = true;
      if (ImGui::MenuItem("About Krattle")) {
        dialogs_.Message(
            "Krattle\n\nDig, dodge and collect your way through twenty caves.\n"
            "Arrow keys move, Space or Ctrl snaps, P pauses, Escape gives up a life.",
            text("Info"));
      }
      ImGui::EndMenu();
    }
    ImGui::EndMainMenuBar();
    return open;
  }

  SetFileAssets assets_;
  SoftwareCanvas canvas_;
  SdlWindow window_;
  SdlKeyboard keys_;
  SdlMixer mixer_;  // before the sound and the music, which it outlives
  SdlSound sound_{mixer_};
  SdlMusic music_{mixer_};
  ImGuiDialogs dialogs_;
  Texts texts_;
  std::unique_ptr<Game> game_;
  bool imgui_ = false;
  bool quit_ = false;
  bool focused_ = true;
  bool menuWasOpen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    std::fprintf(stderr, "krattle: cannot start SDL: %s\n", SDL_GetError());
    return 1;
  }
  int status = 1;
  try {
    auto app = std::make_unique<App>();
    status = app->Run(ParseOptions(argc, argv));
  } catch (const std::exception& e) {
    // Whatever reaches the top is shown before the program ends.
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Krattle", e.what(), nullptr);
    std::fprintf(stderr, "krattle: %s\n", e.what());
  }
  SDL_Quit();
  return status;
}
