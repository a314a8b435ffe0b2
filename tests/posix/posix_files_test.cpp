// Reading files with POSIX calls: only regular files are read, a pipe or a device is refused
// at once instead of waited on or read without end, and no descriptor stays open whatever
// goes wrong; the folders above a file the program writes are made when missing.
#include "platform/posix/posix_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <new>

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
