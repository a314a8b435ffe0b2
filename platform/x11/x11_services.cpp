// The Linux saver's services on POSIX calls.
#include "platform/x11/x11_services.h"

#include <spawn.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <vector>

#include "platform/posix/posix_files.h"
#include "platform/x11/terminal_report.h"

extern char** environ;

X11Services::X11Services(X11WindowSystem& windows, std::map<std::string, std::string> own_files)
    : windows_(windows), own_files_(std::move(own_files)) {}

std::string X11Services::ProgramDirectory() {
  std::vector<char> path(4096);
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return ".";
  const std::string program(path.data(), static_cast<std::size_t>(length));
  return program.substr(0, program.find_last_of('/'));
}

std::string X11Services::OwnFilePath(const std::string& name) {
  const auto found = own_files_.find(name);
  if (found != own_files_.end()) return found->second;
  return ProgramDirectory() + "/" + name.substr(name.find_first_not_of("\\/"));
}

int X11Services::ShowCursor(bool show) {
  cursor_count_ += show ? 1 : -1;
  windows_.SetPointerHidden(cursor_count_ < 0);
  return cursor_count_;
}

void X11Services::OpenWithShell(const ShellRequest& request) {
  const std::string opener = "xdg-open";
  std::vector<char*> arguments{const_cast<char*>(opener.c_str()), const_cast<char*>(request.file.c_str()), nullptr};
  pid_t child = 0;
  posix_spawnp(&child, opener.c_str(), nullptr, nullptr, arguments.data(), environ);
}

std::string X11Services::ReadFileStart(const std::string& path, std::size_t max_bytes) {
  return ReadNativeFileStart(path, max_bytes);
}

void X11Services::ReplaceWholeFile(const std::string& path, std::string_view bytes) {
  ReplaceNativeFile(path, bytes);
}

void X11Services::ShowMessageBox(const std::string&, const std::string& text, int) {
  const std::string report = ReportForTerminal(text);
  std::fwrite(report.data(), 1, report.size(), stderr);
  std::fflush(stderr);
}

double X11Services::TimeOfDaySeconds() {
  timeval now{};
  gettimeofday(&now, nullptr);
  const time_t seconds = now.tv_sec;
  tm local{};
  localtime_r(&seconds, &local);
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + now.tv_usec / 1e6;
}

void X11Services::EndProgram(int status) {
  std::fflush(stdout);
  std::fflush(stderr);
  // At once, as on Windows: no destructor or exit handler of the libraries runs.
  _exit(status);
}
