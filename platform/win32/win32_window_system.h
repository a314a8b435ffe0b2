// The window toolkit on Windows: each form a top-level window of its own class, labels as
// STATIC, buttons, options and check boxes as BUTTON, the text box as EDIT, picture boxes
// and frames as child windows of their own class, comctl32 tooltips, timers as window
// timers, and the message loop the program waits in between events.
#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "platform/win32/win32_gdi.h"
#include "platform/win32/win32_live_form.h"
#include "ui/services.h"
#include "ui/window_system.h"

class Win32WindowSystem : public WindowSystem {
 public:
  // Failures escaping a window procedure end the program through `failure_net`.
  explicit Win32WindowSystem(FailureNet& failure_net);
  ~Win32WindowSystem() override;
  Win32WindowSystem(const Win32WindowSystem&) = delete;
  Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

  FormHandle CreateForm(const FormDesign& design, FormEventSink& sink) override;
  void DestroyForm(FormHandle form) override;
  void ShowForm(FormHandle form) override;
  void ShowModal(FormHandle form, FormHandle owner) override;
  void SetFormCaption(FormHandle form, const std::string& caption) override;
  void SetFocus(FormHandle form, int control) override;
  TwipSize ClientSize(FormHandle form) override;
  void SetControlText(FormHandle form, int control, const std::string& text) override;
  void SetControlTextColor(FormHandle form, int control, const std::optional<Color>& color) override;
  void SetControlFont(FormHandle form, int control, const FontSpec& font) override;
  void SetControlAlignment(FormHandle form, int control, TextAlignment alignment) override;
  void SetControlBounds(FormHandle form, int control, const TwipRect& bounds) override;
  void SetControlVisible(FormHandle form, int control, bool visible) override;
  void SetControlChecked(FormHandle form, int control, bool checked) override;
  std::string ReadControlText(FormHandle form, int control) override;
  TwipSize MeasureText(const FontSpec& font, const std::string& text) override;
  void SetTimer(FormHandle form, int control, int interval_ms) override;

 private:
  Win32Form& FormAt(FormHandle form);
  // The control's window; null for a timer or a kind not built as a window.
  HWND WindowOf(FormHandle form, int control);
  // The control's window when it is a label, else null.
  HWND LabelWindow(FormHandle form, int control);
  HWND CreateFormWindow(const FormDesign& design, Win32Form& form);
  void CreateControls(const FormDesign& design, Win32Form& form);
  void AddFrameOutline(HWND frame, const ControlDesign& control);
  void AddTooltip(Win32Form& form, HWND control, const std::string& text);

  FailureNet& failure_net_;
  HINSTANCE instance_;
  GdiCache gdi_;
  FormHandle next_handle_ = 1;
  std::map<FormHandle, std::unique_ptr<Win32Form>> forms_;
};

// How the loop takes its next message: Windows' own call, or a test's stand-in.
using MessageSource = BOOL(WINAPI*)(LPMSG, HWND, UINT, UINT);

// Dispatches messages until WM_QUIT and returns its exit code. The toolkit posts WM_QUIT
// when its last form is destroyed; a start-up that left no form at all ends it at once.
// Should Windows fail to give a message, the loop ends with the failed exit status.
int RunMessageLoop(MessageSource next_message = GetMessageW);
