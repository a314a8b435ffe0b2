// The one-copy lock: a second taker is refused while the first lives and not after it, even
// after a crash or with a program it started still running; the holder hears a refused
// copy's call; display names that name one display give one key.
#include "platform/posix/instance_lock.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/temp_folder.h"

extern char** environ;

namespace {

bool Readable(int socket) {
  pollfd watched{socket, POLLIN, 0};
  return poll(&watched, 1, 0) == 1;
}

TEST(InstanceLock, OneHolderAtATimeAndTheFolderMadePrivate) {
  TempFolder folder;
  const std::string stem = folder.File("runtime/zorbel/settings-:0");
  auto first = std::make_unique<InstanceLock>(stem);
  ASSERT_TRUE(first->Acquire());
  struct stat made {};
  ASSERT_EQ(stat(folder.File("runtime/zorbel").c_str(), &made), 0);
  EXPECT_EQ(made.st_mode & 0777, 0700u);
  InstanceLock second(stem);
  EXPECT_FALSE(second.Acquire());
  EXPECT_TRUE(InstanceLock(folder.File("runtime/zorbel/settings-:1")).Acquire()) << "another display";
  first.reset();
  EXPECT_TRUE(second.Acquire());
}

TEST(InstanceLock, TheHolderHearsARefusedCopyAndOnlyThen) {
  TempFolder folder;
  InstanceLock holder(folder.File("settings-:0"));
  ASSERT_TRUE(holder.Acquire());
  ASSERT_GE(holder.NudgeSocket(), 0);
  EXPECT_FALSE(Readable(holder.NudgeSocket()));
  EXPECT_FALSE(holder.TakeNudges());
  InstanceLock refused(folder.File("settings-:0"));
  ASSERT_FALSE(refused.Acquire());
  EXPECT_TRUE(refused.NudgeHolder());
  EXPECT_TRUE(refused.NudgeHolder());
  EXPECT_TRUE(Readable(holder.NudgeSocket()));
  EXPECT_TRUE(holder.TakeNudges());
  EXPECT_FALSE(Readable(holder.NudgeSocket())) << "both calls taken at once";
  EXPECT_EQ(refused.NudgeSocket(), -1);
}

TEST(InstanceLock, ACrashedHolderLeavesNothingThatKeepsTheNextOut) {
  TempFolder folder;
  const std::string stem = folder.File("settings-:0");
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  if (child == 0) {
    InstanceLock lock(stem);
    const char held = lock.Acquire() ? 'y' : 'n';
    if (write(ready[1], &held, 1) != 1) _exit(1);
    pause();
    _exit(0);
  }
  char held = 0;
  ASSERT_EQ(read(ready[0], &held, 1), 1);
  EXPECT_EQ(held, 'y');
  EXPECT_FALSE(InstanceLock(stem).Acquire());
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  close(ready[0]);
  close(ready[1]);
  // Its lock file and socket are still there; neither counts.
  EXPECT_TRUE(std::filesystem::exists(stem + ".socket"));
  InstanceLock next(stem);
  ASSERT_TRUE(next.Acquire());
  InstanceLock refused(stem);
  EXPECT_FALSE(refused.Acquire());
  EXPECT_TRUE(refused.NudgeHolder()) << "the dead copy's socket is replaced";
  EXPECT_TRUE(next.TakeNudges());
}

TEST(InstanceLock, AProgramTheHolderStartedDoesNotKeepTheLock) {
  TempFolder folder;
  const std::string stem = folder.File("settings-:0");
  auto holder = std::make_unique<InstanceLock>(stem);
  ASSERT_TRUE(holder->Acquire());
  pid_t browser = 0;
  char sleep_name[] = "sleep";
  char seconds[] = "30";
  char* arguments[] = {sleep_name, seconds, nullptr};
  ASSERT_EQ(posix_spawnp(&browser, "sleep", nullptr, nullptr, arguments, environ), 0);
  holder.reset();
  EXPECT_TRUE(InstanceLock(stem).Acquire());
  kill(browser, SIGKILL);
  waitpid(browser, nullptr, 0);
}

TEST(InstanceLock, NoPlaceForTheLockLetsTheProgramRun) {
  TempFolder folder;
  folder.Write("file", "");
  EXPECT_TRUE(InstanceLock(folder.File("file/settings-:0")).Acquire());
  InstanceLock nobody(folder.File("settings-:0"));
  EXPECT_FALSE(nobody.NudgeHolder());
}

TEST(InstanceLock, DisplayKeys) {
  EXPECT_EQ(DisplayKey(":0"), ":0");
  EXPECT_EQ(DisplayKey(":0.0"), ":0");
  EXPECT_EQ(DisplayKey(":140.1"), ":140");
  EXPECT_EQ(DisplayKey("localhost:10.0"), "localhost:10");
  EXPECT_EQ(DisplayKey("wayland-0"), "wayland-0");
  EXPECT_EQ(DisplayKey("/tmp/launch-x/org.x:0"), "_tmp_launch-x_org.x:0");
  EXPECT_EQ(DisplayKey("../x"), ".._x");
}

}  // namespace
