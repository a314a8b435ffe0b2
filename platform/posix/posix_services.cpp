// The native process services on POSIX calls.
#include "platform/posix/posix_services.h"

#include <signal.h>
#include <spawn.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

#include "platform/posix/code_page_1252.h"
#include "platform/posix/letter_case.h"
#include "platform/posix/posix_files.h"
#include "startup/own_file_names.h"
#include "startup/shown_text.h"

extern char** environ;

namespace {

// The folder holding the program file, from /proc; "." when it cannot be told.
std::string ProgramDirectory() {
  std::vector<char> path(4096);
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return ".";
  const std::string program(path.data(), static_cast<std::size_t>(length));
  return program.substr(0, program.find_last_of('/'));
}

}  // namespace

PosixServices::PosixServices(std::map<OwnFile, std::string> own_files, std::string opener)
    : own_files_(std::move(own_files)), opener_(std::move(opener)) {}

std::string PosixServices::OwnFilePlace(OwnFile file) {
  const auto found = own_files_.find(file);
  if (found != own_files_.end()) return found->second;
  return ProgramDirectory() + "/" + OwnFileName(file);
}

void PosixServices::ReplaceOwnFile(OwnFile file, std::string_view bytes) {
  ReplaceNativeFile(OwnFilePlace(file), bytes);
}

void PosixServices::OpenAddress(const std::string& address) {
  // Children end on their own time and are never waited for: the system reaps them. The
  // opener itself starts with SIGCHLD as usual, to wait for its own.
  struct sigaction reap {};
  reap.sa_handler = SIG_IGN;
  reap.sa_flags = SA_NOCLDWAIT;
  sigemptyset(&reap.sa_mask);
  sigaction(SIGCHLD, &reap, nullptr);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t usual;
  sigemptyset(&usual);
  sigaddset(&usual, SIGCHLD);
  sigaddset(&usual, SIGPIPE);
  posix_spawnattr_setsigdefault(&attributes, &usual);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  std::vector<char*> arguments{opener_.data(), const_cast<char*>(address.c_str()), nullptr};
  pid_t child = 0;
  const int error = posix_spawnp(&child, opener_.c_str(), nullptr, &attributes, arguments.data(), environ);
  posix_spawnattr_destroy(&attributes);
  if (error != 0) {
    const std::string line = ShownLines("cannot start " + opener_ + " to open " + address + ": " + std::strerror(error));
    std::fwrite(line.data(), 1, line.size(), stderr);
  }
}

std::string PosixServices::ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) {
  return ReadNativeFile(path, max_bytes, bound);
}

std::string PosixServices::AnsiToUtf8(std::string_view bytes) { return Cp1252ToUtf8(bytes); }

std::string PosixServices::FoldCase(std::string_view utf8) { return FoldCaseUtf8(utf8); }

void PosixServices::ShowMessageBox(const std::string&, const std::string& text, MessageBoxKind,
                                   std::function<void()> closed) {
  const std::string lines = ShownLines(text);
  std::fwrite(lines.data(), 1, lines.size(), stderr);
  std::fflush(stderr);
  if (closed) closed();
}

double PosixServices::TimeOfDaySeconds() {
  timeval now{};
  gettimeofday(&now, nullptr);
  const time_t seconds = now.tv_sec;
  tm local{};
  localtime_r(&seconds, &local);
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + now.tv_usec / 1e6;
}

void PosixServices::EndProgram(int status) {
  std::fflush(stdout);
  std::fflush(stderr);
  // At once, as on Windows: no destructor or exit handler of the libraries runs.
  _exit(status);
}

void KeepStatusOnBrokenPipes() { signal(SIGPIPE, SIG_IGN); }
