#pragma once
// Where the program's own data (data/, languages/, Levels/) is read from. A copy beside the
// executable wins, so a build tree or an unpacked portable copy runs as it is; an installed
// copy keeps its data under share/krattle.

#include <filesystem>

namespace krattle {

// `exeDir` itself when it holds any of the data folders; else `relative` taken from exeDir
// (the installed tree, wherever its prefix was moved), else `installed`, when either exists;
// else `exeDir`, so whatever is missing is reported under the plain, expected name.
std::filesystem::path ChooseProgramFolder(const std::filesystem::path& exeDir,
                                          const std::filesystem::path& relative,
                                          const std::filesystem::path& installed);

// ChooseProgramFolder with the install locations this build was configured for.
std::filesystem::path ProgramDataFolder(const std::filesystem::path& exeDir);

}  // namespace krattle
