#pragma once
// Reading and writing .kcv files. A read never leaves a half-read set in memory, and a write
// goes through a temporary file in the same folder, so a crash never truncates the user's file.

#include <filesystem>
#include <string>

#include "core/cave_set.h"

namespace krattle {

enum class CaveSetStatus {
  Ok,
  WrongSize,  // missing, unreadable to measure, or not 96000 bytes in whole 128-byte units
  ReadError,  // passed the size test but could not be read
  WriteError,
};

struct CaveSetResult {
  CaveSetStatus Status = CaveSetStatus::Ok;
  std::string Message;
  bool Ok() const { return Status == CaveSetStatus::Ok; }
};

// Files of 96000..96127 bytes pass; anything else (or a file we cannot measure) does not.
bool PassesSizeTest(const std::filesystem::path& path);

// Why a file fails the size test, naming the file; empty when it passes.
std::string SizeTestFailure(const std::filesystem::path& path);

// Reads the first 96000 bytes and upgrades the format. On any failure `set` is unchanged.
CaveSetResult ReadCaveSet(const std::filesystem::path& path, CaveSet& set);

// Writes all 96000 bytes via a temporary file renamed over the target.
CaveSetResult SaveCaveSet(const std::filesystem::path& path, const CaveSet& set);

}  // namespace krattle
