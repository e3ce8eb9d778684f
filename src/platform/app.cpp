#include "platform/app.h"

#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "editor/editor.h"
#include "game/config_file.h"
#include "game/keys.h"
#include "game/program_folder.h"
#include "platform/editor_panel.h"

namespace krattle {

namespace {

std::filesystem::path ExecutableDir() {
  char* base = SDL_GetBasePath();
  std::filesystem::path dir = base ? base : ".";
  SDL_free(base);
  return dir;
}

long NowMs() {
  return static_cast<long>(SDL_GetTicks64());
}

}  // namespace

AppOptions ParseAppOptions(int argc, char** argv) {
  AppOptions o;
  // A count the window's own options take: a whole number within reason.
  auto count = [&](const char* name, const char* text, long& out) {
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || v < 1 || v > 1'000'000)
      o.Error = std::string(name) + " takes a number of frames from 1 to 1000000";
    else
      out = v;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const bool value = i + 1 < argc;
    if (a == "--help" || a == "-h") {
      o.Help = true;
    } else if (a == "--version") {
      o.Version = true;
    } else if (a == "--screenshot" && value) {
      o.Screenshot = argv[++i];
    } else if (a == "--frames" && value) {
      count("--frames", argv[++i], o.Frames);
    } else if (a == "--config" && value) {
      o.ConfigFile = argv[++i];
    } else if (a == "--measure" && value) {
      count("--measure", argv[++i], o.Measure);
    } else if (a.size() > 1 && a[0] == '-') {
      o.Error = "unknown option " + a;
    } else {
      o.Args.push_back(a);
    }
  }
  if (o.Error.empty() && o.Args.size() > 1) o.Error = "one cave set at most";
  return o;
}

std::string AppUsage() {
  return "usage: krattle [SET.kcv] [--config FILE] [--screenshot FILE.png --frames N]\n"
         "               [--measure N] [--help] [--version]\n"
         "\n"
         "Plays the cave set named, or the one played last, or the one that comes with the game.\n"
         "  --config FILE      keep the settings in FILE instead of Krattle.ini\n"
         "  --screenshot FILE  write the window to FILE.png after N frames and end\n"
         "  --measure N        run N frames as fast as possible and print the mean frame time\n"
         "\n"
         "Keys: arrows (or H J K L) move, Space or Ctrl snaps, P pauses, Escape gives up a life,\n"
         "Q stops, L loads a set, D plays a demo, Shift+D records one, S sets the speed,\n"
         "M mutes, E opens the cave editor, Alt+Enter switches full screen.\n"
         "\n"
         "Settings are kept in Krattle.ini beside the program when its folder is writable,\n"
         "otherwise in $XDG_CONFIG_HOME/krattle/ (~/.config/krattle/).\n";
}

App::App()
    : canvas_(assets_, 640, 408),
      dialogs_(window_, events_, [this] { window_.DrawSurface(canvas_); }) {
  window_.SetCanvas(&canvas_);
  keys_.SetControllers(&pads_);
  assets_.WavesLoaded = [this](const WaveList& waves) { sound_.Load(waves); };
}

App::~App() {
  game_.reset();
  if (imgui_) {
    ImGui_ImplSDLRenderer_Shutdown();
    ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext();
  }
}

int App::Open(const AppOptions& options) {
  options_ = options;
  StartupOptions start;
  start.ProgramDir =
      options.ProgramDir.empty() ? ProgramDataFolder(ExecutableDir()) : options.ProgramDir;
  start.Args = options.Args;
  start.ConfigFile =
      options.ConfigFile.empty() ? DefaultConfigFile(start.ProgramDir) : options.ConfigFile;
  start.WriteDir = DefaultDataFolder(start.ProgramDir);
  // The window opens as large as it was left; the game reads the rest of the file itself.
  ConfigValues remembered;
  if (!start.ConfigFile.empty()) ReadConfigFile(start.ConfigFile, remembered);
  window_.SetStartSize(remembered.WindowWidth, remembered.WindowHeight);
  // On a dense display the menus and the panel grow with everything else.
  float reported = 0;
  if (SDL_GetDisplayDPI(0, nullptr, &reported, nullptr) != 0) reported = 0;
  const int uiScale = DensityScale(DisplayDpi(reported, SDL_getenv("GDK_SCALE")));
  window_.SetUiScale(uiScale);
  ImGui::CreateContext();
  imgui_ = true;
  ImGuiIO& io = ImGui::GetIO();
  io.IniFilename = nullptr;
  ImGui::StyleColorsDark();
  ImGui::GetStyle().ScaleAllSizes(static_cast<float>(uiScale));
  // Window texts in other languages need more than ASCII: DejaVu Sans covers Western and
  // Central European letters; without it ImGui's own font still shows the English texts.
  static const ImWchar kLetters[] = {0x0020, 0x017F, 0x2010, 0x2027, 0x20AC,
                                     0x20AC, 0xFFFD, 0xFFFD, 0};
  const char* dejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  const ImFont* font = nullptr;
  if (std::filesystem::exists(dejaVu))
    font = io.Fonts->AddFontFromFileTTF(dejaVu, 14.0f * static_cast<float>(uiScale), nullptr,
                                        kLetters);
  if (!font) {
    ImFontConfig config;
    config.SizePixels = 13.0f * static_cast<float>(uiScale);
    font = io.Fonts->AddFontDefault(&config);
  }
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

  PlatformServices services{canvas_, keys_, sound_, music_, dialogs_, window_, assets_, codec_};
  game_ = std::make_unique<Game>(services);
  AttachEditor(*game_);
  dialogs_.SetTexts(&game_->Text());
  dialogs_.SetUnderlay([this] {
    DrawMainMenu(game_->Menu(), game_->Text());
    std::vector<FormAction> ignored;
    if (const Form* panel = game_->EditorPanel()) DrawEditorPanel(*panel, window_, ignored);
  });
  if (!game_->Creation(start)) return 1;
  game_->OnActivate();
  if (options.Measure > 0) game_->SetSpeed(0);
  measureStart_ = SDL_GetPerformanceCounter();
  return 0;
}

int App::Run(const AppOptions& options) {
  if (const int status = Open(options); status != 0) return status;
  while (Step()) {
  }
  return status_;
}

bool App::Step() {
  // A command chosen in the last frame runs now, between frames, so the dialog it opens can
  // run frames of its own.
  game_->Command(std::exchange(pending_, MenuCommand::None));
  // The panel's buttons and edits act here too: Advanced and Cave generator open dialogs.
  for (const FormAction& a : std::exchange(panelActions_, {}))
    if (Form* panel = game_->EditorPanel()) ApplyFormAction(*panel, a);
  // The editor may ask about unsaved work before the window goes.
  if (std::exchange(closeAsked_, false) && game_->CloseRequest()) quit_ = true;
  if (Ending()) return false;
  PumpEvents();
  if (Ending()) return false;
  GameWork();
  if (Ending()) return false;
  DrawFrame();
  if (!options_.Screenshot.empty() && frames_ >= options_.Frames) return false;
  SDL_RenderPresent(window_.Renderer());
  if (options_.Measure > 0 && frames_ >= options_.Measure) return FinishMeasuring();
  if (options_.Measure == 0 && (window_.Software() || game_->Config().Speed > 2)) SDL_Delay(1);
  return true;
}

void App::PumpEvents() {
  events_.Pump([this](const SDL_Event& ev) { HandleEvent(ev); });
}

void App::HandleEvent(const SDL_Event& ev) {
  ImGui_ImplSDL2_ProcessEvent(&ev);
  std::vector<int> padKeys;
  pads_.HandleEvent(ev, padKeys);
  // A controller's presses act like keys, except while a menu holds the input.
  if (!menu_.AnyOpen)
    for (int key : padKeys) game_->KeyDown(key);
  switch (ev.type) {
    case SDL_QUIT: closeAsked_ = true; break;
    case SDL_MOUSEMOTION:
      pointerInside_ = true;
      pointerX_ = static_cast<float>(ev.motion.x);
      pointerY_ = static_cast<float>(ev.motion.y);
      HandleMouse(ev);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: HandleMouse(ev); break;
    case SDL_WINDOWEVENT:
      if (ev.window.event == SDL_WINDOWEVENT_LEAVE) pointerInside_ = false;
      if (ev.window.event == SDL_WINDOWEVENT_FOCUS_GAINED && !focused_) {
        focused_ = true;
        game_->OnActivate();
      } else if (ev.window.event == SDL_WINDOWEVENT_FOCUS_LOST && focused_) {
        focused_ = false;
        game_->OnDeactivate();
      }
      break;
    case SDL_KEYDOWN:
      // Keys belong to the menus while one is open, and to ImGui while it wants them; the
      // editor's step keys and T act even from the panel's edits.
      if (!menu_.AnyOpen) {
        const int key = VirtualKey(ev.key.keysym);
        const bool fromEdit = panelTyping_ && keys::PassesFromEdits(key);
        if (key && (fromEdit || !ImGui::GetIO().WantCaptureKeyboard)) {
          if (fromEdit) dropEditFocus_ = true;
          game_->KeyDown(key, VirtualShift(ev.key.keysym), ev.key.repeat != 0);
        }
      }
      break;
    default: break;
  }
}

void App::HandleMouse(const SDL_Event& ev) {
  if (menu_.AnyOpen || ImGui::GetIO().WantCaptureMouse) return;
  MouseEvent m;
  int x = 0, y = 0;
  if (ev.type == SDL_MOUSEMOTION) {
    m.What = MouseEvent::Move;
    x = ev.motion.x, y = ev.motion.y;
  } else {
    m.What = ev.type == SDL_MOUSEBUTTONDOWN ? MouseEvent::Down : MouseEvent::Up;
    x = ev.button.x, y = ev.button.y;
    m.Button = ev.button.button == SDL_BUTTON_RIGHT    ? MouseButton::Right
               : ev.button.button == SDL_BUTTON_MIDDLE ? MouseButton::Middle
                                                       : MouseButton::Left;
  }
  if (!window_.ToSurface(x, y, m.X, m.Y)) return;
  // A double click on the picture switches full screen (the game refuses it in the editor).
  if (ev.type == SDL_MOUSEBUTTONDOWN && ev.button.clicks == 2 &&
      ev.button.button == SDL_BUTTON_LEFT && game_->Flow().ScreenMode != smEditor) {
    game_->SwitchFullScreen();
    return;
  }
  game_->Mouse(m);
}

// Frames and clock ticks run outside the ImGui frame: a dialog the game opens (the name entry
// after a game over) runs frames of its own.
void App::GameWork() {
  const long now = NowMs();
  // An open menu holds the input, so the game waits; a window in the background waits too.
  if (focused_ && !menu_.AnyOpen && clock_.FrameDue(now, game_->Config().Speed)) {
    game_->Frame();
    ++frames_;
  }
  if (clock_.ClockDue(now, focused_ && game_->ClockEnabled())) game_->ClockTick();
}

void App::DrawFrame() {
  ImGui_ImplSDLRenderer_NewFrame();
  ImGui_ImplSDL2_NewFrame();
  // Some video drivers (the headless one among them) never give a window the mouse focus, and
  // the backend then sees no pointer at all; the last motion event still knows where it is.
  if (!ImGui::IsMousePosValid() && pointerInside_ && SDL_GetMouseFocus() == nullptr)
    ImGui::GetIO().MousePos = ImVec2(pointerX_, pointerY_);
  ImGui::NewFrame();
  // A command key typed into an edit has reloaded the fields; the edit lets go of its old text.
  if (std::exchange(dropEditFocus_, false)) ImGui::SetWindowFocus(nullptr);
  const bool pausingWasOpen = menu_.PausingOpen;
  menu_ = DrawMainMenu(game_->Menu(), game_->Text());
  pending_ = menu_.Chosen;
  // Only the Options menu pauses the game; the others leave the clock and the loops running.
  if (menu_.PausingOpen && !pausingWasOpen) game_->PauseForMenu();
  Form* panel = game_->EditorPanel();
  panelRects_.clear();
  panelTyping_ = panel && DrawEditorPanel(*panel, window_, panelActions_, &panelRects_);
  popupRects_.clear();
  if (EditorMode* editor = game_->EditorPart(); editor && game_->Flow().ScreenMode == smEditor) {
    DrawEditorPopup(*editor, window_, game_->Text(), popupShown_, &popupRects_);
    if (!popupShown_) DrawCellUnderMouse(window_);
  }
  keys_.SetBlocked(ImGui::GetIO().WantCaptureKeyboard);
  ImGui::Render();
  SDL_SetRenderDrawColor(window_.Renderer(), 0, 0, 0, 255);
  SDL_RenderClear(window_.Renderer());
  window_.DrawSurface(canvas_);
  ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
  if (!options_.Screenshot.empty() && frames_ >= options_.Frames) {
    const bool ok = window_.Screenshot(options_.Screenshot);
    std::fprintf(stderr, "krattle: %s %s after %ld frames\n", ok ? "wrote" : "could not write",
                 options_.Screenshot.c_str(), frames_);
    status_ = ok ? 0 : 1;
  }
}

bool App::FinishMeasuring() {
  const double ms = 1000.0 * static_cast<double>(SDL_GetPerformanceCounter() - measureStart_) /
                    static_cast<double>(SDL_GetPerformanceFrequency());
  std::printf("frames %ld mean frame %.3f ms (%s renderer)\n", frames_,
              ms / static_cast<double>(frames_), window_.Software() ? "software" : "accelerated");
  return false;
}

}  // namespace krattle
