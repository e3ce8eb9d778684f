#pragma once
// The cave set that comes with the program keeps each player's saved position and high scores
// inside it. Where the program's folder is shared (an installed copy), each player plays a copy
// of it in their own data folder instead.

#include <filesystem>

#include "game/platform.h"
#include "game/texts.h"

namespace krattle {

// The set a start with nothing remembered opens, or empty when the program has none. When
// `writeDir` is not the program's folder, that is `writeDir`/Levels/Krattle.kcv, copied there
// first if it is missing (the player is told once, with its path); a copy that fails is
// reported and the shared set is played.
std::filesystem::path BundledSetToPlay(const std::filesystem::path& programDir,
                                       const std::filesystem::path& writeDir, Dialogs& ask,
                                       const Texts& texts);

}  // namespace krattle
