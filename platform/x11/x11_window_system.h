// The drawn toolkit on X11, for the saver: each form is a window (one of the program's own,
// or the one a host gave it), painted by the toolkit into an off-screen pixmap with cairo
// and Pango and copied to the screen; timers and X events are served by one loop that
// sleeps in poll() until the next timer is due or an event arrives. Xlib events come in and
// become the toolkit's input; everything the forms show is decided above this file.
//
// Designs are drawn at the X server's Xft.dpi (96 when unset). On a host's window smaller
// than its monitor, as in a preview, the whole design is drawn smaller by the same factor,
// so that what fits the screen fits the window.
#pragma once

#include <X11/Xlib.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/x11/x11_canvas.h"
#include "platform/x11/x11_fonts.h"
#include "platform/x11/x11_owned.h"
#include "ui/drawn/drawn_window_system.h"

class X11WindowSystem : public DrawnWindowSystem {
 public:
  // `host_window`: the window a host gave the program to draw on, which the first form takes
  // over; None: each form gets a top-level window of its own. The program owns input only
  // in windows of its own.
  X11WindowSystem(Display* display, Window host_window);
  ~X11WindowSystem() override;
  X11WindowSystem(const X11WindowSystem&) = delete;
  X11WindowSystem& operator=(const X11WindowSystem&) = delete;

  std::vector<TwipRect> MonitorAreas(FormHandle form) override;

  // Hides the pointer over the program's own windows, or shows it again.
  void SetPointerHidden(bool hidden);

  // Serves events and timers until the last form is gone, the user closes a window of the
  // program's own, or the host's window is destroyed. A report box still open then is
  // closed with its window.
  void Run();

  // In place of every form: a message box as Windows draws a plain one, with the title,
  // text and icon of a message box of `kind`, on the host's window or a whole-screen window of
  // the program's own, made smaller when it does not fit. Returns at once; `closed` runs from
  // the loop when a key or a click in the program's own window closes the box, or when its
  // window is closed or the host's window destroyed.
  void ShowReport(const std::string& title, const std::string& text, MessageBoxKind kind,
                  std::function<void()> closed);

 protected:
  void OpenWindow(FormHandle handle, const FormDesign& design, DrawnForm& form) override;
  void CloseWindow(FormHandle handle) noexcept override;
  void ShowWindow(FormHandle handle, DrawnForm& form) override;
  void NameWindow(FormHandle handle, const std::string& caption) override;
  void PaintWindow(FormHandle handle, DrawnForm& form) override;
  long long NowMs() override;
  TextMeasurer& text() override { return fonts_; }
  // A host's window shows the design at the size its monitor would show it, shrunk by the
  // window's share of that monitor; the program's own windows at full size.
  void FitScale(FormHandle handle, DrawnForm& form) override;

 private:
  // What X11 keeps of one form's window.
  struct FormWindow {
    Window window = None;
    bool own_window = true;
    Visual* visual = nullptr;
    int depth = 0;
    // What the window shows, drawn off screen; made again when the window's size changes.
    std::unique_ptr<PixmapCanvas> canvas;
    // The window of the program's own, destroyed with the form; none for a host's.
    OwnedWindow owned_window;
  };
  Window CreateOwnWindow(const FormDesign& design);
  void AdoptHostWindow(FormWindow& window, DrawnForm& form);
  void FitToMonitor(const FormWindow& window, DrawnForm& form);
  // The monitors RandR knows, in the window's own pixels; none without RandR.
  std::vector<PixelBox> MonitorsSeenFrom(Window window);

  void Dispatch(XEvent& event);
  void HandleInput(FormHandle handle, XEvent& event);

  Display* display_;
  int screen_;
  Window host_window_;
  bool host_window_taken_ = false;
  PangoFonts fonts_;
  Atom wm_protocols_;
  Atom wm_delete_window_;
  OwnedCursor blank_cursor_;
  bool pointer_hidden_ = false;
  bool running_ = true;
  std::map<FormHandle, FormWindow> windows_;
};
