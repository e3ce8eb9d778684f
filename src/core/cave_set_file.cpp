#include "core/cave_set_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <system_error>

namespace krattle {

namespace fs = std::filesystem;

bool PassesSizeTest(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec) || ec) return false;
  auto size = fs::file_size(path, ec);
  if (ec) return false;
  return (size / 128) * 128 == static_cast<std::uintmax_t>(CaveSetSize);
}

CaveSetResult ReadCaveSet(const fs::path& path, CaveSet& set) {
  if (!PassesSizeTest(path))
    return {CaveSetStatus::WrongSize, "\"" + path.string() + "\" is not a cave set (wrong size)"};
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return {CaveSetStatus::ReadError,
            "cannot open \"" + path.string() + "\": " + std::strerror(errno)};
  }
  auto buffer = std::make_unique<CaveSet>();
  in.read(reinterpret_cast<char*>(buffer->Bytes.data()), CaveSetSize);
  if (in.gcount() != CaveSetSize) {
    return {CaveSetStatus::ReadError, "cannot read \"" + path.string() + "\": file ended early"};
  }
  UpgradeCaveSet(*buffer);
  set = *buffer;
  return {};
}

CaveSetResult SaveCaveSet(const fs::path& path, const CaveSet& set) {
  auto fail = [&](const std::string& what) {
    return CaveSetResult{CaveSetStatus::WriteError,
                         "cannot write \"" + path.string() + "\": " + what};
  };
  fs::path dir = path.parent_path();
  std::string tmpl =
      (dir.empty() ? fs::path(".") : dir).string() + "/." + path.filename().string() + ".XXXXXX";
  std::unique_ptr<char[]> name(new char[tmpl.size() + 1]);
  std::memcpy(name.get(), tmpl.c_str(), tmpl.size() + 1);
  int fd = mkstemp(name.get());
  if (fd < 0) return fail(std::strerror(errno));

  const auto* data = set.Bytes.data();
  std::size_t left = CaveSetSize;
  while (left > 0) {
    ssize_t n = ::write(fd, data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      ::close(fd);
      ::unlink(name.get());
      return fail(std::strerror(err));
    }
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    int err = errno;
    ::unlink(name.get());
    return fail(std::strerror(err));
  }
  // mkstemp creates the file 0600; a cave set is an ordinary user document.
  std::error_code ec;
  fs::permissions(name.get(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                      fs::perms::others_read,
                  ec);
  if (std::rename(name.get(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(name.get());
    return fail(std::strerror(err));
  }
  return {};
}

}  // namespace krattle
