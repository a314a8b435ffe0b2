// An X resource the saver made, held with the call that frees it: the holder frees it when
// it goes, so no path out of the code that made it can leave it behind.
#pragma once

#include <X11/Xlib.h>

#include <utility>

template <int (*Free)(Display*, XID)>
class XOwned {
 public:
  XOwned() = default;
  XOwned(Display* display, XID id) : display_(display), id_(id) {}
  ~XOwned() { Reset(); }
  XOwned(XOwned&& other) noexcept
      : display_(other.display_), id_(std::exchange(other.id_, static_cast<XID>(None))) {}
  XOwned& operator=(XOwned&& other) noexcept {
    if (this != &other) {
      Reset();
      display_ = other.display_;
      id_ = std::exchange(other.id_, static_cast<XID>(None));
    }
    return *this;
  }

  XID get() const { return id_; }
  void Reset() {
    if (id_ != None) Free(display_, id_);
    id_ = None;
  }

 private:
  Display* display_ = nullptr;
  XID id_ = None;
};

using OwnedWindow = XOwned<XDestroyWindow>;
using OwnedCursor = XOwned<XFreeCursor>;
using OwnedPixmap = XOwned<XFreePixmap>;
