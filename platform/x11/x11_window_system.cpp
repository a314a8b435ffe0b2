// Forms as X11 windows: their life, their controls' state, text measured with Pango, timers
// due on the steady clock, and the one loop that waits for events and timers.
#include "platform/x11/x11_window_system.h"
#include "platform/x11/x11_live_form.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <poll.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "platform/x11/text_layout.h"

namespace {

constexpr long kOwnWindowEvents = ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask |
                                  PointerMotionMask | StructureNotifyMask | FocusChangeMask;
// The host keeps the input of its window; the program only repaints and follows its size.
constexpr long kHostWindowEvents = ExposureMask | StructureNotifyMask;

// The screen's dots per inch as the desktop sets it for Xft, else Windows' usual 96.
double DotsPerInch(Display* display) {
  const char* setting = XGetDefault(display, "Xft", "dpi");
  const double dpi = setting != nullptr ? std::atof(setting) : 0;
  return dpi >= 24 && dpi <= 960 ? dpi : 96;
}

// The window's title for the window manager: the caption, which is UTF-8, and the same
// bytes for managers that read only the old property (the program's captions are ASCII).
void NameWindow(Display* display, Window window, const std::string& caption) {
  XStoreName(display, window, caption.c_str());
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                  XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(caption.data()), static_cast<int>(caption.size()));
}
}  // namespace

X11WindowSystem::X11WindowSystem(Display* display, Window host_window)
    : display_(display), screen_(DefaultScreen(display)), host_window_(host_window),
      dots_per_inch_(DotsPerInch(display)), fonts_(display, screen_, dots_per_inch_),
      wm_protocols_(XInternAtom(display, "WM_PROTOCOLS", False)),
      wm_delete_window_(XInternAtom(display, "WM_DELETE_WINDOW", False)) {}

X11WindowSystem::~X11WindowSystem() {
  while (!forms_.empty()) DestroyForm(forms_.begin()->first);
}

int X11WindowSystem::ToPixels(long long twips) const {
  const double pixels = std::round(twips * dots_per_inch_ / 1440);
  return static_cast<int>(std::clamp<double>(pixels, INT_MIN, INT_MAX));
}

int X11WindowSystem::ToTwips(long long pixels) const {
  const double twips = std::round(pixels * 1440 / dots_per_inch_);
  return static_cast<int>(std::clamp<double>(twips, INT_MIN, INT_MAX));
}

long long X11WindowSystem::DesignPixels(long long window_pixels) const {
  return std::llround(static_cast<double>(window_pixels) / design_scale_);
}

void X11WindowSystem::FitDesignTo(const LiveForm& form) {
  design_scale_ = 1;
  if (form.own_window || form.width <= 0 || form.height <= 0) return;
  // The monitor that holds the window's middle, else the whole screen.
  long long monitor_width = DisplayWidth(display_, screen_);
  long long monitor_height = DisplayHeight(display_, screen_);
  const Window root = RootWindow(display_, screen_);
  int left = 0;
  int top = 0;
  Window child;
  XTranslateCoordinates(display_, form.window, root, 0, 0, &left, &top, &child);
  const long long middle_x = left + form.width / 2;
  const long long middle_y = top + form.height / 2;
  int event_base = 0;
  int error_base = 0;
  if (XRRQueryExtension(display_, &event_base, &error_base)) {
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(display_, root, True, &count);
    for (int i = 0; monitors != nullptr && i < count; ++i) {
      const XRRMonitorInfo& monitor = monitors[i];
      if (middle_x >= monitor.x && middle_x < monitor.x + monitor.width && middle_y >= monitor.y &&
          middle_y < monitor.y + monitor.height) {
        monitor_width = monitor.width;
        monitor_height = monitor.height;
      }
    }
    if (monitors != nullptr) XRRFreeMonitors(monitors);
  }
  design_scale_ = std::min({1.0, static_cast<double>(form.width) / static_cast<double>(monitor_width),
                            static_cast<double>(form.height) / static_cast<double>(monitor_height)});
}

std::vector<X11WindowSystem::LiveControl> X11WindowSystem::LiveControlsOf(const FormDesign& design) const {
  std::vector<LiveControl> controls;
  for (const ControlDesign& control : design.controls) {
    LiveControl live;
    live.kind = control.kind;
    live.bounds = control.bounds;
    live.text = control.caption;
    live.font = control.font;
    live.text_color = control.text_color;
    live.back_color = control.back_color;
    live.transparent = control.transparent;
    live.round = control.round;
    live.alignment = control.alignment;
    live.auto_size = control.auto_size;
    live.visible = control.visible;
    live.checked = control.checked;
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
      if (!control.parent.empty() && design.controls[i].name == control.parent) live.container = static_cast<int>(i);
    }
    controls.push_back(live);
  }
  return controls;
}

FormHandle X11WindowSystem::CreateForm(const FormDesign& design, FormEventSink& sink) {
  auto form = std::make_unique<LiveForm>();
  form->sink = &sink;
  form->back_color = design.back_color;
  form->controls = LiveControlsOf(design);
  if (host_window_ != None && !host_window_taken_) {
    host_window_taken_ = true;
    form->window = host_window_;
    form->own_window = false;
    AdoptHostWindow(*form);
  } else {
    form->owned_window = OwnedWindow(display_, CreateOwnWindow(design));
    form->window = form->owned_window.get();
    form->visual = DefaultVisual(display_, screen_);
    form->depth = DefaultDepth(display_, screen_);
    XWindowAttributes attributes;
    XGetWindowAttributes(display_, form->window, &attributes);
    form->width = attributes.width;
    form->height = attributes.height;
  }
  const FormHandle handle = next_handle_++;
  forms_.emplace(handle, std::move(form));
  return handle;
}

void X11WindowSystem::AdoptHostWindow(LiveForm& form) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display_, form.window, &attributes)) throw std::runtime_error("no such window");
  form.visual = attributes.visual;
  form.depth = attributes.depth;
  XSelectInput(display_, form.window, attributes.your_event_mask | kHostWindowEvents);
  // The size is read once the window reports its changes: a host that resizes it in between
  // (MATE's preview does, as it starts the saver) would leave it laid out for a size gone.
  if (!XGetWindowAttributes(display_, form.window, &attributes)) throw std::runtime_error("no such window");
  form.width = attributes.width;
  form.height = attributes.height;
  FitDesignTo(form);
}

Window X11WindowSystem::CreateOwnWindow(const FormDesign& design) {
  const Window root = RootWindow(display_, screen_);
  int width = DisplayWidth(display_, screen_);
  int height = DisplayHeight(display_, screen_);
  int left = 0;
  int top = 0;
  if (!design.maximized) {
    left = std::max(0, (width - ToPixels(design.client_width)) / 2);
    top = std::max(0, (height - ToPixels(design.client_height)) / 2);
    width = std::max(1, ToPixels(design.client_width));
    height = std::max(1, ToPixels(design.client_height));
  }
  XSetWindowAttributes attributes{};
  attributes.background_pixel = BlackPixel(display_, screen_);
  attributes.event_mask = kOwnWindowEvents;
  const Window window = XCreateWindow(display_, root, left, top, static_cast<unsigned>(width),
                                      static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                                      CopyFromParent, CWBackPixel | CWEventMask, &attributes);
  NameWindow(display_, window, design.caption);
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

void X11WindowSystem::DestroyForm(FormHandle handle) {
  const auto found = forms_.find(handle);
  if (found == forms_.end()) throw std::logic_error("no such form");
  LiveForm& form = *found->second;
  if (!form.own_window) {
    XSelectInput(display_, form.window, NoEventMask);
    host_window_taken_ = false;
  }
  forms_.erase(found);
}

void X11WindowSystem::ShowForm(FormHandle handle) {
  LiveForm& form = FormAt(handle);
  Window root_back, child;
  int window_x, window_y;
  unsigned int mask;
  XQueryPointer(display_, form.window, &root_back, &child, &form.pointer_x, &form.pointer_y,
                &window_x, &window_y, &mask);
  if (form.own_window) {
    if (pointer_hidden_ && blank_cursor_.get() != None) XDefineCursor(display_, form.window, blank_cursor_.get());
    XMapRaised(display_, form.window);
  }
  form.shown = true;
  form.dirty = true;
}

// Nothing of the saver opens a modal window; a form shown over another is shown all the same.
void X11WindowSystem::ShowModal(FormHandle handle, FormHandle) { ShowForm(handle); }

void X11WindowSystem::SetFormCaption(FormHandle handle, const std::string& caption) {
  LiveForm& form = FormAt(handle);
  if (form.own_window) NameWindow(display_, form.window, caption);
}

// Labels and picture boxes take no focus; the window itself has the keyboard.
void X11WindowSystem::SetFocus(FormHandle handle, int) { FormAt(handle); }

TwipSize X11WindowSystem::ClientSize(FormHandle handle) {
  const LiveForm& form = FormAt(handle);
  return {ToTwips(DesignPixels(form.width)), ToTwips(DesignPixels(form.height))};
}

std::vector<TwipRect> X11WindowSystem::MonitorAreas(FormHandle handle) {
  const LiveForm& form = FormAt(handle);
  std::vector<TwipRect> areas;
  int event_base = 0;
  int error_base = 0;
  if (XRRQueryExtension(display_, &event_base, &error_base)) {
    const Window root = RootWindow(display_, screen_);
    int origin_x = 0;
    int origin_y = 0;
    Window child;
    XTranslateCoordinates(display_, form.window, root, 0, 0, &origin_x, &origin_y, &child);
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(display_, root, True, &count);
    const XRectangle window{0, 0, ClampSize(form.width), ClampSize(form.height)};
    for (int i = 0; monitors != nullptr && i < count; ++i) {
      const PixelBox monitor{monitors[i].x - origin_x, monitors[i].y - origin_y, monitors[i].width,
                             monitors[i].height};
      const XRectangle part = Intersection(window, monitor);
      if (part.width == 0 || part.height == 0) continue;
      areas.push_back({ToTwips(DesignPixels(part.x)), ToTwips(DesignPixels(part.y)), ToTwips(DesignPixels(part.width)),
                       ToTwips(DesignPixels(part.height))});
    }
    if (monitors != nullptr) XRRFreeMonitors(monitors);
  }
  if (areas.empty()) return WindowSystem::MonitorAreas(handle);
  return areas;
}

void X11WindowSystem::SetControlText(FormHandle form, int control, const std::string& text) {
  // A label keeps only what it lays out: a huge joke is not copied again for the window.
  LiveControl& live = ControlAt(form, control);
  live.text = live.kind == ControlKind::kLabel ? std::string(LaidOutPart(text)) : text;
  Invalidate(form);
}

void X11WindowSystem::SetControlTextColor(FormHandle form, int control, const std::optional<Color>& color) {
  ControlAt(form, control).text_color = color;
  Invalidate(form);
}

void X11WindowSystem::SetControlFont(FormHandle form, int control, const FontSpec& font) {
  ControlAt(form, control).font = font;
  Invalidate(form);
}

void X11WindowSystem::SetControlAlignment(FormHandle form, int control, TextAlignment alignment) {
  ControlAt(form, control).alignment = alignment;
  Invalidate(form);
}

void X11WindowSystem::SetControlBounds(FormHandle form, int control, const TwipRect& bounds) {
  ControlAt(form, control).bounds = bounds;
  Invalidate(form);
}

void X11WindowSystem::SetControlVisible(FormHandle form, int control, bool visible) {
  ControlAt(form, control).visible = visible;
  Invalidate(form);
}

void X11WindowSystem::SetControlChecked(FormHandle form, int control, bool checked) {
  ControlAt(form, control).checked = checked;
  Invalidate(form);
}

std::string X11WindowSystem::ReadControlText(FormHandle form, int control) {
  return ControlAt(form, control).text;
}

TwipSize X11WindowSystem::MeasureText(const FontSpec& font, const std::string& text) {
  const std::string shown = WithoutPrefixMarks(LaidOutPart(text));
  long long widest = 0;
  long long height = 0;
  for (const std::string_view line : SplitLines(shown)) {
    const LaidOutLine laid_out = fonts_.Line(font, line);
    widest = std::max<long long>(widest, laid_out.width());
    height += laid_out.height();
  }
  return {ToTwips(widest), ToTwips(height)};
}

void X11WindowSystem::SetTimer(FormHandle form, int control, int interval_ms) {
  LiveControl& timer = ControlAt(form, control);
  timer.interval_ms = std::max(0, interval_ms);
  timer.due = Clock::now() + std::chrono::milliseconds(timer.interval_ms);
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
  for (auto& [handle, form] : forms_) {
    if (!form->own_window) continue;
    if (hidden) XDefineCursor(display_, form->window, blank_cursor_.get());
    else XUndefineCursor(display_, form->window);
  }
}

X11WindowSystem::LiveForm& X11WindowSystem::FormAt(FormHandle form) {
  const auto found = forms_.find(form);
  if (found == forms_.end()) throw std::logic_error("no such form");
  return *found->second;
}

X11WindowSystem::LiveControl& X11WindowSystem::ControlAt(FormHandle form, int control) {
  return FormAt(form).controls.at(static_cast<std::size_t>(control));
}

void X11WindowSystem::Invalidate(FormHandle form) { FormAt(form).dirty = true; }

void X11WindowSystem::Deliver(FormHandle handle, const UiEvent& event) {
  const auto found = forms_.find(handle);
  if (found != forms_.end() && found->second->sink != nullptr) found->second->sink->HandleEvent(event);
}

void X11WindowSystem::Run() {
  const int connection = ConnectionNumber(display_);
  while (running_ && !forms_.empty()) {
    while (running_ && XPending(display_) > 0) {
      XEvent event;
      XNextEvent(display_, &event);
      Dispatch(event);
    }
    if (!running_) break;
    FireDueTimers();
    for (auto& [handle, form] : forms_) {
      if (form->shown && form->dirty) Paint(*form);
    }
    XFlush(display_);
    if (XPending(display_) > 0) continue;
    pollfd wait{connection, POLLIN, 0};
    poll(&wait, 1, MillisecondsToNextTimer());
  }
}

void X11WindowSystem::Dispatch(XEvent& event) {
  FormHandle handle = 0;
  for (const auto& [candidate, form] : forms_) {
    if (form->window == event.xany.window) handle = candidate;
  }
  if (handle == 0) return;
  LiveForm& form = *forms_.at(handle);
  switch (event.type) {
    case Expose:
      if (event.xexpose.count == 0) form.dirty = true;
      return;
    case ConfigureNotify:
      if (event.xconfigure.width != form.width || event.xconfigure.height != form.height) {
        form.width = event.xconfigure.width;
        form.height = event.xconfigure.height;
        form.dirty = true;
        FitDesignTo(form);
        if (report_ != nullptr) LayOutReport(form);
      }
      return;
    case MapNotify:
      // Without a window manager nothing hands the keyboard to a new window.
      if (form.own_window) XSetInputFocus(display_, form.window, RevertToParent, CurrentTime);
      return;
    case FocusIn:
      if (form.own_window && event.xfocus.mode == NotifyNormal && form.sink != nullptr) {
        form.sink->HandleActivated();
      }
      return;
    // A display program ends when its window is closed or its host's window goes; the
    // saver's window ignores close requests only where Windows would send them.
    case ClientMessage:
      if (form.own_window && static_cast<Atom>(event.xclient.message_type) == wm_protocols_ &&
          static_cast<Atom>(event.xclient.data.l[0]) == wm_delete_window_) {
        running_ = false;
      }
      return;
    case DestroyNotify:
      if (event.xdestroywindow.window == form.window) running_ = false;
      return;
  }
  if (form.own_window) HandleInput(handle, event);
}

void X11WindowSystem::FireDueTimers() {
  const Clock::time_point now = Clock::now();
  std::vector<std::pair<FormHandle, int>> due;
  for (const auto& [handle, form] : forms_) {
    for (std::size_t i = 0; i < form->controls.size(); ++i) {
      const LiveControl& timer = form->controls[i];
      if (timer.kind == ControlKind::kTimer && timer.interval_ms > 0 && timer.due <= now) {
        due.emplace_back(handle, static_cast<int>(i));
      }
    }
  }
  // Like a Windows timer, a late tick is one tick, and the next counts from it.
  for (const auto& [handle, control] : due) {
    const auto form = forms_.find(handle);
    if (form == forms_.end()) continue;
    LiveControl& timer = form->second->controls[control];
    if (timer.interval_ms == 0 || timer.due > now) continue;
    timer.due = Clock::now() + std::chrono::milliseconds(timer.interval_ms);
    Deliver(handle, {EventKind::kTimer, control});
  }
}

int X11WindowSystem::MillisecondsToNextTimer() const {
  std::optional<Clock::time_point> next;
  for (const auto& [handle, form] : forms_) {
    for (const LiveControl& timer : form->controls) {
      if (timer.kind == ControlKind::kTimer && timer.interval_ms > 0 && (!next || timer.due < *next)) next = timer.due;
    }
  }
  if (!next) return -1;
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - Clock::now()).count();
  return static_cast<int>(std::clamp<long long>(wait, 0, INT_MAX));
}
