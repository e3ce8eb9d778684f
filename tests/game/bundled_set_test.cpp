// The set that comes with the program, when the program's folder is shared: each player plays
// a copy in their own data folder, made once, and the shared file is never written.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game/config_file.h"
#include "game_fixture.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class BundledSetTest : public ::testing::Test {
 protected:
  BundledSetTest() : root_(TempDir("bundled")), program_(root_ / "share"), user_(root_ / "user") {
    fs::create_directories(program_ / "Levels");
    EXPECT_TRUE(SaveCaveSet(Shared(), *PlayableSet()).Ok());
    shared_ = Bytes(Shared());
    // Root may write anyway; the game must not rely on the folder's mode to keep away.
    fs::permissions(program_ / "Levels", fs::perms::owner_write | fs::perms::group_write,
                    fs::perm_options::remove);
  }
  ~BundledSetTest() override {
    fs::permissions(program_ / "Levels", fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(root_);
  }

  fs::path Shared() const { return program_ / "Levels" / "Krattle.kcv"; }
  fs::path Copy() const { return user_ / "Levels" / "Krattle.kcv"; }

  // Starts as an installed program does: data read from `program_`, files written to `write`.
  HeadlessRunner& Start(const fs::path& write, const fs::path& config = {}) {
    StartupOptions options;
    options.ProgramDir = program_;
    options.WriteDir = write;
    options.ConfigFile = config;
    runner_ = std::make_unique<HeadlessRunner>(options);
    EXPECT_TRUE(runner_->Started());
    return *runner_;
  }

  fs::path root_, program_, user_;
  std::string shared_;
  std::unique_ptr<HeadlessRunner> runner_;
};

TEST_F(BundledSetTest, AFirstStartCopiesTheSetOnceSaysWhereAndRemembersTheCopy) {
  const fs::path ini = user_ / "Krattle.ini";
  HeadlessRunner& first = Start(user_, ini);
  EXPECT_EQ(first.game().SetFile(), Copy());
  ASSERT_EQ(first.Dialogs.Shown.size(), 1u);
  EXPECT_NE(first.Dialogs.Shown[0].find(Copy().string()), std::string::npos);
  EXPECT_EQ(Bytes(Copy()), shared_);
  // Playing and closing write only into the copy and the settings.
  first.game().Start();
  first.Frames(50);
  ASSERT_TRUE(first.game().CloseRequest());
  EXPECT_EQ(ParseConfig(Bytes(ini)).Open, Copy());

  // Nothing remembered (no settings file) but the copy is there: it is played, without a word.
  std::ofstream(Copy(), std::ios::app) << "x";  // a change of the player's own
  const std::string own = Bytes(Copy());
  HeadlessRunner& second = Start(user_);
  EXPECT_EQ(second.game().SetFile(), Copy());
  EXPECT_TRUE(second.Dialogs.Shown.empty());
  EXPECT_EQ(Bytes(Copy()), own);
  EXPECT_EQ(Bytes(Shared()), shared_);
}

TEST_F(BundledSetTest, AWritableProgramFolderOrARememberedSetMakesNoCopy) {
  // A portable copy writes beside itself and plays its own set.
  for (const fs::path& write : {fs::path(), program_}) {
    HeadlessRunner& r = Start(write);
    EXPECT_EQ(r.game().SetFile(), Shared());
    EXPECT_TRUE(r.Dialogs.Shown.empty());
  }
  const fs::path mine = root_ / "Mine.kcv";
  ASSERT_TRUE(SaveCaveSet(mine, *PlayableSet()).Ok());
  const fs::path ini = root_ / "Krattle.ini";
  std::ofstream(ini) << "[Config]\nOpen=" << mine.string() << "\n";
  HeadlessRunner& r = Start(user_, ini);
  EXPECT_EQ(r.game().SetFile(), mine);
  EXPECT_FALSE(fs::exists(Copy()));
}

TEST_F(BundledSetTest, ACopyThatFailsIsReportedAndTheSharedSetIsPlayed) {
  fs::create_directories(user_);
  std::ofstream(user_ / "Levels") << "a file where the folder should be";
  HeadlessRunner& r = Start(user_);
  EXPECT_EQ(r.game().SetFile(), Shared());
  ASSERT_EQ(r.Dialogs.Shown.size(), 1u);
  EXPECT_NE(r.Dialogs.Shown[0].find("Cannot copy"), std::string::npos);
  EXPECT_EQ(Bytes(Shared()), shared_);
}

TEST_F(BundledSetTest, NoBundledSetMeansNoSetAndNoCopy) {
  fs::permissions(program_ / "Levels", fs::perms::owner_all, fs::perm_options::add);
  fs::remove(Shared());
  HeadlessRunner& r = Start(user_);
  EXPECT_TRUE(r.game().SetFile().empty());
  EXPECT_TRUE(r.Dialogs.Shown.empty());
  EXPECT_FALSE(fs::exists(Copy()));
}

}  // namespace
}  // namespace krattle::testing
