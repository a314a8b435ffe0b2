// The native services' opener: a program that cannot be started is reported, and a child
// that has ended is reaped, not left behind as a zombie; what they write on stderr is
// escaped.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/posix/posix_services.h"

namespace {

TEST(PosixServices, AnOpenerThatCannotStartIsReported) {
  PosixServices services({}, "/nonexistent/zorbel-opener");
  testing::internal::CaptureStderr();
  services.OpenAddress("http://www.example.org/");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("cannot start /nonexistent/zorbel-opener to open http://www.example.org/"), std::string::npos)
      << said;
}

TEST(PosixServices, WhatTheyWriteOnStderrIsEscapedLineByLine) {
  PosixServices services({}, "/nonexistent/zorbel-opener");
  testing::internal::CaptureStderr();
  services.ShowMessageBox("Title", "One\r\n\x1B]0;owned\x07two\xC2\x9B", MessageBoxKind::kStop);
  services.OpenAddress("http://www.example.org/\x1B[2J");
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(said.substr(0, said.find("cannot")), "One\n\\x1b]0;owned\\x07two\\u009b\n");
  EXPECT_NE(said.find("to open http://www.example.org/\\x1b[2J: "), std::string::npos) << said;
}

TEST(PosixServices, AnOpenerThatEndedIsReaped) {
  PosixServices services({}, "true");
  testing::internal::CaptureStderr();
  services.OpenAddress("http://www.example.org/");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  // Once it has ended nothing is left to wait for: the system reaped it.
  pid_t waited = 0;
  for (int tries = 0; tries < 50; ++tries) {
    errno = 0;
    waited = waitpid(-1, nullptr, WNOHANG);  // 0 while it runs; its id if it were a zombie
    if (waited != 0) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(waited, -1) << "a child is left to be waited for";
  EXPECT_EQ(errno, ECHILD);
}

}  // namespace
