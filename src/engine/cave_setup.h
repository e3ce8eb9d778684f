#pragma once
// Filling a CaveRun from a slot of the cave set: the pieces of a cave start that the engine
// depends on. The game flow adds the cover, the reveal and the automatic save around them.

#include "core/cave_set.h"
#include "engine/engine.h"

namespace krattle {

// Sets CaveWidth, copies the stored cave into CaveCopy (row stride = CaveWidth) and records
// the last Entrance as Dravik's position. With drawVariants, each copied cell also gets a new
// random look from the shared generator, in reading order.
void CopyCaveFromSet(CaveRun& run, const CaveSet& set, int cave, int level, bool drawVariants);

// Cave parameters, the time (stored time + 1, but 255 stays 255) and the best score.
void LoadCaveParameters(CaveRun& run, const CaveSet& set, int cave, int level);

// The per-cave engine state a cave start resets.
void ResetEngineState(CaveRun& run);

// CaveGrid := CaveCopy, with the rows behind an intermission filled with steel.
void RevealWholeCave(CaveRun& run);

// The headless set-up used by krattle-cli sim and the tests: the above with no look draws,
// Lives 3, Score 0, a cleared MoveMap, VariantMap all 0, RandomSeed 10, GamePhase gpPlay.
void SetUpCaveForSim(CaveRun& run, const CaveSet& set, int cave, int level);

}  // namespace krattle
