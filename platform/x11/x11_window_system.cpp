// Forms as X11 windows: their controls kept as state and drawn with Xft, input turned into
// the forms' events, timers due on the steady clock, and the one loop that waits for both.
#include "platform/x11/x11_window_system.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <X11/keysym.h>
#include <poll.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "platform/x11/cp1252.h"
#include "platform/x11/text_layout.h"

namespace {

constexpr long kOwnWindowEvents = ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask |
                                  PointerMotionMask | StructureNotifyMask | FocusChangeMask;
// The host keeps the input of its window; the program only repaints and follows its size.
constexpr long kHostWindowEvents = ExposureMask | StructureNotifyMask;
// Bytes of a line drawn at a time, so that a line far wider than the window costs only
// what shows of it.
constexpr std::size_t kDrawPiece = 4096;
// What Windows paints where a design gives no colour.
constexpr Color kSystemWindowColor{255, 255, 255};
constexpr Color kSystemTextColor{0, 0, 0};

// The screen's dots per inch as the desktop sets it for Xft, else Windows' usual 96.
double DotsPerInch(Display* display) {
  const char* setting = XGetDefault(display, "Xft", "dpi");
  const double dpi = setting != nullptr ? std::atof(setting) : 0;
  return dpi >= 24 && dpi <= 960 ? dpi : 96;
}

// The virtual-key code Windows gives a key; 0 for keys the program has no name for.
int VirtualKeyOf(KeySym key) {
  if (key >= XK_a && key <= XK_z) return static_cast<int>('A' + (key - XK_a));
  if (key >= XK_A && key <= XK_Z) return static_cast<int>('A' + (key - XK_A));
  if (key >= XK_0 && key <= XK_9) return static_cast<int>('0' + (key - XK_0));
  if (key >= XK_F1 && key <= XK_F24) return static_cast<int>(0x70 + (key - XK_F1));
  switch (key) {
    case XK_BackSpace: return 0x08;
    case XK_Tab:
    case XK_ISO_Left_Tab: return 0x09;
    case XK_Return:
    case XK_KP_Enter: return 0x0D;
    case XK_Shift_L:
    case XK_Shift_R: return 0x10;
    case XK_Control_L:
    case XK_Control_R: return 0x11;
    case XK_Alt_L:
    case XK_Alt_R:
    case XK_Meta_L:
    case XK_Meta_R: return 0x12;
    case XK_Pause: return 0x13;
    case XK_Escape: return 0x1B;
    case XK_space: return 0x20;
    case XK_Prior: return 0x21;
    case XK_Next: return 0x22;
    case XK_End: return 0x23;
    case XK_Home: return 0x24;
    case XK_Left: return 0x25;
    case XK_Up: return 0x26;
    case XK_Right: return 0x27;
    case XK_Down: return 0x28;
    case XK_Insert: return 0x2D;
    case XK_Delete: return 0x2E;
    case XK_Super_L: return 0x5B;
    case XK_Super_R: return 0x5C;
    default: return 0;
  }
}

int ShiftStateOf(unsigned int state) {
  return ((state & ShiftMask) ? 1 : 0) | ((state & ControlMask) ? 2 : 0) | ((state & Mod1Mask) ? 4 : 0);
}

// Windows' numbering of the mouse buttons (1 left, 2 right, 4 middle); 0 for the wheel.
int ButtonOf(unsigned int button) {
  switch (button) {
    case Button1: return 1;
    case Button2: return 4;
    case Button3: return 2;
    default: return 0;
  }
}

// The part of `box` within `area`, which lies on the screen.
XRectangle Intersection(const XRectangle& area, const X11WindowSystem::PixelBox& box) {
  const long long left = std::max<long long>(area.x, box.left);
  const long long top = std::max<long long>(area.y, box.top);
  const long long right = std::min<long long>(area.x + area.width, box.left + box.width);
  const long long bottom = std::min<long long>(area.y + area.height, box.top + box.height);
  return {static_cast<short>(left), static_cast<short>(top),
          static_cast<unsigned short>(std::max(0LL, right - left)),
          static_cast<unsigned short>(std::max(0LL, bottom - top))};
}

// The window's title for the window manager: the caption's bytes in UTF-8, and as Latin-1
// for managers that read only the old property.
void NameWindow(Display* display, Window window, const std::string& caption) {
  XStoreName(display, window, caption.c_str());
  const std::string utf8 = Cp1252ToUtf8(caption);
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                  XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(utf8.data()), static_cast<int>(utf8.size()));
}

// A size clamped to what an X rectangle holds.
unsigned short ClampSize(long long value) { return static_cast<unsigned short>(std::clamp<long long>(value, 0, USHRT_MAX)); }

}  // namespace

struct X11WindowSystem::LiveControl {
  ControlKind kind = ControlKind::kLabel;
  int container = UiEvent::kFormItself;
  TwipRect bounds;
  std::string text;
  FontSpec font;
  std::optional<Color> text_color;
  std::optional<Color> back_color;
  bool transparent = false;
  TextAlignment alignment = TextAlignment::kLeft;
  bool auto_size = false;
  bool visible = true;
  bool checked = false;
  // Timers: the interval (0: stopped) and when the next tick is due.
  int interval_ms = 0;
  Clock::time_point due;
};

struct X11WindowSystem::LiveForm {
  FormEventSink* sink = nullptr;
  Window window = None;
  bool own_window = true;
  Visual* visual = nullptr;
  Colormap colormap = None;
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
  Pixmap buffer = None;
  int buffer_width = 0;
  int buffer_height = 0;
  XftDraw* draw = nullptr;
  std::unique_ptr<XftColors> colors;
};

X11WindowSystem::X11WindowSystem(Display* display, Window host_window)
    : display_(display), screen_(DefaultScreen(display)), host_window_(host_window),
      dots_per_inch_(DotsPerInch(display)), fonts_(display, screen_, dots_per_inch_),
      wm_protocols_(XInternAtom(display, "WM_PROTOCOLS", False)),
      wm_delete_window_(XInternAtom(display, "WM_DELETE_WINDOW", False)) {}

X11WindowSystem::~X11WindowSystem() {
  while (!forms_.empty()) DestroyForm(forms_.begin()->first);
  if (blank_cursor_ != None) XFreeCursor(display_, blank_cursor_);
}

int X11WindowSystem::ToPixels(long long twips) const {
  return static_cast<int>(std::clamp<long long>(std::llround(twips * dots_per_inch_ / 1440), INT_MIN, INT_MAX));
}

int X11WindowSystem::ToTwips(long long pixels) const {
  return static_cast<int>(std::clamp<long long>(std::llround(pixels * 1440 / dots_per_inch_), INT_MIN, INT_MAX));
}

FormHandle X11WindowSystem::CreateForm(const FormDesign& design, FormEventSink& sink) {
  auto form = std::make_unique<LiveForm>();
  form->sink = &sink;
  form->back_color = design.back_color;
  for (const ControlDesign& control : design.controls) {
    LiveControl live;
    live.kind = control.kind;
    live.bounds = control.bounds;
    live.text = control.caption;
    live.font = control.font;
    live.text_color = control.text_color;
    live.back_color = control.back_color;
    live.transparent = control.transparent;
    live.alignment = control.alignment;
    live.auto_size = control.auto_size;
    live.visible = control.visible;
    live.checked = control.checked;
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
      if (!control.parent.empty() && design.controls[i].name == control.parent) live.container = static_cast<int>(i);
    }
    form->controls.push_back(live);
  }
  if (host_window_ != None && !host_window_taken_) {
    host_window_taken_ = true;
    form->window = host_window_;
    form->own_window = false;
    AdoptHostWindow(*form);
  } else {
    form->window = CreateOwnWindow(design);
    form->visual = DefaultVisual(display_, screen_);
    form->colormap = DefaultColormap(display_, screen_);
    form->depth = DefaultDepth(display_, screen_);
    XWindowAttributes attributes;
    XGetWindowAttributes(display_, form->window, &attributes);
    form->width = attributes.width;
    form->height = attributes.height;
  }
  form->colors = std::make_unique<XftColors>(display_, form->visual, form->colormap);
  const FormHandle handle = next_handle_++;
  forms_.emplace(handle, std::move(form));
  return handle;
}

void X11WindowSystem::AdoptHostWindow(LiveForm& form) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display_, form.window, &attributes)) throw std::runtime_error("no such window");
  form.visual = attributes.visual;
  form.colormap = attributes.colormap;
  form.depth = attributes.depth;
  form.width = attributes.width;
  form.height = attributes.height;
  XSelectInput(display_, form.window, attributes.your_event_mask | kHostWindowEvents);
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
  if (form.draw != nullptr) XftDrawDestroy(form.draw);
  if (form.buffer != None) XFreePixmap(display_, form.buffer);
  form.colors.reset();
  if (form.own_window) {
    XDestroyWindow(display_, form.window);
  } else {
    XSelectInput(display_, form.window, NoEventMask);
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
    if (pointer_hidden_ && blank_cursor_ != None) XDefineCursor(display_, form.window, blank_cursor_);
    XMapRaised(display_, form.window);
  }
  form.shown = true;
  form.dirty = true;
}

// Nothing of the saver opens a modal window; a form shown over another is shown all the same.
void X11WindowSystem::ShowModal(FormHandle handle, FormHandle) { ShowForm(handle); }

void X11WindowSystem::HideForm(FormHandle handle) {
  LiveForm& form = FormAt(handle);
  form.shown = false;
  if (form.own_window) XUnmapWindow(display_, form.window);
}

void X11WindowSystem::SetFormCaption(FormHandle handle, const std::string& caption) {
  LiveForm& form = FormAt(handle);
  if (form.own_window) NameWindow(display_, form.window, caption);
}

// Labels and picture boxes take no focus; the window itself has the keyboard.
void X11WindowSystem::SetFocus(FormHandle handle, int) { FormAt(handle); }

TwipSize X11WindowSystem::ClientSize(FormHandle handle) {
  const LiveForm& form = FormAt(handle);
  return {ToTwips(form.width), ToTwips(form.height)};
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
      areas.push_back({ToTwips(part.x), ToTwips(part.y), ToTwips(part.width), ToTwips(part.height)});
    }
    if (monitors != nullptr) XRRFreeMonitors(monitors);
  }
  if (areas.empty()) return WindowSystem::MonitorAreas(handle);
  return areas;
}

void X11WindowSystem::SetControlText(FormHandle form, int control, const std::string& text) {
  ControlAt(form, control).text = text;
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

TwipSize X11WindowSystem::MeasureText(const FontSpec& font_spec, const std::string& text) {
  XftFont& font = fonts_.Font(font_spec);
  const std::string shown = WithoutPrefixMarks(text);
  const std::vector<std::string_view> lines = SplitLines(shown);
  long long widest = 0;
  for (const std::string_view line : lines) widest = std::max(widest, fonts_.LineWidth(font, Cp1252ToUtf8(line)));
  const long long height = static_cast<long long>(lines.size()) * XftFonts::LineHeight(font);
  return {ToTwips(widest), ToTwips(height)};
}

void X11WindowSystem::SetTimer(FormHandle form, int control, int interval_ms) {
  LiveControl& timer = ControlAt(form, control);
  timer.interval_ms = std::max(0, interval_ms);
  timer.due = Clock::now() + std::chrono::milliseconds(timer.interval_ms);
}

void X11WindowSystem::SetPointerHidden(bool hidden) {
  pointer_hidden_ = hidden;
  if (hidden && blank_cursor_ == None) {
    const Window root = RootWindow(display_, screen_);
    const char empty[1] = {0};
    const Pixmap bitmap = XCreateBitmapFromData(display_, root, empty, 1, 1);
    XColor black{};
    blank_cursor_ = XCreatePixmapCursor(display_, bitmap, bitmap, &black, &black, 0, 0);
    XFreePixmap(display_, bitmap);
  }
  for (auto& [handle, form] : forms_) {
    if (!form->own_window) continue;
    if (hidden) XDefineCursor(display_, form->window, blank_cursor_);
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

bool X11WindowSystem::Shown(const LiveForm& form, int control) const {
  for (int at = control; at != UiEvent::kFormItself; at = form.controls[at].container) {
    if (!form.controls[at].visible) return false;
  }
  return true;
}

X11WindowSystem::PixelBox X11WindowSystem::BoxOf(const LiveForm& form, int control, XRectangle* clip) const {
  std::vector<int> chain;  // the control and its containers, innermost first
  for (int at = control; at != UiEvent::kFormItself; at = form.controls[at].container) chain.push_back(at);
  // Each level is placed in whole pixels within the one around it, as child windows are.
  PixelBox box{0, 0, form.width, form.height};
  XRectangle visible{0, 0, ClampSize(form.width), ClampSize(form.height)};
  for (auto at = chain.rbegin(); at != chain.rend(); ++at) {
    const TwipRect& bounds = form.controls[*at].bounds;
    box = {box.left + ToPixels(bounds.left), box.top + ToPixels(bounds.top), ToPixels(bounds.width),
           ToPixels(bounds.height)};
    visible = Intersection(visible, box);
  }
  if (clip != nullptr) *clip = visible;
  return box;
}

int X11WindowSystem::HitTest(const LiveForm& form, int x, int y) const {
  for (int i = static_cast<int>(form.controls.size()) - 1; i >= 0; --i) {
    if (form.controls[i].kind == ControlKind::kTimer || !Shown(form, i)) continue;
    XRectangle clip;
    BoxOf(form, i, &clip);
    if (x >= clip.x && y >= clip.y && x < clip.x + clip.width && y < clip.y + clip.height) return i;
  }
  return UiEvent::kFormItself;
}

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

void X11WindowSystem::HandleInput(FormHandle handle, XEvent& event) {
  LiveForm& form = *forms_.at(handle);
  UiEvent ui;
  switch (event.type) {
    case KeyPress:
      HandleKey(handle, event.xkey);
      return;
    case MotionNotify: {
      const XMotionEvent& motion = event.xmotion;
      if (motion.x_root == form.pointer_x && motion.y_root == form.pointer_y) return;
      form.pointer_x = motion.x_root;
      form.pointer_y = motion.y_root;
      ui.kind = EventKind::kMouseMove;
      ui.control = HitTest(form, motion.x, motion.y);
      ui.shift = ShiftStateOf(motion.state);
      ui.buttons = ((motion.state & Button1Mask) ? 1 : 0) | ((motion.state & Button3Mask) ? 2 : 0) |
                   ((motion.state & Button2Mask) ? 4 : 0);
      break;
    }
    case ButtonPress:
    case ButtonRelease: {
      const XButtonEvent& button = event.xbutton;
      ui.buttons = ButtonOf(button.button);
      if (ui.buttons == 0) return;
      ui.shift = ShiftStateOf(button.state);
      if (event.type == ButtonPress) {
        ui.kind = EventKind::kMouseDown;
        ui.control = form.pressed_control = HitTest(form, button.x, button.y);
      } else {
        // The release belongs to the control pressed, or to none when it came elsewhere.
        ui.kind = EventKind::kMouseUp;
        ui.control = HitTest(form, button.x, button.y) == form.pressed_control ? form.pressed_control
                                                                               : UiEvent::kElsewhere;
      }
      break;
    }
    default:
      return;
  }
  const int x = event.type == MotionNotify ? event.xmotion.x : event.xbutton.x;
  const int y = event.type == MotionNotify ? event.xmotion.y : event.xbutton.y;
  const int target = ui.control >= 0 ? ui.control : UiEvent::kFormItself;
  const PixelBox origin = target >= 0 ? BoxOf(form, target) : PixelBox{0, 0, 0, 0};
  ui.x = ToTwips(x - origin.left);
  ui.y = ToTwips(y - origin.top);
  Deliver(handle, ui);
}

// A key goes first to the form's dialog rules, then down as a key and, when it types a
// character, as that character.
void X11WindowSystem::HandleKey(FormHandle handle, XKeyEvent& key) {
  char typed[8];
  KeySym symbol = NoSymbol;
  const int length = XLookupString(&key, typed, sizeof typed, &symbol, nullptr);
  UiEvent down{EventKind::kKeyDown};
  down.key_code = VirtualKeyOf(symbol);
  down.shift = ShiftStateOf(key.state);
  LiveForm& form = *forms_.at(handle);
  if (form.sink != nullptr && form.sink->HandleDialogKey(UiEvent::kFormItself, down.key_code, down.shift)) return;
  Deliver(handle, down);
  if (length != 1 || forms_.count(handle) == 0) return;
  UiEvent press{EventKind::kKeyPress};
  press.character = static_cast<unsigned char>(typed[0]);
  press.shift = down.shift;
  Deliver(handle, press);
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

void X11WindowSystem::Paint(LiveForm& form) {
  form.dirty = false;
  if (form.width <= 0 || form.height <= 0) return;
  if (form.buffer == None || form.buffer_width != form.width || form.buffer_height != form.height) {
    if (form.draw != nullptr) XftDrawDestroy(form.draw);
    if (form.buffer != None) XFreePixmap(display_, form.buffer);
    form.buffer = XCreatePixmap(display_, form.window, static_cast<unsigned>(form.width),
                                static_cast<unsigned>(form.height), static_cast<unsigned>(form.depth));
    form.draw = XftDrawCreate(display_, form.buffer, form.visual, form.colormap);
    form.buffer_width = form.width;
    form.buffer_height = form.height;
  }
  XftDrawSetClip(form.draw, nullptr);
  XftDrawRect(form.draw, &form.colors->Of(form.back_color.value_or(kSystemWindowColor)), 0, 0,
              static_cast<unsigned>(form.width), static_cast<unsigned>(form.height));
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const LiveControl& control = form.controls[i];
    if (control.kind == ControlKind::kTimer || !Shown(form, static_cast<int>(i))) continue;
    XRectangle clip;
    const PixelBox box = BoxOf(form, static_cast<int>(i), &clip);
    if (clip.width == 0 || clip.height == 0) continue;
    const bool opaque = control.kind != ControlKind::kLabel || !control.transparent;
    if (opaque) {
      XftDrawRect(form.draw, &form.colors->Of(control.back_color.value_or(kSystemWindowColor)), clip.x,
                  clip.y, clip.width, clip.height);
    }
    if (control.kind == ControlKind::kLabel) PaintLabel(form, control, box, clip);
  }
  GC copy = DefaultGC(display_, screen_);
  XCopyArea(display_, form.buffer, form.window, copy, 0, 0, static_cast<unsigned>(form.width),
            static_cast<unsigned>(form.height), 0, 0);
}

void X11WindowSystem::PaintLabel(LiveForm& form, const LiveControl& label, const PixelBox& box,
                                 const XRectangle& clip) {
  if (label.text.empty()) return;
  XftFont& font = fonts_.Font(label.font);
  const XftColor& color = form.colors->Of(label.text_color.value_or(kSystemTextColor));
  XRectangle clip_copy = clip;
  XftDrawSetClipRectangles(form.draw, 0, 0, &clip_copy, 1);
  const auto measure = [&](std::string_view piece) {
    return static_cast<int>(std::min<long long>(fonts_.LineWidth(font, Cp1252ToUtf8(piece)), INT_MAX));
  };
  const int line_height = XftFonts::LineHeight(font);
  const std::string shown = WithoutPrefixMarks(label.text);
  const long long clip_bottom = clip.y + clip.height;
  const long long clip_right = clip.x + clip.width;
  long long top = box.top;
  for (const std::string_view line : SplitLines(shown)) {
    if (top >= clip_bottom) break;
    // Whole lines above the visible part cost nothing more than counting them.
    const std::vector<std::string_view> pieces =
        label.auto_size || top + line_height <= clip.y ? std::vector<std::string_view>{line}
                                                        : WrapLine(line, static_cast<int>(box.width), measure);
    for (const std::string_view piece : pieces) {
      if (top >= clip_bottom) break;
      if (top + line_height > clip.y) {
        long long left = box.left;
        if (label.alignment != TextAlignment::kLeft) {
          const long long spare = box.width - measure(piece);
          left += label.alignment == TextAlignment::kCenter ? spare / 2 : spare;
        }
        for (std::size_t at = 0; at < piece.size() && left < clip_right; at += kDrawPiece) {
          const std::string utf8 = Cp1252ToUtf8(piece.substr(at, kDrawPiece));
          const long long width = fonts_.LineWidth(font, utf8);
          if (left + width > clip.x) {
            XftDrawStringUtf8(form.draw, &color, &font, static_cast<int>(left), static_cast<int>(top + font.ascent),
                              reinterpret_cast<const FcChar8*>(utf8.data()), static_cast<int>(utf8.size()));
          }
          left += width;
        }
      }
      top += line_height;
    }
  }
  XftDrawSetClip(form.draw, nullptr);
}
