// Where the program reads its data: beside itself, else the installed tree.

#include "game/program_folder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "game_fixture.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFolderTest, ACopyBesideTheProgramWinsThenTheMovedTreeThenTheConfiguredOne) {
  const fs::path root = TempDir("program_folder");
  const fs::path bin = root / "prefix" / "bin", share = root / "prefix" / "share" / "krattle";
  const fs::path configured = root / "usr" / "share" / "krattle";
  fs::create_directories(bin);
  const fs::path relative = "../share/krattle";

  // Nothing anywhere: the program's own folder, so what is missing is named there.
  EXPECT_EQ(ChooseProgramFolder(bin, relative, configured), bin);
  fs::create_directories(configured / "Levels");
  EXPECT_EQ(ChooseProgramFolder(bin, relative, configured), configured);
  fs::create_directories(share / "data");
  EXPECT_EQ(ChooseProgramFolder(bin, relative, configured), share);
  EXPECT_EQ(ChooseProgramFolder(bin / "", relative, configured), share);  // as SDL gives it
  // Any one of the data folders marks a portable copy.
  for (const char* sub : {"languages", "Levels", "data"}) {
    fs::create_directories(bin / sub);
    EXPECT_EQ(ChooseProgramFolder(bin, relative, configured), bin) << sub;
    fs::remove(bin / sub);
  }
  // A file of that name is not a data folder.
  std::ofstream(bin / "data") << "";
  EXPECT_EQ(ChooseProgramFolder(bin, relative, configured), share);
  fs::remove_all(root);
}

}  // namespace
}  // namespace krattle::testing
