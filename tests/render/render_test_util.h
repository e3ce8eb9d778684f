#pragma once
// Shared helpers of the render tests: a scratch folder and the paths of the generated sets.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace krattle::testing {

inline std::filesystem::path GeneratedSet(const std::string& name) {
  return std::filesystem::path(KRATTLE_BIN_DIR) / "data" / "Krattle" / name;
}

// A fresh folder per test, removed afterwards.
class ScratchDir {
 public:
  ScratchDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() /
            ("krattle-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
             std::to_string(::getpid()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace krattle::testing
