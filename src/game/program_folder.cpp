#include "game/program_folder.h"

#include <system_error>

namespace krattle {

namespace {

bool HoldsData(const std::filesystem::path& dir) {
  std::error_code ec;
  for (const char* sub : {"data", "languages", "Levels"})
    if (std::filesystem::is_directory(dir / sub, ec)) return true;
  return false;
}

}  // namespace

std::filesystem::path ChooseProgramFolder(const std::filesystem::path& exeDir,
                                          const std::filesystem::path& relative,
                                          const std::filesystem::path& installed) {
  if (HoldsData(exeDir)) return exeDir;
  if (!relative.empty()) {
    const auto moved = (exeDir / relative).lexically_normal();
    if (HoldsData(moved)) return moved;
  }
  if (!installed.empty() && HoldsData(installed)) return installed;
  return exeDir;
}

std::filesystem::path ProgramDataFolder(const std::filesystem::path& exeDir) {
  return ChooseProgramFolder(exeDir, KRATTLE_DATA_FROM_BIN, KRATTLE_INSTALLED_DATA);
}

}  // namespace krattle
