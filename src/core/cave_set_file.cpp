#include "core/cave_set_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <system_error>
#include <vector>

#include "core/file_bytes.h"

namespace krattle {

namespace fs = std::filesystem;

bool PassesSizeTest(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec) || ec) return false;
  auto size = fs::file_size(path, ec);
  if (ec) return false;
  return (size / 128) * 128 == static_cast<std::uintmax_t>(CaveSetSize);
}

std::string SizeTestFailure(const fs::path& path) {
  if (PassesSizeTest(path)) return {};
  const std::string name = "\"" + path.native() + "\"";
  std::error_code ec;
  const auto status = fs::status(path, ec);
  if (status.type() == fs::file_type::not_found) return name + " does not exist";
  if (ec) return "cannot look at " + name + ": " + ec.message();
  if (status.type() != fs::file_type::regular) return name + " is not a file";
  const auto size = fs::file_size(path, ec);
  if (ec) return "cannot measure " + name + ": " + ec.message();
  return name + " is not a cave set: " + std::to_string(size) + " bytes";
}

CaveSetResult ReadCaveSet(const fs::path& path, CaveSet& set) {
  if (!PassesSizeTest(path)) return {CaveSetStatus::WrongSize, SizeTestFailure(path)};
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return {CaveSetStatus::ReadError,
            "cannot open \"" + path.native() + "\": " + std::strerror(errno)};
  }
  auto buffer = std::make_unique<CaveSet>();
  in.read(reinterpret_cast<char*>(buffer->Bytes.data()), CaveSetSize);
  if (in.gcount() != CaveSetSize) {
    return {CaveSetStatus::ReadError, "cannot read \"" + path.native() + "\": file ended early"};
  }
  UpgradeCaveSet(*buffer);
  set = *buffer;
  return {};
}

CaveSetResult SaveCaveSet(const fs::path& path, const CaveSet& set) {
  const std::vector<std::uint8_t> bytes(set.Bytes.begin(), set.Bytes.end());
  const IoResult r = WriteFileBytes(path, bytes);
  if (!r.Ok) return {CaveSetStatus::WriteError, r.Message};
  return {};
}

}  // namespace krattle
