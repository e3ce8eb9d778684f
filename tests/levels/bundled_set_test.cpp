#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "core/cave_set_file.h"
#include "game/game.h"
#include "game/headless_demo.h"
#include "game/headless_sim.h"
#include "game/moves.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kLevels = fs::path(KRATTLE_TEST_DATA) / ".." / ".." / "levels";

std::unique_ptr<CaveSet> BundledSet() {
  auto set = std::make_unique<CaveSet>();
  const auto r = ReadCaveSet(fs::path(KRATTLE_BIN_DIR) / "Levels" / "Krattle.kcv", *set);
  EXPECT_TRUE(r.Ok()) << r.Message;
  return set;
}

// "A1 MOVES" per line; '#' starts a comment line.
std::map<std::string, std::string> Solutions() {
  std::map<std::string, std::string> out;
  std::ifstream in(kLevels / "solutions.txt");
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string slot, moves;
    words >> slot >> moves;
    out[slot] = moves;
  }
  return out;
}

std::string SlotName(int cave, int level) {
  return std::string(1, static_cast<char>('A' + cave)) + std::to_string(level + 1);
}

TEST(BundledSet, StartsCleanForANewPlayer) {
  auto set = BundledSet();
  EXPECT_EQ(set->BestScore(), 0u);
  EXPECT_EQ(set->SavedLives(), 0);
  for (int i = 1; i <= HighScoreEntries; ++i) EXPECT_EQ(set->HighScore(i).Score, 0u);
  EXPECT_EQ(set->FormatMarker(), FormatMarkerValue);
}

TEST(BundledSet, EverySlotIsPlayableAndItsSolutionReachesTheExit) {
  auto set = BundledSet();
  const auto solutions = Solutions();
  for (int cave = 0; cave < CaveCount; ++cave)
    for (int level = 0; level < LevelCount; ++level) {
      const std::string name = SlotName(cave, level);
      SCOPED_TRACE(name);
      ASSERT_TRUE(isCavePlayable(*set, cave, level));
      auto it = solutions.find(name);
      ASSERT_NE(it, solutions.end()) << "no solution kept";
      const MovesParse moves = ParseMoves(it->second);
      ASSERT_TRUE(moves.Error.empty()) << moves.Error;
      auto copy = std::make_unique<CaveSet>(*set);
      auto sim = std::make_unique<HeadlessSim>(*copy, cave, level);
      sim->Run(static_cast<int>(moves.Ticks.size()) + 4, moves.Ticks, 11);
      EXPECT_EQ(sim->Cave().Values.GamePhase, gpTimeBonus)
          << "time left " << int(sim->Cave().Values.TimeLeft) << ", diamonds "
          << sim->Cave().State.DiamondsCollected;
    }
}

TEST(BundledSet, EveryStoredDemoEndsWithDravikInTheExit) {
  for (int cave = 0; cave < CaveCount; ++cave) {
    SCOPED_TRACE(SlotName(cave, 0));
    auto runner = std::make_unique<HeadlessRunner>();
    Game& game = runner->game();
    ASSERT_TRUE(game.LoadCaveSet(fs::path(KRATTLE_BIN_DIR) / "Levels" / "Krattle.kcv"));
    game.DetachSetFile();
    ASSERT_TRUE(game.Set().DemoPresent(cave));
    const DemoOutcome out = PlayStoredDemo(*runner, cave);
    // Playback stops on the tick that reads the last byte, which is the step into the exit.
    const bool inExit = std::any_of(out.Cells.begin(), out.Cells.end(), [](Element e) {
      return e == DravikInExit || e == DravikInExitMoved;
    });
    EXPECT_TRUE(out.Why == DemoEnd::Exit || (out.Why == DemoEnd::Length && inExit))
        << "ended after " << out.Ticks << " ticks";
  }
}

}  // namespace
}  // namespace krattle::testing
