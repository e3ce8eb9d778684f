#pragma once
// Krattle.ini: the player's choices between runs. Sections and keys are found whatever their
// case, values are trimmed, and paths written with backslashes (by older copies on other
// systems) are understood.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/file_bytes.h"
#include "game/game_state.h"

namespace krattle {

inline constexpr const char* ConfigFileName = "Krattle.ini";

// What the file holds. The three numbers are the stored ones cut to a byte (Speed signed,
// SoundOFF and Zoom unsigned), before start-up corrects them.
struct ConfigValues {
  std::filesystem::path Open;
  int Speed = 14;
  int SoundOff = 0;
  int Zoom = 1;
  ResourcePaths Paths;  // Language among them
  // The window's size in [Window]; 0 when not stored (the window then picks its own).
  int WindowWidth = 0;
  int WindowHeight = 0;
};

// Missing sections and keys keep the defaults; numbers that are not numbers too.
ConfigValues ParseConfig(std::string_view text);

// The file's text with the ten keys set in their order, then the window's size when known.
// Whatever else `existing` holds (other sections, other keys, comments) is kept.
std::string ConfigText(const ConfigValues& values, std::string_view existing = {});

// A missing file gives the defaults and succeeds; an unreadable one gives them and says why.
IoResult ReadConfigFile(const std::filesystem::path& file, ConfigValues& values);
// Creates the folder when needed; the old file stays whole if anything fails.
IoResult WriteConfigFile(const std::filesystem::path& file, const ConfigValues& values);

// Beside the program when its folder is writable, so a copy unpacked anywhere keeps its
// settings with it; otherwise the user's configuration folder ($XDG_CONFIG_HOME, by default
// ~/.config) under "krattle". `xdgConfigHome` and `home` are the environment's values or null.
std::filesystem::path ConfigLocation(const std::filesystem::path& programDir,
                                     bool programDirWritable, const char* xdgConfigHome,
                                     const char* home);
// The same rule for the folders the program writes into (Levels, Unpack, Data): beside the
// program, else under $XDG_DATA_HOME (default ~/.local/share) "krattle".
std::filesystem::path DataLocation(const std::filesystem::path& programDir, bool programDirWritable,
                                   const char* xdgDataHome, const char* home);

// Whether files can be created in `dir`: tried with a file of this process's own.
bool FolderWritable(const std::filesystem::path& dir);

// ConfigLocation and DataLocation for this process's program folder and environment.
std::filesystem::path DefaultConfigFile(const std::filesystem::path& programDir);
std::filesystem::path DefaultDataFolder(const std::filesystem::path& programDir);

}  // namespace krattle
