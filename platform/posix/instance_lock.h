// One running copy of a program per user and display: a lock on an open file, which the
// system lets go however its holder ends, so a copy that crashed never keeps the next one
// out; and beside it a socket on which the holder hears that another copy was started.
#pragma once

#include <string>
#include <string_view>

class InstanceLock {
 public:
  // The lock file is `stem` + ".lock" and the socket `stem` + ".socket"; the folder above
  // them is made, readable by its owner alone, when missing.
  explicit InstanceLock(std::string stem);
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  // Lets the lock go.
  ~InstanceLock();

  // Takes the lock for as long as this object lives; false when another copy holds it.
  // A lock that cannot be made at all (no folder, no room) counts as taken: the program
  // runs rather than refuse the user for want of a file.
  bool Acquire();
  // The holder's listening socket, on which a started copy's call shows as readable; -1
  // when there is none (not the holder, or the socket could not be made).
  int NudgeSocket() const { return nudge_socket_; }
  // The holder: takes every call waiting on the socket, and says whether there was one.
  bool TakeNudges() const;
  // Another copy: calls the holder, and says whether it answered.
  bool NudgeHolder() const;

 private:
  void Listen();

  std::string stem_;
  int lock_file_ = -1;
  int nudge_socket_ = -1;
};

// The part of a display's name that tells one display from another: ":0.0" and ":0" are
// the same display; a character that does not belong in a file name becomes "_".
std::string DisplayKey(std::string_view display_name);
