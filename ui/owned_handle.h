// A handle the system gave out (a file descriptor, a Windows file handle), held with the call
// that gives it back: the holder closes it when it goes, whatever ends the scope, and an
// explicit Close says whether the system took it back cleanly.
#pragma once

// `Traits` names the value no handle has (`Invalid()`) and closes one (`Close(handle)`, true
// when the system reports no failure).
template <typename Handle, typename Traits>
class OwnedHandle {
 public:
  explicit OwnedHandle(Handle handle) : handle_(handle) {}
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  ~OwnedHandle() { Close(); }

  Handle get() const { return handle_; }
  bool valid() const { return handle_ != Traits::Invalid(); }
  // False when the system reports a failure, such as a write it could only now find it could
  // not complete.
  bool Close() {
    if (!valid()) return true;
    const bool closed = Traits::Close(handle_);
    handle_ = Traits::Invalid();
    return closed;
  }

 private:
  Handle handle_;
};
