#pragma once
// The one object that owns the running program's state: the cave set, the cave being played,
// the flow around it and the view. It is driven only by explicit calls (start-up, frames, clock
// ticks, key-downs, menu commands) and reaches the outside only through PlatformServices.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/cave_set.h"
#include "engine/engine.h"
#include "game/editor_mode.h"
#include "game/game_state.h"
#include "game/menu_bar.h"
#include "game/platform.h"
#include "game/texts.h"
#include "render/playfield_renderer.h"
#include "render/title_screen.h"
#include "render/view_state.h"

namespace krattle {

namespace testing {
struct GameProbe;
}
class Editor;

class Game : public EngineHost {
 public:
  explicit Game(PlatformServices services);

  // Start-up. False when the program cannot go on (the reason has been shown).
  bool Creation(const StartupOptions& options);

  // One frame of the frame timer, and one tick of the 1250 ms game clock.
  void Frame();
  void ClockTick();
  bool ClockEnabled() const { return clockEnabled_; }

  // A key-down event; shift holds keys::ShiftBit and keys::AltBit. `repeat` marks the events a
  // held key sends: only the title screen's cave choice follows them.
  void KeyDown(int key, int shift = 0, bool repeat = false);

  // Application events and menu commands. The menu items they serve: Options opened
  // (GamePauseWhenMenu), Game > Load Game (LoadGameClick), Options > Zoom, Mute and Full screen,
  // Info > About.
  void OnActivate();
  void OnDeactivate();
  void PauseForMenu();
  void Start();
  void Stop();
  void ESC();
  void ChooseCaveSet();
  void ToggleZoom();
  void ToggleMute();
  void SwitchFullScreen();
  void ShowAbout();
  // Options > Speed and key S.
  void ShowSpeed();
  // Options > Settings: the set files and the language, unpacking and packing sets.
  void ShowSettings();
  // A menu item chosen (the Exit item leaves the editor while it is open).
  void Command(MenuCommand command);
  // Menu Caves Editor and key E.
  void OpenEditor();
  // The window's close box. False when the program should go on (the editor's question said so).
  bool CloseRequest();
  // Writes Krattle.ini (when the program has one). A failure is shown and the program goes on.
  bool WriteSettings();
  const std::filesystem::path& ConfigFile() const { return configFile_; }
  // Mouse events on the drawing surface, in surface pixels; the editor screen takes them.
  void Mouse(const MouseEvent& event);

  // The editor, handed over by the layer that builds it; the Game owns it from then on.
  void AttachEditor(std::unique_ptr<EditorMode> editor) { editor_ = std::move(editor); }
  EditorMode* EditorPart() { return editor_.get(); }
  // The editor's panel while it is shown, else nothing.
  Form* EditorPanel() { return editor_ && menu_.PanelShown ? &editor_->Panel() : nullptr; }

  // Takes every window text from the language file at `path` (built-in English for what it
  // lacks, or for all when there is no such file) and shows them at once.
  void LoadLanguage(const std::filesystem::path& path);
  const std::filesystem::path& LanguagePath() const { return languagePath_; }
  // The texts as start-up left them: the dialogs' element lists keep these for the whole run.
  const Texts& StartTexts() const { return startTexts_; }

  // Reads a set file as Load Game does after its dialog. False (and the old set kept) when the
  // file is not a cave set or cannot be read.
  bool LoadCaveSet(const std::filesystem::path& path);
  // Takes a set from memory as if it had been read from `path` (empty: a set without a file).
  void UseCaveSet(const CaveSet& set, const std::filesystem::path& path = {});
  // Keeps the set and its name but never writes it back (for tools that only look).
  void DetachSetFile() { setFile_.clear(); }

  // Game flow pieces, public for the runner, the demo and editor code to come, and the tests.
  void StartCave();
  void RestoreSavedPosition();
  void RestartAttract();
  void StopLoopedSounds();
  void StopMusic();
  // Opens the configured music and measures it: its length sets the title screen's wait.
  void SetUpMusic();
  void LoadHighScores();
  void LoadGraphicsSets();

  // EngineHost.
  void PollInput(InputFlags& input) override;
  void PlaySound(int wave) override;
  void PlayLooped(int wave) override;
  void StopSound(int wave) override;
  bool DemoRecording() const override { return flow_.DemoRecording; }
  bool DemoPlaying() const override { return flow_.DemoPlaying; }
  void PlaybackTick() override;
  void RecordTick() override;
  void FinishRecording() override;
  void FinishPlayback() override;

  // Demos: the Game menu's Record demo (also Shift+D) and Play demo, and the next demo of the
  // set from the current cave on (key D, the attract loop, a chain).
  void RecordDemo();
  void PlayDemos();
  void PlayNextDemo();
  // Ends a recording or playback as if its cave had ended (for tools that stop early).
  void StopDemo(DemoEnd why);
  const DemoState& Demo() const { return demo_; }

  // Tools that start a cave directly: the cave and level to play, shown on the title screen
  // (no picture, no chain of demos); the frame timer's interval; a score from nothing.
  void ChooseCave(int cave, int level);
  void SetSpeed(int ms) { settings_.Speed = ms; }
  void ClearScore() { run_.Values.Score = 0; }

  // State, each with its one owner here; it changes only through the commands above.
  const CaveSet& Set() const { return *set_; }
  const CaveRun& Run() const { return run_; }
  const FlowState& Flow() const { return flow_; }
  const ViewState& View() const { return view_; }
  const Settings& Config() const { return settings_; }
  const MenuState& Menu() const { return menu_; }
  const HighScoreTable& HighScores() const { return highScores_; }
  const std::string& SetName() const { return setName_; }
  const std::filesystem::path& SetFile() const { return setFile_; }
  const ResourcePaths& Paths() const { return paths_; }
  const Texts& Text() const { return texts_; }
  const std::string& Caption() const { return caption_; }
  bool QuitRequested() const { return quit_; }

 private:
  // Frame work by screen and phase.
  void TitleFrame();
  void GameFrame();
  void PhaseWork();
  void PlayFrame();
  void CoverFrame();
  void UncoverFrame();
  void TimeBonusFrame();
  void NextCaveFrame();
  void FrozenFrame();
  void EndingFrame();
  void CoverCells(int perRow);
  void FlipAnimOnFirstStep();
  void FreezeAnimation();
  void RestoreAnimation();
  void PlayTickSounds();
  void RenderGame();

  // Flow helpers.
  void NextPlayableCave();
  void GameOver();
  void SaveSetIgnoringErrors();
  void AfterSetRead(const std::filesystem::path& path);
  // Outside the editor a set just read opens at the position it keeps.
  void ShowSetPosition();
  bool ReadChosenSet(const std::filesystem::path& path);
  void SetCaption(std::string caption);
  bool AnyDemo() const;
  void Click() { PlaySound(waves::Click); }
  enum class AssetKind { Tiles, Fonts, Sounds };
  // A path from the settings: relative ones are taken from the program's folder.
  std::filesystem::path FromProgram(const std::filesystem::path& p) const {
    return p.is_absolute() ? p : programDir_ / p;
  }
  // The configured tile set of that size, else the one that comes with the game.
  bool LoadTileSet(bool big);
  bool LoadWithFallback(std::filesystem::path& configured, const char* fallback, TextId what,
                        AssetKind kind);
  void Fatal(const std::string& text);
  void ReadSettings(StartupOptions& options);

  // The settings dialog's buttons.
  void SettingsClick(Form& form, const std::string& button);
  void ChooseTileSet(Form& form, bool big);
  void ChooseFontsOrSounds(Form& form, bool sounds);
  void ChooseMusic(Form& form);
  void ChooseLanguage(Form& form);
  void UnpackChosenSet();
  void PackChosenFolder();
  void ReloadAfterPacking(bool waves);
  void RefuseSet(const std::filesystem::path& file, const std::string& why);

  // The end of a cave tested from the editor.
  void ReturnToEditor();

  // Demo endings: the engine's hooks name no reason, so it is told from where they come.
  DemoEnd HookEndReason() const;
  void EndRecording(DemoEnd why);
  void EndPlayback(DemoEnd why);
  void LeaveDemo(bool restore, bool recorded);
  void CompleteDemoEnd();
  void DemoClockTick();
  // A recording overwrites the cave's demo as it goes; the old one is kept until it finishes.
  void BackUpDemo(int cave);
  void RestoreAbandonedDemo();

  // High scores: the name dialog after a qualifying game over.
  void EnterHighScoreName();

  // Keys.
  void TitleKeys(int key);
  void PlayKeys(int key, int shift);
  bool Playable(int cave, int level) const { return isCavePlayable(*set_, cave, level); }

  PlatformServices io_;
  std::unique_ptr<CaveSet> set_;
  CaveRun run_;
  Engine engine_;
  FlowState flow_;
  ViewState view_;
  Settings settings_;
  MenuState menu_;
  HighScoreTable highScores_;
  Texts texts_;
  Texts startTexts_;
  std::filesystem::path languagePath_;
  DemoState demo_;
  std::optional<DemoBackup> demoBackup_;  // set while a recording is unfinished
  bool inTick_ = false;                   // an engine tick is running
  ResourcePaths paths_;
  std::filesystem::path programDir_ = ".";
  std::filesystem::path writeDir_ = ".";  // StartupOptions::WriteDir
  // A folder under writeDir_ that the program writes into, made when missing so that the file
  // dialogs can start in it.
  std::filesystem::path WriteFolder(const char* name) const;
  std::filesystem::path configFile_;
  std::filesystem::path setFile_;
  std::string setName_;
  bool clockEnabled_ = false;
  bool saveFailureShown_ = false;  // once per set until a save succeeds
  bool quit_ = false;
  bool fullScreen_ = false;
  std::string caption_ = "Krattle";
  std::unique_ptr<EditorMode> editor_;

  friend struct testing::GameProbe;
  // The editor switches screens and edits the set: it changes this state as the game flow does.
  friend class Editor;  // tests set up states that play would take long to reach
};

class Texts;
// The About box as a form, with its texts from `texts` and the settings file in use (empty:
// none).
Form AboutForm(const Texts& texts, const std::filesystem::path& configFile = {});
inline constexpr const char* Homepage = KRATTLE_HOMEPAGE;
// The speed dialog's fields, its bar at `speed`; the Game adds what a move and S do.
Form SpeedForm(const Texts& texts, int speed);
// The settings dialog's fields with the names of the files in `paths`; the Game adds what its
// buttons do. Its texts come from `texts` when it shows, and again through SetSettingsTexts.
Form SettingsForm(const Texts& texts, const ResourcePaths& paths);
void SetSettingsTexts(Form& form, const Texts& texts);

// The play order: A B C D Q E F G H R I J K L S M N O P T. With levelStep, T wraps to A one
// level up (5 wraps to 1).
void NextCaveInOrder(std::uint8_t& cave, std::uint8_t& level, bool levelStep);

}  // namespace krattle
