// A live form: the window and controls built from a design, and the table of handlers
// named after control and event. Every handler runs under the failure net, so a failure
// that escapes it shows the run-time error box and ends the program.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ui/controls.h"
#include "ui/services.h"
#include "ui/window_system.h"

// What every form needs from its platform.
struct UiContext {
  WindowSystem& windows;
  Services& services;
};

class Form : public FormEventSink {
 public:
  Form(const FormDesign& design, UiContext context);
  ~Form() override;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  void Show();
  void Hide();
  bool visible() const { return visible_; }
  // The client area: the whole screen for a maximised borderless form.
  TwipSize ClientSize() const { return context_.windows.ClientSize(handle_); }

  void HandleEvent(const UiEvent& event) override;

 protected:
  using Handler = std::function<void(const UiEvent&)>;
  // Registers the handler of `event` on the control `control_name`; an empty name stands
  // for the form's background (clicks, mouse moves) and the keyboard.
  void On(const std::string& control_name, EventKind event, Handler handler);

  Label& label(const std::string& name);
  Timer& timer(const std::string& name);
  Control& control(const std::string& name);

  UiContext context_;

 private:
  int IndexOf(const std::string& name) const;

  FormHandle handle_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::pair<int, EventKind>, Handler> handlers_;
  bool visible_ = false;
};
