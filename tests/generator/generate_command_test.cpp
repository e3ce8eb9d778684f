#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "core/cave_set_file.h"
#include "generator/cave_generator.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

int Cli(const std::string& args) {
  const std::string cmd = std::string(KRATTLE_BIN_DIR) + "/krattle-cli " + args + " 2>/dev/null";
  return std::system(cmd.c_str());
}

TEST(GenerateCommand, RegeneratesTheSlotFromItsStoredSettingsInPlace) {
  const fs::path file =
      fs::temp_directory_path() / ("krattle-generate-test-" + std::to_string(::getpid()) + ".kcv");
  auto set = std::make_unique<CaveSet>(NewCaveSet());
  GeneratorSettings g;
  g.Seed = 150;
  g.Item = {26, 11, 6, 9};
  g.StoreInto(*set, SlotOf(18, 4));
  set->SetDemoPresent(18, true);
  ASSERT_TRUE(SaveCaveSet(file, *set).Ok());

  ASSERT_EQ(Cli("generate " + file.string() + " --cave 18 --level 4"), 0);
  auto read = std::make_unique<CaveSet>();
  ASSERT_TRUE(ReadCaveSet(file, *read).Ok());
  GenerateCave(*set, 18, 4);
  EXPECT_EQ(read->Bytes, set->Bytes);
  EXPECT_FALSE(read->DemoPresent(18));

  EXPECT_NE(Cli("generate " + file.string() + " --cave 20 --level 0"), 0);
  EXPECT_NE(Cli("generate " + file.string() + " --level 0"), 0);
  fs::remove(file);
}

}  // namespace
}  // namespace krattle::testing
