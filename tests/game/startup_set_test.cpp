#include <fstream>

#include "game_fixture.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

// A program folder with its bundled set, and a set elsewhere as the player's own.
class StartupSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = TempDir(std::string("startup_") +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_ / "Levels");
    auto bundled = PlayableSet();
    bundled->SavedCave() = 4;
    bundled->SavedLives() = 2;
    ASSERT_TRUE(SaveCaveSet(dir_ / "Levels" / "Krattle.kcv", *bundled).Ok());
    mine_ = dir_ / "Mine.kcv";
    ASSERT_TRUE(SaveCaveSet(mine_, *PlayableSet()).Ok());
    options_.ProgramDir = dir_;
  }
  fs::path dir_;
  fs::path mine_;
  StartupOptions options_;
};

TEST_F(StartupSetTest, AFirstStartOpensTheBundledSetBesideTheProgram) {
  HeadlessRunner r(options_);
  Game& g = r.game();
  EXPECT_TRUE(g.Flow().CaveSetLoaded);
  EXPECT_EQ(g.SetFile(), dir_ / "Levels" / "Krattle.kcv");
  EXPECT_EQ(g.Flow().CurrentCave, 4);
  EXPECT_TRUE(g.Flow().TitlePicture);  // as for the set a later start remembers
  EXPECT_TRUE(g.Menu().StartEnabled);
  EXPECT_TRUE(r.Dialogs.Shown.empty());

  // A remembered set still wins.
  options_.LastCaveSet = mine_;
  HeadlessRunner again(options_);
  EXPECT_EQ(again.game().SetFile(), mine_);

  // A bundled file of the wrong size is no set: the bare title as before, without a word.
  fs::resize_file(dir_ / "Levels" / "Krattle.kcv", 1000);
  options_.LastCaveSet.clear();
  HeadlessRunner broken(options_);
  EXPECT_FALSE(broken.game().Flow().CaveSetLoaded);
  EXPECT_TRUE(broken.Dialogs.Shown.empty());
}

TEST_F(StartupSetTest, ASetNamedOnTheCommandLineThatIsNoSetIsReported) {
  const fs::path missing = dir_ / "Typo.kcv", small = dir_ / "Small.kcv";
  std::ofstream(small) << "not a set";
  options_.LastCaveSet = mine_;

  options_.Args = {missing.string()};
  HeadlessRunner r(options_);
  ASSERT_EQ(r.Dialogs.Shown.size(), 1u);
  EXPECT_NE(r.Dialogs.Shown[0].find("\"" + missing.native() + "\" does not exist"),
            std::string::npos)
      << r.Dialogs.Shown[0];
  // The remembered set comes up instead, behind its title picture.
  EXPECT_EQ(r.game().SetFile(), mine_);
  EXPECT_TRUE(r.game().Flow().TitlePicture);

  // Nothing remembered and nothing bundled: the bare title after the message.
  fs::remove(dir_ / "Levels" / "Krattle.kcv");
  options_.LastCaveSet.clear();
  options_.Args = {small.string()};
  HeadlessRunner s(options_);
  ASSERT_EQ(s.Dialogs.Shown.size(), 1u);
  EXPECT_NE(s.Dialogs.Shown[0].find("\"" + small.native() + "\" is not a cave set: 9 bytes"),
            std::string::npos)
      << s.Dialogs.Shown[0];
  EXPECT_FALSE(s.game().Flow().CaveSetLoaded);
}

}  // namespace
}  // namespace krattle::testing
