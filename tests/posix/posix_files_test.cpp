// Reading files with POSIX calls: only regular files are read, a pipe or a device is refused
// at once instead of waited on or read without end, and no descriptor stays open whatever
// goes wrong. Replacing one: its permissions stay, nothing planted beside it is written
// through, and no temporary file is left behind. The folders above a file the program writes
// are made when missing.
#include "platform/posix/posix_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include "tests/support/failure_matchers.h"
#include "tests/support/temp_folder.h"

// While not 0, an allocation of this many bytes or more fails, as it would with memory gone.
std::size_t failing_allocation_size = 0;

void* operator new(std::size_t size) {
  if (failing_allocation_size != 0 && size >= failing_allocation_size) throw std::bad_alloc();
  if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

std::size_t OpenDescriptors() {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
  return count;
}

TEST(ReadNativeFile, APipeOrADeviceIsRefusedAtOnceAsAFileThatCannotBeRead) {
  TempFolder folder;
  ASSERT_EQ(mkfifo(folder.File("pipe").c_str(), 0600), 0);
  ASSERT_EQ(symlink("/dev/zero", folder.File("zero").c_str()), 0);
  for (const std::string& path : {std::string("/dev/zero"), std::string("/dev/urandom"),
                                  folder.File("zero"), folder.File("pipe"), folder.path()}) {
    EXPECT_EQ(FailureCodeOf([&] { ReadNativeFile(path, 100, ReadBound::kStopThere); }), 70) << path;
  }
}

TEST(ReadNativeFile, AWholeReadRefusesAFileLongerThanItsBoundOrGrowingPastIt) {
  TempFolder folder;
  folder.Write("ten", "0123456789");
  EXPECT_EQ(ReadNativeFile(folder.File("ten"), 10, ReadBound::kRefuseLonger), "0123456789");
  EXPECT_EQ(FailureCodeOf([&] { ReadNativeFile(folder.File("ten"), 9, ReadBound::kRefuseLonger); }), 70);
  EXPECT_EQ(ReadNativeFile(folder.File("ten"), 9, ReadBound::kStopThere), "012345678");
  // The system's own files say they are empty, and then give their lines.
  EXPECT_EQ(FailureCodeOf([] { ReadNativeFile("/proc/self/status", 10, ReadBound::kRefuseLonger); }), 70);
}

TEST(ReadNativeFile, RunningOutOfMemoryLeavesNoDescriptorOpen) {
  TempFolder folder;
  folder.Write("big", "");
  ASSERT_EQ(truncate(folder.File("big").c_str(), 8 << 20), 0);
  const std::size_t before = OpenDescriptors();
  failing_allocation_size = 1 << 20;
  EXPECT_THROW(ReadNativeFile(folder.File("big"), SIZE_MAX, ReadBound::kStopThere), std::bad_alloc);
  failing_allocation_size = 0;
  EXPECT_EQ(OpenDescriptors(), before);
}

std::vector<std::string> Names(const TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
  return info.st_mode & 07777;
}

TEST(ReplaceNativeFile, KeepsTheOldFilesPermissionsAndANewOneTakesTheUmasks) {
  TempFolder folder;
  folder.Write("Qorv.ini", "old");
  ASSERT_EQ(chmod(folder.File("Qorv.ini").c_str(), 0600), 0);
  ReplaceNativeFile(folder.File("Qorv.ini"), "rude\r\n");
  EXPECT_EQ(folder.Read("Qorv.ini"), "rude\r\n");
  EXPECT_EQ(ModeOf(folder.File("Qorv.ini")), 0600u);
  ASSERT_EQ(chmod(folder.File("Qorv.ini").c_str(), 0640), 0);
  ReplaceNativeFile(folder.File("Qorv.ini"), "clean\r\n");
  EXPECT_EQ(ModeOf(folder.File("Qorv.ini")), 0640u);

  const mode_t before = umask(077);
  ReplaceNativeFile(folder.File("new.ini"), "x");
  umask(022);
  ReplaceNativeFile(folder.File("other.ini"), "x");
  umask(before);
  EXPECT_EQ(ModeOf(folder.File("new.ini")), 0600u);
  EXPECT_EQ(ModeOf(folder.File("other.ini")), 0644u);
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"Qorv.ini", "new.ini", "other.ini"}));
}

TEST(ReplaceNativeFile, WritesThroughNoLinkPlantedBesideIt) {
  TempFolder folder;
  folder.Write("victim", "precious");
  folder.Write("Qorv.ini", "old");
  for (const char* planted : {"Qorv.ini.new", "Qorv.ini.tmp", "Qorv.ini~"}) {
    ASSERT_EQ(symlink(folder.File("victim").c_str(), folder.File(planted).c_str()), 0);
  }
  ReplaceNativeFile(folder.File("Qorv.ini"), "rude\r\nmedicalno\r\n 7 \r\n");
  EXPECT_EQ(folder.Read("victim"), "precious");
  EXPECT_EQ(folder.Read("Qorv.ini"), "rude\r\nmedicalno\r\n 7 \r\n");
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(folder.File("Qorv.ini"))));
  EXPECT_EQ(Names(folder),
            (std::vector<std::string>{"Qorv.ini", "Qorv.ini.new", "Qorv.ini.tmp", "Qorv.ini~", "victim"}));
}

TEST(ReplaceNativeFile, AFailureLeavesTheOldFileAndNoTemporary) {
  TempFolder folder;
  std::filesystem::create_directory(folder.File("Qorv.ini"));
  EXPECT_NE(FailureCodeOf([&] { ReplaceNativeFile(folder.File("Qorv.ini"), "x"); }), 0);
  folder.Write("locked", "old");
  ASSERT_EQ(chmod(folder.File("locked").c_str(), 0444), 0);
  EXPECT_EQ(FailureCodeOf([&] { ReplaceNativeFile(folder.File("locked"), "x"); }), 70);
  EXPECT_EQ(folder.Read("locked"), "old");
  EXPECT_EQ(FailureCodeOf([&] { ReplaceNativeFile(folder.File("no/such/folder"), "x"); }), 76);
  EXPECT_EQ(Names(folder), (std::vector<std::string>{"Qorv.ini", "locked"}));
}

TEST(MakeParentFolders, MakesTheMissingFoldersAboveAFileForTheirOwnerAlone) {
  TempFolder folder;
  const std::string settings = folder.File("config/zorbel/Qorv.ini");
  MakeParentFolders(settings);
  MakeParentFolders(settings);  // they are there now, which is no failure
  struct stat info {};
  ASSERT_EQ(stat(folder.File("config/zorbel").c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_NE(access(settings.c_str(), F_OK), 0);
  // A file where a folder should be is the path a write would not find.
  folder.Write("plain", "x");
  EXPECT_EQ(FailureCodeOf([&] { MakeParentFolders(folder.File("plain/zorbel/Qorv.ini")); }), 76);
}

}  // namespace
