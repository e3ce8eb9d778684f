#include "core/file_bytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

// Which folders were flushed: this test program's own fsync stands in for the C library's.
namespace {
std::vector<std::pair<dev_t, ino_t>> gFlushedFolders;
}

extern "C" int fsync(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode))
    gFlushedFolders.emplace_back(st.st_dev, st.st_ino);
  return int(::syscall(SYS_fsync, fd));
}

namespace krattle::testing {
namespace {

namespace fs = std::filesystem;

fs::path FreshDir(const std::string& name) {
  const fs::path dir =
      fs::temp_directory_path() / ("krattle-bytes-" + name + "-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

std::vector<std::uint8_t> ReadBack(const fs::path& p) {
  std::vector<std::uint8_t> out;
  EXPECT_TRUE(ReadFileBytes(p, 1 << 20, out).Ok);
  return out;
}

unsigned ModeOf(const fs::path& p) {
  struct stat st {};
  EXPECT_EQ(::stat(p.c_str(), &st), 0);
  return st.st_mode & 07777;
}

int FilesIn(const fs::path& dir) {
  int n = 0;
  for (const auto& e : fs::directory_iterator(dir)) n += e.is_regular_file() ? 1 : 0;
  return n;
}

TEST(WriteFileBytes, AReadOnlyFileIsRefusedAndLeftAsItWas) {
  const fs::path dir = FreshDir("readonly");
  const fs::path file = dir / "Mine.kcv";
  const std::vector<std::uint8_t> old{1, 2, 3};
  ASSERT_TRUE(WriteFileBytes(file, old).Ok);
  // Owner read only: refused even for root, who could write it.
  for (unsigned mode : {0444u, 0400u, 0044u}) {
    ASSERT_EQ(::chmod(file.c_str(), mode), 0);
    const IoResult r = WriteFileBytes(file, {9, 9});
    EXPECT_FALSE(r.Ok) << std::oct << mode;
    EXPECT_NE(r.Message.find("Mine.kcv"), std::string::npos) << r.Message;
    EXPECT_NE(r.Message.find("read-only"), std::string::npos) << r.Message;
    EXPECT_EQ(ModeOf(file), mode);
  }
  ASSERT_EQ(::chmod(file.c_str(), 0644), 0);
  EXPECT_EQ(ReadBack(file), old);
  EXPECT_EQ(FilesIn(dir), 1);  // no temporary left behind
  fs::remove_all(dir);
}

TEST(WriteFileBytes, AReplacedFileKeepsItsPermissionsAndANewOneIsADocument) {
  const fs::path dir = FreshDir("modes");
  const fs::path fresh = dir / "New.kcv";
  ASSERT_TRUE(WriteFileBytes(fresh, {1}).Ok);
  EXPECT_EQ(ModeOf(fresh), 0644u);

  for (unsigned mode : {0600u, 0640u, 0664u}) {
    const fs::path file = dir / ("Kept" + std::to_string(mode) + ".kcv");
    ASSERT_TRUE(WriteFileBytes(file, {1}).Ok);
    ASSERT_EQ(::chmod(file.c_str(), mode), 0);
    ASSERT_TRUE(WriteFileBytes(file, {2, 3}).Ok);
    EXPECT_EQ(ModeOf(file), mode) << std::oct << mode;
    EXPECT_EQ(ReadBack(file), (std::vector<std::uint8_t>{2, 3}));
  }
  fs::remove_all(dir);
}

TEST(WriteFileBytes, SavingThroughALinkWritesTheFileItNamesAndKeepsTheLink) {
  const fs::path dir = FreshDir("links");
  fs::create_directories(dir / "real");
  const fs::path file = dir / "real" / "Set.kcv";
  ASSERT_TRUE(WriteFileBytes(file, {1}).Ok);
  // A relative link to a relative link: each is resolved from its own folder.
  fs::create_symlink("real/Set.kcv", dir / "first.kcv");
  fs::create_symlink("first.kcv", dir / "second.kcv");
  ASSERT_TRUE(WriteFileBytes(dir / "second.kcv", {2, 3}).Ok);
  EXPECT_TRUE(fs::is_symlink(dir / "first.kcv"));
  EXPECT_TRUE(fs::is_symlink(dir / "second.kcv"));
  EXPECT_EQ(ReadBack(file), (std::vector<std::uint8_t>{2, 3}));
  EXPECT_EQ(FilesIn(dir / "real"), 1);

  // A dangling link makes the file it names.
  fs::create_symlink(dir / "real" / "Later.kcv", dir / "later.kcv");
  ASSERT_TRUE(WriteFileBytes(dir / "later.kcv", {4}).Ok);
  EXPECT_TRUE(fs::is_symlink(dir / "later.kcv"));
  EXPECT_EQ(ReadBack(dir / "real" / "Later.kcv"), (std::vector<std::uint8_t>{4}));

  // A loop is refused, and the links stay.
  fs::create_symlink("loop-b", dir / "loop-a");
  fs::create_symlink("loop-a", dir / "loop-b");
  EXPECT_FALSE(WriteFileBytes(dir / "loop-a", {5}).Ok);
  EXPECT_TRUE(fs::is_symlink(dir / "loop-a"));
  fs::remove_all(dir);
}

TEST(WriteFileBytes, AFileWithTheLongestNameCanBeSaved) {
  const fs::path dir = FreshDir("long");
  for (std::size_t length : {247u, 248u, 255u}) {
    const fs::path file = dir / (std::string(length - 4, 'n') + ".kcv");
    const IoResult r = WriteFileBytes(file, {7, 8});
    ASSERT_TRUE(r.Ok) << length << ": " << r.Message;
    EXPECT_EQ(ReadBack(file), (std::vector<std::uint8_t>{7, 8}));
    ASSERT_TRUE(WriteFileBytes(file, {9}).Ok) << length;
    EXPECT_EQ(ReadBack(file), (std::vector<std::uint8_t>{9}));
    fs::remove(file);
    EXPECT_EQ(FilesIn(dir), 0);
  }
  fs::remove_all(dir);
}

void MakeFile(const fs::path& p, bool stale) {
  std::ofstream(p) << "x";
  if (!stale) return;
  const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
  fs::last_write_time(p, hourAgo);
}

TEST(WriteFileBytes, AStaleTemporaryOfTheSameFileIsClearedAtTheNextSave) {
  const fs::path dir = FreshDir("stale");
  const fs::path file = dir / "Set.kcv";
  ASSERT_TRUE(WriteFileBytes(file, {1}).Ok);
  MakeFile(dir / ".Set.kcv.a1B2c3", true);
  // Near misses, a fresh temporary and another file's temporary all stay.
  const std::vector<std::string> kept{".Set.kcv.a1B2c",  ".Set.kcv.a1B2c3d", "Set.kcv.a1B2c3",
                                      ".Set.kcv.a1B-c3", ".Set.kcvXa1B2c3",  ".Other.kcv.a1B2c3",
                                      ".Set.kcv.fresh1"};
  for (std::size_t i = 0; i < kept.size(); ++i) MakeFile(dir / kept[i], i + 1 != kept.size());
  fs::create_directory(dir / ".Set.kcv.Folder");
  fs::last_write_time(dir / ".Set.kcv.Folder",
                      fs::file_time_type::clock::now() - std::chrono::hours(1));

  ASSERT_TRUE(WriteFileBytes(file, {2}).Ok);
  EXPECT_FALSE(fs::exists(dir / ".Set.kcv.a1B2c3"));
  for (const auto& name : kept) EXPECT_TRUE(fs::exists(dir / name)) << name;
  EXPECT_TRUE(fs::is_directory(dir / ".Set.kcv.Folder"));
  EXPECT_EQ(ReadBack(file), (std::vector<std::uint8_t>{2}));
  EXPECT_EQ(FilesIn(dir), 1 + int(kept.size()));
  fs::remove_all(dir);
}

TEST(WriteFileBytes, TheFolderIsFlushedAfterTheRename) {
  const fs::path dir = FreshDir("flush");
  struct stat st {};
  ASSERT_EQ(::stat(dir.c_str(), &st), 0);
  gFlushedFolders.clear();
  ASSERT_TRUE(WriteFileBytes(dir / "Set.kcv", {1}).Ok);
  EXPECT_NE(std::find(gFlushedFolders.begin(), gFlushedFolders.end(),
                      std::make_pair(st.st_dev, st.st_ino)),
            gFlushedFolders.end());
  fs::remove_all(dir);
}

TEST(WriteFileBytes, WhatIsNotARegularFileIsRefusedAndLeftInPlace) {
  const fs::path dir = FreshDir("special");
  ASSERT_EQ(::mkfifo((dir / "pipe.png").c_str(), 0644), 0);
  fs::create_directory(dir / "folder.png");
  for (const char* name : {"pipe.png", "folder.png"}) {
    const IoResult r = WriteFileBytes(dir / name, {1});
    EXPECT_FALSE(r.Ok) << name;
    EXPECT_NE(r.Message.find("not a regular file"), std::string::npos) << r.Message;
  }
  EXPECT_TRUE(fs::is_fifo(dir / "pipe.png"));
  EXPECT_TRUE(fs::is_directory(dir / "folder.png"));
  EXPECT_EQ(FilesIn(dir), 0);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace krattle::testing
