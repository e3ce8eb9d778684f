#include "core/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <system_error>

namespace krattle {

namespace fs = std::filesystem;

namespace {

// ".NAME." before the six random characters; NAME is shortened so that the temporary still fits
// where NAME itself fits.
std::string TemporaryPrefix(const std::string& fileName) {
  constexpr std::size_t kNameMax = 255, kAdded = 8;
  std::string prefix = ".";
  prefix.append(fileName, 0, kNameMax - kAdded);
  return prefix + ".";
}

// A save that was killed leaves its temporary behind; the next save of the same file clears it.
// Only exact matches of the pattern, and only old ones: a fresh one may belong to a save still
// running in another process.
void RemoveStaleTemporaries(const fs::path& dir, const std::string& prefix) {
  constexpr std::size_t kRandom = 6;
  constexpr time_t kStaleSeconds = 60;
  const time_t now = ::time(nullptr);
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().native();
    if (name.size() != prefix.size() + kRandom || name.compare(0, prefix.size(), prefix) != 0)
      continue;
    bool random = true;
    for (std::size_t i = prefix.size(); i < name.size(); ++i)
      random = random && std::isalnum(static_cast<unsigned char>(name[i])) &&
               static_cast<unsigned char>(name[i]) < 0x80;
    struct stat st {};
    if (!random || ::lstat(it->path().c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        now - st.st_mtime < kStaleSeconds)
      continue;
    ::unlink(it->path().c_str());
  }
}

}  // namespace

IoResult ReadFileBytes(const fs::path& path, std::uint64_t maxBytes,
                       std::vector<std::uint8_t>& out) {
  const std::string name = "\"" + path.native() + "\"";
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return IoResult::Fail(name + " is not a readable file");
  const auto size = fs::file_size(path, ec);
  if (ec) return IoResult::Fail("cannot measure " + name + ": " + ec.message());
  if (size > maxBytes)
    return IoResult::Fail(name + " is too large (" + std::to_string(size) + " bytes)");
  std::ifstream in(path, std::ios::binary);
  if (!in) return IoResult::Fail("cannot open " + name + ": " + std::strerror(errno));
  std::vector<std::uint8_t> bytes(size);
  in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size));
  if (std::uint64_t(in.gcount()) != size) return IoResult::Fail("cannot read " + name);
  out = std::move(bytes);
  return {};
}

IoResult WriteFileBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  auto fail = [&](const std::string& what) {
    return IoResult::Fail("cannot write \"" + path.native() + "\": " + what);
  };
  // The rename would replace a link with a plain file and leave the file it names unchanged;
  // a dangling link still names where the file is to be made.
  fs::path target = path;
  for (int hops = 0;; ++hops) {
    struct stat link {};
    if (::lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) break;
    if (hops == 40) return fail(std::strerror(ELOOP));
    std::error_code ec;
    const fs::path next = fs::read_symlink(target, ec);
    if (ec) return fail(ec.message());
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  // A device, pipe or folder would be replaced by a plain file rather than written to.
  if (exists && !S_ISREG(old.st_mode)) return fail("not a regular file");
  // The rename would replace a file the user has protected (or cannot write at all); root passes
  // access() for any file, so the owner's write bit counts too.
  if (exists && ((old.st_mode & S_IWUSR) == 0 || ::access(target.c_str(), W_OK) != 0))
    return IoResult::Fail("\"" + path.native() + "\" is read-only");
  // A replaced file keeps its permissions; mkstemp makes the file private, and a new set is an
  // ordinary document.
  const mode_t mode = exists ? (old.st_mode & 07777) : 0644;
  const fs::path dir = target.parent_path();
  const fs::path folder = dir.empty() ? fs::path(".") : dir;
  // Caught here rather than at mkstemp, so the message says what is wrong; like a protected
  // file, a protected folder is refused even to root.
  struct stat dirStat {};
  if (::stat(folder.c_str(), &dirStat) == 0 && S_ISDIR(dirStat.st_mode) &&
      (::access(folder.c_str(), W_OK) != 0 ||
       (::geteuid() == 0 && (dirStat.st_mode & S_IWUSR) == 0)))
    return fail("its folder \"" + folder.native() + "\" is read-only");
  const std::string prefix = TemporaryPrefix(target.filename().native());
  RemoveStaleTemporaries(folder, prefix);
  const std::string tmpl = folder.native() + "/" + prefix + "XXXXXX";
  std::vector<char> name(tmpl.begin(), tmpl.end());
  name.push_back('\0');
  int fd = mkstemp(name.data());
  if (fd < 0) return fail(std::strerror(errno));
  const std::uint8_t* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      int err = errno;
      ::close(fd);
      ::unlink(name.data());
      return fail(std::strerror(err));
    }
    data += n;
    left -= std::size_t(n);
  }
  // Only root may hand the file back to its owner; for anyone else the file was theirs anyway.
  // Best effort: a set whose owner cannot be kept is still worth saving.
  if (exists && ::geteuid() == 0 && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
    // nothing to undo
  }
  // Without the flush a crash right after the rename could leave an empty file behind.
  bool written = ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  int err = errno;
  if (::close(fd) != 0 && written) {
    written = false;
    err = errno;
  }
  if (!written) {
    ::unlink(name.data());
    return fail(std::strerror(err));
  }
  if (std::rename(name.data(), target.c_str()) != 0) {
    int err = errno;
    ::unlink(name.data());
    return fail(std::strerror(err));
  }
  // The rename itself is only durable once the folder is flushed. Some filesystems refuse
  // flushing a folder; the file is written all the same.
  const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    (void)::fsync(dirFd);
    ::close(dirFd);
  }
  return {};
}

}  // namespace krattle
