// The headless services: memory for everything a user would see, POSIX calls for files.
#include "platform/headless/headless_services.h"

#include "platform/posix/posix_files.h"

namespace {

constexpr const char* kInstanceLockName = "Zorbel single instance";

}  // namespace

std::string NativePath(const std::string& path) {
  std::string native = path;
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
  return native;
}

HeadlessServices::HeadlessServices(HeadlessMachine& machine, std::string argument_text,
                                   std::string program_directory)
    : machine_(machine),
      argument_text_(std::move(argument_text)),
      program_directory_(std::move(program_directory)) {}

HeadlessServices::~HeadlessServices() {
  if (holds_lock_) machine_.held_locks.erase(kInstanceLockName);
}

bool HeadlessServices::AcquireSingleInstance() {
  if (holds_lock_) return true;
  holds_lock_ = machine_.held_locks.insert(kInstanceLockName).second;
  return holds_lock_;
}

int HeadlessServices::ShowCursor(bool show) {
  cursor_calls.push_back(show);
  cursor_count += show ? 1 : -1;
  return cursor_count;
}

std::string HeadlessServices::ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) {
  return ReadNativeFile(NativePath(path), max_bytes, bound);
}

void HeadlessServices::ReplaceWholeFile(const std::string& path, std::string_view bytes) {
  ReplaceNativeFile(NativePath(path), bytes);
}

void HeadlessServices::OpenWithShell(const ShellRequest& request) {
  shell_requests.push_back(request);
  sequence.push_back("open: " + request.file);
}

void HeadlessServices::ShowMessageBox(const std::string& title, const std::string& text,
                                      int style) {
  message_boxes.push_back(MessageBoxRecord{title, text, style});
  sequence.push_back("box: " + title);
  if (box_watcher != nullptr) box_watcher->BoxOpened();
  if (while_box_shows) while_box_shows(message_boxes.back());
  if (box_watcher != nullptr) box_watcher->BoxClosed();
}

void HeadlessServices::EndProgram(int status) {
  ended = true;
  ended_with = status;
  throw ProgramEnded{};
}

void RunHeadless(const std::function<void()>& body) {
  try {
    body();
  } catch (const ProgramEnded&) {
  }
}
