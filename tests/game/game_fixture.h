#pragma once
// A headless game on a cave set built in code: every cave at every level gets an entrance in
// its top-left corner and a closed exit in its bottom-right corner.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/cave_set.h"
#include "core/cave_set_file.h"
#include "game/headless_runner.h"
#include "game/keys.h"
#include "render/recording_canvas.h"
#include "support/game_probe.h"

namespace krattle::testing {

inline void MakePlayable(CaveSet& set, int cave, int level) {
  set.MapCell(cave, level, 1, 1) = Entrance;
  set.MapCell(cave, level, CaveWidthOf(cave) - 2, CaveHeightOf(cave) - 2) = ExitClosed;
}

inline void MakeUnplayable(CaveSet& set, int cave, int level) {
  set.MapCell(cave, level, 1, 1) = Dirt;
}

inline std::unique_ptr<CaveSet> PlayableSet() {
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  for (int c = 0; c < CaveCount; ++c)
    for (int l = 0; l < LevelCount; ++l) {
      MakePlayable(*set, c, l);
      set->A(SlotOf(c, l), FieldA::InBox) = 1;
    }
  return set;
}

// A folder of its own for each test that writes files; tests run as parallel processes.
inline std::filesystem::path TempDir(const std::string& name) {
  auto dir = std::filesystem::temp_directory_path() /
             ("krattle_game_" + name + "_" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

class GameTest : public ::testing::Test {
 protected:
  GameTest() : runner_(std::make_unique<HeadlessRunner>()) {}

  // Puts `set` in memory (optionally as if read from `file`) and leaves the title screen.
  void Use(const CaveSet& set, const std::filesystem::path& file = {}) {
    game().UseCaveSet(set, file);
  }
  void UsePlayable() { Use(*PlayableSet()); }

  Game& game() { return runner_->game(); }
  HeadlessRunner& runner() { return *runner_; }
  GameValues& values() { return GameProbe::Run(game()).Values; }
  FlowState& flow() { return GameProbe::Flow(game()); }
  int phase() { return values().GamePhase; }

  // Starts a new game at a cave as the Start command would.
  void StartAt(int cave, int level) {
    flow().CurrentCave = static_cast<std::uint8_t>(cave);
    flow().CurrentLevel = static_cast<std::uint8_t>(level);
    flow().TitlePicture = false;
    game().Start();
  }
  // Runs the cover and the reveal.
  void RunToPlay() {
    runner().FramesUntil([&] { return phase() == gpPlay; }, 400);
    ASSERT_EQ(phase(), gpPlay);
  }
  void RunUntilPhase(int p, long limit = 2000) {
    runner().FramesUntil([&] { return phase() == p; }, limit);
    ASSERT_EQ(phase(), p);
  }

  std::unique_ptr<HeadlessRunner> runner_;
};

}  // namespace krattle::testing
