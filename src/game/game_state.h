#pragma once
// The program's state around the engine, grouped by who writes it.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/cave_set.h"
#include "engine/engine.h"

namespace krattle {

enum ScreenMode : std::uint8_t { smTitle = 0, smGame = 1, smEditor = 2 };

// Written by the frame step, the game flow and the key handler.
struct FlowState {
  krattle::ScreenMode ScreenMode = smTitle;
  std::uint8_t FrameStep = 0;  // 0..7
  std::uint8_t AnimPhase = 0;  // 0 or 1
  // Frozen phases hold the animation still with these.
  std::uint8_t SavedFrameStep = 0;
  std::uint8_t SavedAnimPhase = 0;
  std::uint8_t CurrentCave = 0;
  std::uint8_t CurrentLevel = 0;
  std::uint8_t PhaseCountdown = 0;
  std::uint8_t NextCaveDelay = 0;
  std::uint8_t AttractCountdown = 0;
  std::uint8_t AttractHold = 0;
  bool ShowHighScores = false;
  bool TitlePicture = true;
  bool CaveSetLoaded = false;
  bool EditorActive = false;
  bool DemoRecording = false;
  bool DemoPlaying = false;
  bool DemoChain = false;
  int DemoIndex = 0;
  std::int32_t PendingHighScore = 0;
};

// Why a demo ended: the player reached the exit or was lost, the time ran out, playback came to
// the stored length, the recording filled all its bytes, or a tool stopped it.
enum class DemoEnd : std::uint8_t { None, Exit, Lost, Time, Length, Full, Stopped };

// The cave as a demo left it, taken at the end of the tick (and its sounds) that ended it.
struct DemoOutcome {
  DemoEnd Why = DemoEnd::None;
  int Ticks = 0;
  std::int32_t Score = 0;
  int Diamonds = 0;
  std::uint32_t Seed = 0;
  std::array<std::uint8_t, 880> Cells{};
  // The whole cave at that moment, as krattle-cli demo reports it.
  CaveRun End;
};

// The recorder's and the player's counters; FlowState::DemoIndex is the byte in use.
struct DemoState {
  int Run = 0;           // ticks left in the run (playback), ticks counted in it (recording)
  int InputCode = 0;     // playback: the code being applied
  int RunCode = 0;       // recording: the code of the open run
  int Step = 0;          // engine-tick counter the amoeba and magic-wall stamps refer to
  int Ticks = 0;         // engine ticks run since the demo's cave started
  bool Started = false;  // the first tick of a recording has passed (it is never stored)
  bool NoStamp = false;  // playback: the magic wall runs out by the clock
  bool AmoebaSwitched = false;
  bool Finished = false;
  // Leaving a demo that ended inside a tick waits for the end of that frame, so the rest of
  // the tick still counts as demo (no bonus life, no best score, no keyboard).
  bool EndPending = false;
  bool RestoreAtEnd = false;
  bool Recorded = false;
  DemoOutcome Outcome;
};

// A cave's stored demo as it was before a recording began, so a recording given up half-way
// costs the player nothing.
struct DemoBackup {
  int Cave = 0;
  std::array<std::uint8_t, DemoMaxSteps> Steps{};
  std::uint8_t Present = 0;
  std::uint8_t Level = 0;
  std::uint16_t Length = 0;
  std::uint16_t AmoebaExpiry = 0;
  std::uint16_t MagicExpiry = 0;
};

// Chosen by the player; the configuration file keeps them between runs.
struct Settings {
  int Speed = 14;  // ms between frames
  bool Muted = false;
  bool MusicAvailable = true;
  std::uint16_t MusicTicks = 10;
};

// Which menu items the platform shows enabled or checked.
struct MenuState {
  bool StartEnabled = false;
  bool StopEnabled = false;
  bool DemoEnabled = false;
  bool ZoomChecked = false;
  bool MuteChecked = false;
  // The editor's file and Edit menus replace the Game menu.
  bool Editing = false;
  // The editor hides Zoom (it always draws with the big tiles) until a test starts, and Full
  // screen until it closes.
  bool ZoomShown = true;
  bool FullScreenShown = true;
  // The editor's parameter panel under its surface.
  bool PanelShown = false;
  // Full screen shows the picture alone: no menu bar until the player returns to the window.
  bool MenusHidden = false;
  bool UndoEnabled = false;
  bool RedoEnabled = false;
};

// Resource files, relative to the program's folder unless absolute.
struct ResourcePaths {
  std::filesystem::path Graph32 = "data/Krattle/32x32.kgf";
  std::filesystem::path Graph40 = "data/Krattle/40x40.kgf";
  std::filesystem::path Fonts = "data/Krattle/Fonts.kgf";
  std::filesystem::path Sounds = "data/Krattle/Sounds.kwv";
  std::filesystem::path Music = "data/Krattle/Krattle.mid";
  std::filesystem::path Language = "languages/English.ini";
};

// What start-up is given: the program's folder, the command line and the configuration values.
struct StartupOptions {
  std::filesystem::path ProgramDir = ".";
  std::vector<std::string> Args;
  std::filesystem::path LastCaveSet;  // the configuration's "Open"
  int Speed = 14;
  int SoundOff = 0;
  int Zoom = 1;
  ResourcePaths Paths;
  // Krattle.ini: read here at start-up (its values replace the four above) and written on
  // close. Empty: no configuration file, for tools and tests that must not touch one.
  std::filesystem::path ConfigFile;
  // Where saved sets (Levels), unpacked files (Unpack) and packed sets (data) go: beside the
  // program when that is writable, else the user's data folder. Empty: the program's folder.
  std::filesystem::path WriteDir;
};

}  // namespace krattle
