// Saves that are killed, run out of room or meet a protected file: the file on disk is always
// the whole old content or the whole new one.

#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/cave_set.h"
#include "core/cave_set_file.h"
#include "core/file_bytes.h"
#include "render/set_file.h"
#include "safety_util.h"

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::unique_ptr<CaveSet> FilledSet(std::uint8_t value) {
  auto set = std::make_unique<CaveSet>();
  set->Bytes.fill(value);
  return set;
}

ImageList FilledPictures(Rgb colour, int count) {
  ImageList list;
  for (int i = 0; i < count; ++i) {
    ImageItem item;
    item.Pic = Picture(64, 64, colour + Rgb(i));
    list.Items.push_back(item);
  }
  return list;
}

Bytes Read(const fs::path& p) {
  Bytes b;
  EXPECT_TRUE(ReadFileBytes(p, 64u << 20, b).Ok) << p;
  return b;
}

std::vector<fs::path> Temporaries(const fs::path& dir) {
  std::vector<fs::path> out;
  for (const auto& e : fs::directory_iterator(dir))
    if (e.path().filename().native().starts_with(".")) out.push_back(e.path());
  return out;
}

// A child process that saves, in turn, two versions of a cave set and of a picture set until
// it is killed.
pid_t StartSaving(const fs::path& setFile, const CaveSet& a, const CaveSet& b,
                  const fs::path& picFile, const ImageList& pa, const ImageList& pb) {
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  for (unsigned n = 0;; ++n) {
    const bool first = n % 2 == 0;
    if (!SaveCaveSet(setFile, first ? a : b).Ok()) ::_exit(3);
    if (!SaveImageList(picFile, first ? pa : pb).Ok) ::_exit(4);
  }
}

TEST(SaveSurvival, AKilledSaveLeavesTheWholeOldOrTheWholeNewFile) {
  ScratchFolder dir("killed");
  const fs::path setFile = dir.Path() / "Caves.kcv";
  const fs::path picFile = dir.Path() / "Tiles.kgf";
  const auto setA = FilledSet(0x11), setB = FilledSet(0x22);
  const ImageList picA = FilledPictures(0x102030, 40), picB = FilledPictures(0x405060, 40);
  const Bytes bytesA(setA->Bytes.begin(), setA->Bytes.end());
  const Bytes bytesB(setB->Bytes.begin(), setB->Bytes.end());
  const Bytes encodedA = EncodeImageList(picA), encodedB = EncodeImageList(picB);
  ASSERT_TRUE(SaveCaveSet(setFile, *setA).Ok());
  ASSERT_TRUE(SaveImageList(picFile, picA).Ok);

  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  int interrupted = 0;
  for (int round = 0; round < 60; ++round) {
    const pid_t child = StartSaving(setFile, *setA, *setB, picFile, picA, picB);
    ASSERT_GT(child, 0);
    ::usleep(std::uniform_int_distribution<useconds_t>(0, 8000)(rng));
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself: " << status;

    const Bytes set = Read(setFile);
    ASSERT_TRUE(set == bytesA || set == bytesB) << "round " << round << ": " << set.size();
    const Bytes pics = Read(picFile);
    ASSERT_TRUE(pics == encodedA || pics == encodedB) << "round " << round << ": " << pics.size();
    if (!Temporaries(dir.Path()).empty()) ++interrupted;
  }
  ::testing::Test::RecordProperty("rounds_with_a_temporary_left", interrupted);

  // Fresh temporaries may belong to a save still running elsewhere: the next save leaves them
  // alone and is not disturbed by them.
  const auto left = Temporaries(dir.Path());
  ASSERT_TRUE(SaveCaveSet(setFile, *setB).Ok());
  EXPECT_EQ(Read(setFile), bytesB);
  for (const fs::path& t : left) EXPECT_TRUE(fs::exists(t)) << t;
  // Once they are old they are the remains of a killed save, and the next save clears them.
  const struct timeval old[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
  for (const fs::path& t : left) ASSERT_EQ(::utimes(t.c_str(), old), 0);
  ASSERT_TRUE(SaveCaveSet(setFile, *setA).Ok());
  ASSERT_TRUE(SaveImageList(picFile, picB).Ok);
  EXPECT_TRUE(Temporaries(dir.Path()).empty());
  EXPECT_EQ(Read(setFile), bytesA);
  EXPECT_EQ(Read(picFile), encodedB);
}

// Runs `body` in a child and returns its exit status; the child's limits stay its own.
int InChild(const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) ::_exit(body());
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Status codes of the children below.
enum { Refused = 0, Saved = 1, NoMessage = 2, NoTmpfs = 77 };

TEST(SaveSurvival, AWriteThatRunsOutOfRoomKeepsTheOldFile) {
  ScratchFolder dir("full");
  const fs::path setFile = dir.Path() / "Caves.kcv";
  const auto oldSet = FilledSet(0x33), newSet = FilledSet(0x44);
  ASSERT_TRUE(SaveCaveSet(setFile, *oldSet).Ok());
  const Bytes oldBytes = Read(setFile);

  // A file size limit makes write() fail part way, as a full disk does.
  const int status = InChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit limit = {40000, 40000};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 99;
    const CaveSetResult r = SaveCaveSet(setFile, *newSet);
    if (r.Ok()) return int(Saved);
    return r.Message.find("Caves.kcv") == std::string::npos ? int(NoMessage) : int(Refused);
  });
  EXPECT_EQ(status, Refused);
  EXPECT_EQ(Read(setFile), oldBytes);
  EXPECT_TRUE(Temporaries(dir.Path()).empty());
}

TEST(SaveSurvival, AFullFilesystemKeepsTheOldFile) {
  ScratchFolder dir("tmpfs");
  const fs::path mountPoint = dir.Path() / "small";
  fs::create_directories(mountPoint);
  // Room for one set and not for its temporary beside it. Mounting needs a mount namespace of
  // the child's own, which not every machine grants.
  const int status = InChild([&] {
    if (::unshare(CLONE_NEWNS) != 0 && ::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
      return int(NoTmpfs);
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=160k") != 0)
      return int(NoTmpfs);
    const fs::path setFile = mountPoint / "Caves.kcv";
    const auto oldSet = FilledSet(0x55), newSet = FilledSet(0x66);
    if (!SaveCaveSet(setFile, *oldSet).Ok()) return 90;
    const CaveSetResult r = SaveCaveSet(setFile, *newSet);
    if (r.Ok()) return int(Saved);
    if (r.Message.find("No space left") == std::string::npos) return int(NoMessage);
    Bytes back;
    if (!ReadFileBytes(setFile, 1 << 20, back).Ok ||
        back != Bytes(oldSet->Bytes.begin(), oldSet->Bytes.end()))
      return 91;
    if (!Temporaries(mountPoint).empty()) return 92;
    return int(Refused);
  });
  if (status == NoTmpfs) GTEST_SKIP() << "no mount namespace for a small tmpfs here";
  EXPECT_EQ(status, Refused);
}

TEST(SaveSurvival, AProtectedFileOrFolderIsNamedAndKept) {
  ScratchFolder dir("protected");
  const fs::path folder = dir.Path() / "sets";
  fs::create_directories(folder);
  const fs::path setFile = folder / "Caves.kcv";
  const auto oldSet = FilledSet(0x77), newSet = FilledSet(0x78);
  ASSERT_TRUE(SaveCaveSet(setFile, *oldSet).Ok());
  const Bytes oldBytes = Read(setFile);

  ASSERT_EQ(::chmod(setFile.c_str(), 0444), 0);
  CaveSetResult r = SaveCaveSet(setFile, *newSet);
  EXPECT_FALSE(r.Ok());
  EXPECT_NE(r.Message.find("Caves.kcv\" is read-only"), std::string::npos) << r.Message;
  ASSERT_EQ(::chmod(setFile.c_str(), 0644), 0);

  // The folder decides whether a file can be replaced; root could, but is refused like the
  // owner of a protected file.
  ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
  r = SaveCaveSet(setFile, *newSet);
  EXPECT_FALSE(r.Ok());
  EXPECT_NE(r.Message.find("Caves.kcv"), std::string::npos) << r.Message;
  EXPECT_NE(r.Message.find("folder \"" + folder.native() + "\" is read-only"), std::string::npos)
      << r.Message;
  r = SaveCaveSet(folder / "New.kcv", *newSet);
  EXPECT_FALSE(r.Ok());
  EXPECT_NE(r.Message.find("is read-only"), std::string::npos) << r.Message;
  ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);

  EXPECT_EQ(Read(setFile), oldBytes);
  EXPECT_FALSE(fs::exists(folder / "New.kcv"));
  EXPECT_TRUE(Temporaries(folder).empty());
}

}  // namespace
}  // namespace krattle::testing
