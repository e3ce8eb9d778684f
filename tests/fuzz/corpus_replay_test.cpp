// Replays the checked-in fuzz inputs through the same entry points the fuzzers use, so every
// build (and every sanitizer build) runs them, clang or not.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "fuzz_targets.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = KRATTLE_FUZZ_CORPUS;

std::vector<std::string> TargetNames() {
  std::vector<std::string> names;
  for (const auto& t : fuzz::Targets()) names.push_back(t.Name);
  return names;
}

class CorpusReplay : public ::testing::TestWithParam<std::string> {};

TEST_P(CorpusReplay, EveryInputRunsCleanly) {
  const fuzz::Target* target = fuzz::FindTarget(GetParam().c_str());
  ASSERT_NE(target, nullptr);
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(kCorpus / GetParam()))
    if (e.is_regular_file()) files.push_back(e.path());
  std::sort(files.begin(), files.end());
  ASSERT_FALSE(files.empty()) << "no seed inputs for " << GetParam();
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.native());
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    target->Run(bytes);
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay, ::testing::ValuesIn(TargetNames()),
                         [](const auto& info) { return info.param; });

TEST(CorpusLayout, EachFolderBelongsToATarget) {
  const auto names = TargetNames();
  const std::set<std::string> known(names.begin(), names.end());
  for (const auto& e : fs::directory_iterator(kCorpus))
    EXPECT_TRUE(known.count(e.path().filename().native())) << e.path();
}

}  // namespace
}  // namespace krattle::testing
