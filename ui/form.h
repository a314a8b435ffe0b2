// A live form: the window and controls built from a design, the table of handlers named
// after control and event, and where its keyboard focus rests. Every handler runs under the
// failure net, so a failure that escapes it shows the run-time error box and ends the
// program. A close request without a handler unloads the form, unless the form's role is to
// ignore them.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/click_tracker.h"
#include "ui/controls.h"
#include "ui/failure_net.h"
#include "ui/focus_order.h"
#include "ui/form_window.h"
#include "ui/services.h"
#include "ui/window_system.h"

// One row of a form's handler table: the member function FormType::Control_Event handles
// Event on Control ("Form": the form's background and the keyboard). Handlers take the
// event or nothing.
template <class FormType>
struct HandlerBinding {
  const char* control;
  EventKind event;
  void (FormType::*plain)() = nullptr;
  void (FormType::*with_event)(const UiEvent&) = nullptr;

  HandlerBinding(const char* control, EventKind event, void (FormType::*handler)())
      : control(control), event(event), plain(handler) {}
  HandlerBinding(const char* control, EventKind event, void (FormType::*handler)(const UiEvent&))
      : control(control), event(event), with_event(handler) {}
};

// A row of the table with each name written once, e.g. FORM_HANDLER(Form2, Command1, Click)
// binds Form2::Command1_Click to clicks on Command1.
#define FORM_HANDLER(FormType, Control, Event) \
  HandlerBinding<FormType>(#Control, EventKind::k##Event, &FormType::Control##_##Event)

// What every form needs from its platform.
struct UiContext {
  WindowSystem& windows;
  Services& services;
  FailureNet& failure_net;
};

class Form : public FormEventSink {
 public:
  Form(const FormDesign& design, UiContext context);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  void Show();
  // Shows the form over `owner`, which takes no input until this form is unloaded.
  void ShowModal(Form& owner);
  bool visible() const { return visible_; }
  void SetCaption(const std::string& caption);
  // Closes the window and discards its controls; the object stays, inert, until its owner
  // lets it go. `listener` hears of it once.
  void Unload();
  bool loaded() const { return loaded_; }
  void SetUnloadListener(std::function<void()> listener) { unload_listener_ = std::move(listener); }
  // The client area: the whole screen for a maximised borderless form.
  TwipSize ClientSize() const { return context_.windows.ClientSize(window_.handle()); }
  // The client area's parts, one per monitor it spans.
  std::vector<TwipRect> MonitorAreas() const { return context_.windows.MonitorAreas(window_.handle()); }

  void HandleEvent(const UiEvent& event) override;
  // True while one of the form's handlers runs: the form must outlive it.
  bool handling_event() const { return handlers_running_ > 0; }
  bool HandleDialogKey(int focused, Key key, int shift) override;
  void HandleFocusArrived(int control) override;
  void HandleActivated() override;

 protected:
  // Wires the form's handler table. A control the design lacks, or an event its kind never
  // raises, is a programming error, thrown as std::logic_error when the form is built.
  template <class FormType>
  void Bind(FormType& self, std::initializer_list<HandlerBinding<FormType>> table) {
    for (const HandlerBinding<FormType>& row : table) {
      handlers_[{CheckedTarget(row.control, row.event), row.event}] = [&self, row](const UiEvent& event) {
        if (row.plain != nullptr) (self.*row.plain)();
        else (self.*row.with_event)(event);
      };
    }
  }

  Label& label(const std::string& name);
  Timer& timer(const std::string& name);
  Checkable& option_button(const std::string& name) { return checkable(name); }
  Checkable& check_box(const std::string& name) { return checkable(name); }
  TextBox& text_box(const std::string& name);
  Control& control(const std::string& name);

  UiContext context_;

 private:
  using Handler = std::function<void(const UiEvent&)>;
  int IndexOf(const std::string& name) const;
  // The control index a table row names, checked against the design.
  int CheckedTarget(const std::string& control_name, EventKind event) const;
  Checkable& checkable(const std::string& name);
  // What a click does to an option button or check box before any handler runs.
  void MarkClicked(int control);
  // Where the focus rules stand now: each control's visibility and option mark.
  std::vector<FocusFacts> FocusFactsNow() const;
  void MoveFocus(int control);
  void BeginShowing();

  const FormDesign design_;

  FormWindow window_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::pair<int, EventKind>, Handler> handlers_;
  bool visible_ = false;
  // The control the focus rests on while the form is active, and returns to when the form
  // becomes active again; kFormItself when no control takes it.
  int focused_ = UiEvent::kFormItself;
  ClickTracker clicks_;
  bool loaded_ = true;
  int handlers_running_ = 0;
  std::function<void()> unload_listener_;
};
