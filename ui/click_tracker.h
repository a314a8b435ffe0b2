// Presses and releases of the mouse made into clicks, as Windows users know them from
// buttons: a click is a press and a release of the same button over the same control, so
// sliding off before releasing clicks nothing, and neither does a press whose window lost
// the mouse before the release.
#pragma once

#include <optional>

#include "ui/window_system.h"

class ClickTracker {
 public:
  // The click that `event` completes, if any: a press is kept until the next release.
  std::optional<UiEvent> Track(const UiEvent& event) {
    if (event.kind == EventKind::kMouseDown) {
      press_ = event;
      return std::nullopt;
    }
    if (event.kind == EventKind::kMouseLost) {
      press_.reset();
      return std::nullopt;
    }
    if (event.kind != EventKind::kMouseUp || !press_) return std::nullopt;
    UiEvent click = *press_;
    press_.reset();
    if (click.control != event.control || click.buttons != event.buttons) return std::nullopt;
    click.kind = EventKind::kClick;
    return click;
  }

 private:
  std::optional<UiEvent> press_;
};
