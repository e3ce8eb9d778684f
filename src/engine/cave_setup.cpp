#include "engine/cave_setup.h"

#include <algorithm>

namespace krattle {

void CopyCaveFromSet(CaveRun& run, const CaveSet& set, int cave, int level, bool drawVariants) {
  CaveGrid& g = run.Grid;
  g.CaveWidth = CaveWidthOf(cave);
  const int rows = CaveHeightOf(cave);
  int entrance = -1;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < g.CaveWidth; ++x) {
      const int i = y * g.CaveWidth + x;
      if (drawVariants) g.VariantMap[i] = static_cast<std::uint8_t>(run.Rng.RandomBelow(4));
      g.CaveCopy[i] = set.MapCell(cave, level, x, y);
      if (g.CaveCopy[i] == Entrance) entrance = i;
    }
  }
  run.State.DravikColumn = entrance < 0 ? 0 : static_cast<std::uint8_t>(entrance % g.CaveWidth);
  run.State.DravikRow = entrance < 0 ? 0 : static_cast<std::uint8_t>(entrance / g.CaveWidth);
}

void LoadCaveParameters(CaveRun& run, const CaveSet& set, int cave, int level) {
  run.Params = LoadCaveParams(set, cave, level);
  const std::uint8_t stored = run.Params.CaveTime;
  run.Values.TimeLeft = stored == 255 ? 255 : static_cast<std::uint8_t>(stored + 1);
  run.Values.ClockTicked = false;
  run.Values.HighScore = static_cast<std::int32_t>(set.BestScore());
  run.State.InBoxCounter = run.Params.InBox;
}

void ResetEngineState(CaveRun& run) {
  EngineState& s = run.State;
  s.AmoebaCountLast = 0;
  s.AmoebaEnclosed = false;
  s.AmoebaSoundOn = false;
  s.AmoebaStarted = false;
  s.AmoebaCanGrow = false;
  s.AmoebaCount = 0;
  s.MagicWallState = 0;
  s.MagicWallSoundOn = false;
  s.DummyTriggered = false;
  s.PushedRight = false;
  s.DiamondsCollected = 0;
  s.PlayerBorn = false;
  s.PlayerInPlay = true;
  s.ExitFlash = false;
  s.DravikSprite = 0;
  s.AmoebaGrowth = run.Params.AmoebaSlow;
  s.AmoebaTimeLeft = run.Params.AmoebaTime;
  s.MagicTimeLeft = run.Params.MagicTime;
}

void RevealWholeCave(CaveRun& run) {
  CaveGrid& g = run.Grid;
  if (g.CaveWidth == 20) {
    std::copy_n(g.CaveCopy.begin(), 240, g.Cells.begin());
    std::fill(g.Cells.begin() + 240, g.Cells.begin() + 440, SteelWall);
  } else {
    g.Cells = g.CaveCopy;
  }
}

void SetUpCaveForSim(CaveRun& run, const CaveSet& set, int cave, int level) {
  run = CaveRun{};
  CopyCaveFromSet(run, set, cave, level, false);
  LoadCaveParameters(run, set, cave, level);
  ResetEngineState(run);
  run.Values.Lives = 3;
  run.Values.Score = 0;
  run.Values.NextBonusScore = 500;
  run.Values.GamePhase = gpPlay;
  RevealWholeCave(run);
  run.Grid.MoveMap.fill(0);
  run.Grid.VariantMap.fill(0);
  run.Rng.RandomSeed = 10;
}

}  // namespace krattle
