#pragma once
// Whole-file reading with a size cap, and replacing a file through a temporary and a rename.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace krattle {

struct IoResult {
  bool Ok = true;
  std::string Message;
  static IoResult Fail(std::string m) { return {false, std::move(m)}; }
};

// Refuses files above maxBytes before reading, so a bogus file never costs a huge allocation.
IoResult ReadFileBytes(const std::filesystem::path& path, std::uint64_t maxBytes,
                       std::vector<std::uint8_t>& out);

// The target is only touched by the final rename: a failure leaves the old file as it was.
IoResult WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace krattle
