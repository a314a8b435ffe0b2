// Forms as X11 windows: made or taken over from a host, named, shown, painted through the
// toolkit, sized to their monitors, and the one loop that waits for events and timers.
#include "platform/x11/x11_window_system.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "ui/screen_units.h"

namespace {

constexpr long kOwnWindowEvents = ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask |
                                  PointerMotionMask | StructureNotifyMask | FocusChangeMask;
// The host keeps the input of its window; the program only repaints and follows its size.
constexpr long kHostWindowEvents = ExposureMask | StructureNotifyMask;

// The screen's dots per inch as the desktop sets it for Xft, to the nearest whole as
// Windows has it, else Windows' usual 96.
int DotsPerInch(Display* display) {
  const char* setting = XGetDefault(display, "Xft", "dpi");
  const double dpi = setting != nullptr ? std::atof(setting) : 0;
  return dpi >= 24 && dpi <= 960 ? static_cast<int>(std::lround(dpi)) : kDefaultDotsPerInch;
}

// The window's title for the window manager: the caption, which is UTF-8, and the same
// bytes for managers that read only the old property (the program's captions are ASCII).
void SetWindowTitle(Display* display, Window window, const std::string& caption) {
  XStoreName(display, window, caption.c_str());
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                  XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(caption.data()), static_cast<int>(caption.size()));
}

// The monitors RandR knows, in root window pixels; none without RandR.
std::vector<PixelBox> Monitors(Display* display, Window root) {
  std::vector<PixelBox> boxes;
  int event_base = 0;
  int error_base = 0;
  if (!XRRQueryExtension(display, &event_base, &error_base)) return boxes;
  int count = 0;
  XRRMonitorInfo* monitors = XRRGetMonitors(display, root, True, &count);
  for (int i = 0; monitors != nullptr && i < count; ++i) {
    boxes.push_back({monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height});
  }
  if (monitors != nullptr) XRRFreeMonitors(monitors);
  return boxes;
}

}  // namespace

X11WindowSystem::X11WindowSystem(Display* display, Window host_window)
    : DrawnWindowSystem(DotsPerInch(display)), display_(display), screen_(DefaultScreen(display)),
      host_window_(host_window), fonts_(display, screen_),
      wm_protocols_(XInternAtom(display, "WM_PROTOCOLS", False)),
      wm_delete_window_(XInternAtom(display, "WM_DELETE_WINDOW", False)) {}

X11WindowSystem::~X11WindowSystem() { DestroyAllForms(); }

long long X11WindowSystem::NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void X11WindowSystem::FitScale(FormHandle handle, DrawnForm& form) { FitToMonitor(windows_.at(handle), form); }

void X11WindowSystem::FitToMonitor(const FormWindow& window, DrawnForm& form) {
  if (window.own_window) {
    form.SetScale(1);
    return;
  }
  form.FitToMonitors(MonitorsSeenFrom(window.window), DisplayWidth(display_, screen_), DisplayHeight(display_, screen_));
}

void X11WindowSystem::OpenWindow(FormHandle handle, const FormDesign& design, DrawnForm& form) {
  FormWindow window;
  if (host_window_ != None && !host_window_taken_) {
    window.window = host_window_;
    window.own_window = false;
    AdoptHostWindow(window, form);
  } else {
    window.owned_window = OwnedWindow(display_, CreateOwnWindow(design));
    window.window = window.owned_window.get();
    window.visual = DefaultVisual(display_, screen_);
    window.depth = DefaultDepth(display_, screen_);
    XWindowAttributes attributes;
    XGetWindowAttributes(display_, window.window, &attributes);
    form.SetWindowSize(attributes.width, attributes.height);
  }
  FitToMonitor(window, form);
  windows_.emplace(handle, std::move(window));
  // Only once the window is the form's: a host's window that could not be taken stays free.
  if (!windows_.at(handle).own_window) host_window_taken_ = true;
}

void X11WindowSystem::AdoptHostWindow(FormWindow& window, DrawnForm& form) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display_, window.window, &attributes)) throw std::runtime_error("no such window");
  window.visual = attributes.visual;
  window.depth = attributes.depth;
  XSelectInput(display_, window.window, attributes.your_event_mask | kHostWindowEvents);
  // The size is read once the window reports its changes: a host that resizes it in between
  // (MATE's preview does, as it starts the saver) would leave it laid out for a size gone.
  if (!XGetWindowAttributes(display_, window.window, &attributes)) {
    XSelectInput(display_, window.window, NoEventMask);
    throw std::runtime_error("no such window");
  }
  form.SetWindowSize(attributes.width, attributes.height);
}

Window X11WindowSystem::CreateOwnWindow(const FormDesign& design) {
  const Window root = RootWindow(display_, screen_);
  int width = DisplayWidth(display_, screen_);
  int height = DisplayHeight(display_, screen_);
  int left = 0;
  int top = 0;
  if (!design.maximized) {
    const int design_width = PixelsOfTwips(design.client_width, dots_per_inch());
    const int design_height = PixelsOfTwips(design.client_height, dots_per_inch());
    left = std::max(0, (width - design_width) / 2);
    top = std::max(0, (height - design_height) / 2);
    width = std::max(1, design_width);
    height = std::max(1, design_height);
  }
  XSetWindowAttributes attributes{};
  attributes.background_pixel = BlackPixel(display_, screen_);
  attributes.event_mask = kOwnWindowEvents;
  const Window window = XCreateWindow(display_, root, left, top, static_cast<unsigned>(width),
                                      static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                                      CopyFromParent, CWBackPixel | CWEventMask, &attributes);
  SetWindowTitle(display_, window, design.caption);
  XClassHint class_hint{const_cast<char*>("zorbel"), const_cast<char*>("Zorbel")};
  XSetClassHint(display_, window, &class_hint);
  XSetWMProtocols(display_, window, &wm_delete_window_, 1);
  XWMHints hints{};
  hints.flags = InputHint;
  hints.input = True;
  XSetWMHints(display_, window, &hints);
  // A whole-screen form asks the window manager for the full screen, above the others.
  std::vector<Atom> states;
  if (design.maximized) states.push_back(XInternAtom(display_, "_NET_WM_STATE_FULLSCREEN", False));
  if (design.topmost) states.push_back(XInternAtom(display_, "_NET_WM_STATE_ABOVE", False));
  if (!states.empty()) {
    XChangeProperty(display_, window, XInternAtom(display_, "_NET_WM_STATE", False), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(states.data()),
                    static_cast<int>(states.size()));
  }
  return window;
}

void X11WindowSystem::CloseWindow(FormHandle handle) noexcept {
  const auto found = windows_.find(handle);
  if (found == windows_.end()) return;
  if (!found->second.own_window) {
    XSelectInput(display_, found->second.window, NoEventMask);
    host_window_taken_ = false;
  }
  windows_.erase(found);
}

void X11WindowSystem::ShowWindow(FormHandle handle, DrawnForm&) {
  const FormWindow& window = windows_.at(handle);
  Window root_back, child;
  int screen_x, screen_y, window_x, window_y;
  unsigned int mask;
  if (XQueryPointer(display_, window.window, &root_back, &child, &screen_x, &screen_y, &window_x, &window_y, &mask)) {
    PointerSeenAt(handle, screen_x, screen_y);
  }
  if (window.own_window) {
    if (pointer_hidden_ && blank_cursor_.get() != None) XDefineCursor(display_, window.window, blank_cursor_.get());
    XMapRaised(display_, window.window);
  }
}

void X11WindowSystem::NameWindow(FormHandle handle, const std::string& caption) {
  const FormWindow& window = windows_.at(handle);
  if (window.own_window) SetWindowTitle(display_, window.window, caption);
}

void X11WindowSystem::PaintWindow(FormHandle handle, DrawnForm& form) {
  FormWindow& window = windows_.at(handle);
  const int width = form.window_width();
  const int height = form.window_height();
  if (width <= 0 || height <= 0) {
    form.dirty = false;
    return;
  }
  if (window.canvas == nullptr || window.canvas->width() != width || window.canvas->height() != height) {
    window.canvas.reset();
    window.canvas = std::make_unique<PixmapCanvas>(display_, window.window, window.visual, window.depth, width, height);
  }
  form.Paint(*window.canvas, fonts_);
  window.canvas->CopyTo(window.window);
}

std::vector<TwipRect> X11WindowSystem::MonitorAreas(FormHandle handle) {
  const std::vector<TwipRect> areas = FormAt(handle).MonitorAreasOf(MonitorsSeenFrom(windows_.at(handle).window));
  if (areas.empty()) return WindowSystem::MonitorAreas(handle);
  return areas;
}

std::vector<PixelBox> X11WindowSystem::MonitorsSeenFrom(Window window) {
  const Window root = RootWindow(display_, screen_);
  int origin_x = 0;
  int origin_y = 0;
  Window child;
  XTranslateCoordinates(display_, window, root, 0, 0, &origin_x, &origin_y, &child);
  std::vector<PixelBox> monitors = Monitors(display_, root);
  for (PixelBox& monitor : monitors) {
    monitor.left -= origin_x;
    monitor.top -= origin_y;
  }
  return monitors;
}

void X11WindowSystem::SetPointerHidden(bool hidden) {
  pointer_hidden_ = hidden;
  if (hidden && blank_cursor_.get() == None) {
    const Window root = RootWindow(display_, screen_);
    const char empty[1] = {0};
    const OwnedPixmap bitmap(display_, XCreateBitmapFromData(display_, root, empty, 1, 1));
    XColor black{};
    blank_cursor_ = OwnedCursor(display_, XCreatePixmapCursor(display_, bitmap.get(), bitmap.get(), &black, &black, 0, 0));
  }
  for (auto& [handle, window] : windows_) {
    if (!window.own_window) continue;
    if (hidden) XDefineCursor(display_, window.window, blank_cursor_.get());
    else XUndefineCursor(display_, window.window);
  }
}

void X11WindowSystem::Run() {
  const int connection = ConnectionNumber(display_);
  while (running_ && HasForms()) {
    while (running_ && XPending(display_) > 0) {
      XEvent event;
      XNextEvent(display_, &event);
      Dispatch(event);
    }
    if (!running_) break;
    FireDueTimers();
    PaintChangedForms();
    XFlush(display_);
    if (XPending(display_) > 0) continue;
    pollfd wait{connection, POLLIN, 0};
    poll(&wait, 1, static_cast<int>(std::min<long long>(MillisecondsToNextTimer(), INT_MAX)));
  }
  // The desktop closed the report's window or the host took its window away: the box is
  // closed all the same, and what follows it runs.
  CloseReportBox();
}

void X11WindowSystem::Dispatch(XEvent& event) {
  FormHandle handle = 0;
  for (const auto& [candidate, window] : windows_) {
    if (window.window == event.xany.window) handle = candidate;
  }
  if (handle == 0) return;
  FormWindow& window = windows_.at(handle);
  DrawnForm& form = FormAt(handle);
  switch (event.type) {
    case Expose:
      if (event.xexpose.count == 0) form.dirty = true;
      return;
    case ConfigureNotify:
      if (event.xconfigure.width != form.window_width() || event.xconfigure.height != form.window_height()) {
        WindowResized(handle, event.xconfigure.width, event.xconfigure.height);
      }
      return;
    case MapNotify:
      // Without a window manager nothing hands the keyboard to a new window.
      if (window.own_window) XSetInputFocus(display_, window.window, RevertToParent, CurrentTime);
      return;
    case FocusIn:
      if (window.own_window && event.xfocus.mode == NotifyNormal) WindowActivated(handle);
      return;
    // A display program ends when its window is closed or its host's window goes; the
    // saver's window ignores close requests only where Windows would send them.
    case ClientMessage:
      if (window.own_window && static_cast<Atom>(event.xclient.message_type) == wm_protocols_ &&
          static_cast<Atom>(event.xclient.data.l[0]) == wm_delete_window_) {
        running_ = false;
      }
      return;
    case DestroyNotify:
      if (event.xdestroywindow.window == window.window) running_ = false;
      return;
  }
  if (window.own_window) HandleInput(handle, event);
}
