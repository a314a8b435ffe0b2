// The headless services: memory for everything a user would see, POSIX calls for files.
#include "platform/headless/headless_services.h"

#include <stdexcept>

#include "platform/posix/posix_files.h"
#include "startup/own_file_names.h"

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

HeadlessServices::HeadlessServices(HeadlessMachine& machine, std::string program_directory)
    : machine_(machine), program_directory_(std::move(program_directory)) {}

HeadlessServices::~HeadlessServices() {
  if (holds_lock_) machine_.held_locks.erase(kInstanceLockName);
}

bool HeadlessServices::AcquireSingleInstance() {
  if (holds_lock_) return true;
  holds_lock_ = machine_.held_locks.insert(kInstanceLockName).second;
  return holds_lock_;
}

void HeadlessServices::SetPointerHidden(bool hidden) {
  pointer_hidden_calls.push_back(hidden);
  pointer_hidden = hidden;
}

std::string HeadlessServices::OwnFilePlace(OwnFile file) {
  return program_directory_ + "\\" + OwnFileName(file);
}

std::string HeadlessServices::ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) {
  return ReadNativeFile(NativePath(path), max_bytes, bound);
}

void HeadlessServices::ReplaceOwnFile(OwnFile file, std::string_view bytes) {
  ReplaceNativeFile(NativePath(OwnFilePlace(file)), bytes);
}

void HeadlessServices::OpenAddress(const std::string& address) {
  opened_addresses.push_back(address);
  sequence.push_back("open: " + address);
}

void HeadlessServices::ShowMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind,
                                      std::function<void()> closed) {
  message_boxes.push_back(MessageBoxRecord{title, text, kind});
  sequence.push_back("box: " + title);
  if (box_watcher != nullptr) box_watcher->BoxOpened();
  if (while_box_shows) while_box_shows(message_boxes.back());
  if (boxes_wait_for_user) {
    waiting_boxes_.push_back(std::move(closed));
    return;
  }
  BoxClosed(closed);
}

void HeadlessServices::CloseMessageBox() {
  if (waiting_boxes_.empty()) throw std::logic_error("no message box is up");
  const std::function<void()> closed = std::move(waiting_boxes_.back());
  waiting_boxes_.pop_back();
  BoxClosed(closed);
}

void HeadlessServices::BoxClosed(const std::function<void()>& closed) {
  if (box_watcher != nullptr) box_watcher->BoxClosed();
  if (closed) closed();
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
