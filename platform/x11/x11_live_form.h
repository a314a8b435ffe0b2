// The state the X11 toolkit keeps of each form and control: what the window shows is drawn
// from it whole, so a change only marks the form for repainting.
#pragma once

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/x11/x11_canvas.h"
#include "platform/x11/x11_owned.h"
#include "platform/x11/x11_window_system.h"

struct X11WindowSystem::LiveControl {
  ControlKind kind = ControlKind::kLabel;
  int container = UiEvent::kFormItself;
  TwipRect bounds;
  std::string text;
  FontSpec font;
  std::optional<Color> text_color;
  std::optional<Color> back_color;
  bool transparent = false;
  bool round = false;
  TextAlignment alignment = TextAlignment::kLeft;
  bool auto_size = false;
  bool visible = true;
  bool checked = false;
  // Timers: the interval (0: stopped) and when the next tick is due.
  int interval_ms = 0;
  Clock::time_point due;
  // Labels: the lines last drawn, drawn again while the text, face and width they were laid
  // out for stay, so that a form repainted for another control's sake lays out nothing.
  struct Lines {
    std::string text;
    FontSpec font;
    long long wrap_width = 0;  // -1: a label that sizes itself, which is not wrapped
    long long height = 0;      // of the lines laid out, which end below the clip or at the text's end
    bool complete = false;
    std::vector<LaidOutLine> pieces;
  } lines;
};

struct X11WindowSystem::LiveForm {
  FormEventSink* sink = nullptr;
  Window window = None;
  bool own_window = true;
  Visual* visual = nullptr;
  int depth = 0;
  int width = 0;
  int height = 0;
  std::optional<Color> back_color;
  std::vector<LiveControl> controls;
  bool shown = false;
  bool dirty = true;
  // The pointer's place on the screen when last seen, to tell a real move from an event
  // the window's appearing or moving causes under a still pointer.
  int pointer_x = INT_MIN;
  int pointer_y = INT_MIN;
  int pressed_control = UiEvent::kFormItself;
  // What the window shows, drawn off screen; made again when the window's size changes.
  std::unique_ptr<PixmapCanvas> canvas;
  // The window of the program's own, destroyed with the form; none for a host's.
  OwnedWindow owned_window;
};

// The message box shown in place of the forms, kept to lay it out again when the window's
// size changes.
struct X11WindowSystem::Report {
  std::string title;
  std::string text;
  MessageBoxKind kind = MessageBoxKind::kPlain;
};

// A size clamped to what an X rectangle holds.
inline unsigned short ClampSize(long long value) { return static_cast<unsigned short>(std::clamp<long long>(value, 0, USHRT_MAX)); }

// The part of `box` within `area`, which lies on the screen.
inline XRectangle Intersection(const XRectangle& area, const X11WindowSystem::PixelBox& box) {
  const long long left = std::max<long long>(area.x, box.left);
  const long long top = std::max<long long>(area.y, box.top);
  const long long right = std::min<long long>(area.x + area.width, box.left + box.width);
  const long long bottom = std::min<long long>(area.y + area.height, box.top + box.height);
  return {static_cast<short>(left), static_cast<short>(top),
          static_cast<unsigned short>(std::max(0LL, right - left)),
          static_cast<unsigned short>(std::max(0LL, bottom - top))};
}

inline bool Contains(const XRectangle& area, int x, int y) {
  return x >= area.x && y >= area.y && x < area.x + area.width && y < area.y + area.height;
}
