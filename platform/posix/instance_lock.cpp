// The instance lock on flock(2), which belongs to the open file and goes with the process,
// and a Unix socket for the nudge. Every descriptor is closed on exec, so that no program
// the holder starts (a browser for a link) keeps the lock after the holder has ended.
#include "platform/posix/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/posix/posix_files.h"
#include "ui/failure.h"

namespace {

// The socket's address, or false when the path is too long for one.
bool SocketAddress(const std::string& path, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

}  // namespace

InstanceLock::InstanceLock(std::string stem) : stem_(std::move(stem)) {}

InstanceLock::~InstanceLock() {
  if (nudge_socket_ >= 0) close(nudge_socket_);
  if (lock_file_ >= 0) close(lock_file_);
}

bool InstanceLock::Acquire() {
  const std::string path = stem_ + ".lock";
  try {
    MakeParentFolders(path);
  } catch (const Failure&) {
    return true;
  }
  lock_file_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (lock_file_ < 0) return true;
  int locked;
  do locked = flock(lock_file_, LOCK_EX | LOCK_NB); while (locked != 0 && errno == EINTR);
  if (locked != 0) {
    const bool held_elsewhere = errno == EWOULDBLOCK;
    close(lock_file_);
    lock_file_ = -1;
    return !held_elsewhere;
  }
  Listen();
  return true;
}

// Only the lock's holder touches the socket's path, so one left by a copy that crashed is
// removed and made anew.
void InstanceLock::Listen() {
  sockaddr_un address;
  const std::string path = stem_ + ".socket";
  if (!SocketAddress(path, address)) return;
  nudge_socket_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (nudge_socket_ < 0) return;
  unlink(path.c_str());
  if (bind(nudge_socket_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      listen(nudge_socket_, 8) != 0) {
    close(nudge_socket_);
    nudge_socket_ = -1;
  }
}

bool InstanceLock::TakeNudges() const {
  bool nudged = false;
  for (;;) {
    const int call = accept4(nudge_socket_, nullptr, nullptr, SOCK_CLOEXEC);
    if (call < 0) {
      if (errno == EINTR || errno == ECONNABORTED) continue;
      return nudged;
    }
    close(call);
    nudged = true;
  }
}

bool InstanceLock::NudgeHolder() const {
  sockaddr_un address;
  if (!SocketAddress(stem_ + ".socket", address)) return false;
  // Never waits: a holder that does not answer, or has calls enough waiting, is left be.
  const int call = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (call < 0) return false;
  int connected;
  do connected = connect(call, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  while (connected != 0 && errno == EINTR);
  close(call);
  return connected == 0;
}

std::string DisplayKey(std::string_view display_name) {
  std::string key(display_name);
  const auto colon = key.rfind(':');
  if (colon != std::string::npos) {
    const auto dot = key.find('.', colon);
    if (dot != std::string::npos) key.erase(dot);
  }
  for (char& c : key) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ':' ||
                       c == '.' || c == '-' || c == '_';
    if (!plain) c = '_';
  }
  return key;
}
