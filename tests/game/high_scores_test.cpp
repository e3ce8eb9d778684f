#include "game/high_scores.h"

#include "core/cave_set_file.h"
#include "game_fixture.h"

namespace krattle::testing {
namespace {

HighScoreTable Table(std::initializer_list<std::uint32_t> scores) {
  HighScoreTable t;
  int k = 0;
  for (std::uint32_t s : scores) {
    t[k].Score = s;
    t[k].Name = 'P' + std::to_string(k);
    ++k;
  }
  return t;
}

std::vector<std::string> Names(const HighScoreTable& t) {
  std::vector<std::string> out;
  for (const auto& e : t) out.push_back(e.Name);
  return out;
}

TEST(HighScoresTest, ANewScoreIsSortedInBelowEqualOnes) {
  HighScoreTable t = Table({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
  InsertHighScore(t, 500, "NEW");
  EXPECT_EQ(Names(t), (std::vector<std::string>{"P0", "P1", "P2", "P3", "P4", "NEW", "P5", "P6",
                                                "P7", "P8"}));
  EXPECT_EQ(t[5].Score, 500u);
  InsertHighScore(t, 900, "TOP");
  EXPECT_EQ(t[0].Name, "P0");
  EXPECT_EQ(t[1].Name, "TOP");
}

TEST(HighScoresTest, OnlyAScoreAboveTheTenthEarnsAPlace) {
  HighScoreTable t = Table({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
  EXPECT_FALSE(QualifiesForHighScores(t, 50));
  EXPECT_TRUE(QualifiesForHighScores(t, 51));
  const HighScoreTable before = t;
  InsertHighScore(t, 50, "SAME");
  EXPECT_EQ(Names(t), Names(before));
}

TEST(HighScoresTest, NamesKeepTwentyCharactersAndATableFromAFileIsPutInOrder) {
  HighScoreTable t = Table({10, 300, 20, 0, 0, 0, 0, 0, 0, 0});
  InsertHighScore(t, 200, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(t[0].Score, 300u);
  EXPECT_EQ(t[1].Name, "ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(t[2].Score, 20u);
  EXPECT_EQ(t[3].Score, 10u);
}

class GameOverScoreTest : public GameTest {
 protected:
  std::filesystem::path file_;
  void SetUpGame(std::uint32_t tenth) {
    file_ = TempDir(std::string("high_scores_") +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name()) /
            "Scores.kcv";
    auto set = PlayableSet();
    for (int k = 1; k <= 10; ++k)
      set->SetHighScore(k, {static_cast<std::uint32_t>(tenth + (10 - k) * 100), "OLD"});
    ASSERT_TRUE(SaveCaveSet(file_, *set).Ok());
    ASSERT_TRUE(game().LoadCaveSet(file_));
  }
  void LoseLastLifeWith(std::int32_t score) {
    StartAt(0, 0);
    RunToPlay();
    values().Lives = 1;
    values().Score = score;
    game().KeyDown(keys::Escape);
    ASSERT_EQ(phase(), gpGameOver);
  }
  int Dialogs() const {
    int n = 0;
    for (const auto& s : runner_->Dialogs.Shown) n += s == "High Score: (input)";
    return n;
  }
  CaveSet OnDisk() {
    CaveSet s;
    EXPECT_TRUE(ReadCaveSet(file_, s).Ok());
    return s;
  }
};

TEST_F(GameOverScoreTest, AQualifyingGameAsksForANameAndWritesTheTable) {
  SetUpGame(100);
  runner().Dialogs.Typed.push_back("DIGGER");
  LoseLastLifeWith(550);
  EXPECT_EQ(Dialogs(), 1);
  // The player is told the score and what to type.
  EXPECT_NE(runner().Dialogs.LastPrompt.find("550"), std::string::npos);
  EXPECT_NE(runner().Dialogs.LastPrompt.find("20 characters"), std::string::npos);
  EXPECT_EQ(game().HighScores()[5].Name, "DIGGER");
  EXPECT_EQ(game().HighScores()[5].Score, 550u);
  EXPECT_EQ(game().HighScores()[9].Score, 200u);
  EXPECT_EQ(flow().PendingHighScore, 0);
  const CaveSet disk = OnDisk();
  EXPECT_EQ(disk.HighScore(6).Name, "DIGGER");
  EXPECT_EQ(disk.HighScore(6).Score, 550u);
  EXPECT_EQ(disk.HighScore(7).Score, 500u);
  EXPECT_EQ(disk.SavedLives(), 0);
}

TEST_F(GameOverScoreTest, ClosingTheDialogStoresNothingAndTheScoreWaits) {
  SetUpGame(100);
  LoseLastLifeWith(5000);
  EXPECT_EQ(Dialogs(), 1);
  EXPECT_EQ(game().HighScores()[0].Score, 1000u);
  EXPECT_EQ(flow().PendingHighScore, 5000);
  EXPECT_EQ(OnDisk().HighScore(1).Score, 1000u);
}

TEST_F(GameOverScoreTest, AScoreEqualToTheTenthAsksNothing) {
  SetUpGame(100);
  LoseLastLifeWith(100);
  EXPECT_EQ(Dialogs(), 0);
}

TEST_F(GameOverScoreTest, AnEmptyNameIsKeptAsAnEmptyRow) {
  SetUpGame(0);
  runner().Dialogs.Typed.push_back("");
  LoseLastLifeWith(10);
  const CaveSet disk = OnDisk();
  EXPECT_EQ(disk.HighScore(10).Score, 10u);
  EXPECT_EQ(disk.HighScore(10).Name, "");
  EXPECT_EQ(disk.At(23, 90, 11), 0);
}

}  // namespace
}  // namespace krattle::testing
