// Builds a live form from its design and dispatches the platform's events to handlers.
#include "ui/form.h"

#include <stdexcept>

#include "ui/handler_guard.h"

namespace {

std::unique_ptr<Control> MakeControl(WindowSystem& windows, FormHandle form, int index,
                                     const ControlDesign& design) {
  switch (design.kind) {
    case ControlKind::kLabel: return std::make_unique<Label>(windows, form, index, design);
    case ControlKind::kTimer: return std::make_unique<Timer>(windows, form, index, design);
    default: return std::make_unique<Control>(windows, form, index, design);
  }
}

}  // namespace

Form::Form(const FormDesign& design, UiContext context)
    : context_(context), handle_(context.windows.CreateForm(design, *this)) {
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    controls_.push_back(
        MakeControl(context.windows, handle_, static_cast<int>(i), design.controls[i]));
  }
}

Form::~Form() { context_.windows.DestroyForm(handle_); }

void Form::Show() {
  visible_ = true;
  context_.windows.ShowForm(handle_);
}

void Form::Hide() {
  visible_ = false;
  context_.windows.HideForm(handle_);
}

void Form::HandleEvent(const UiEvent& event) {
  const auto handler = handlers_.find({event.control, event.kind});
  if (handler == handlers_.end()) return;
  RunGuarded(context_.services, [&] { handler->second(event); });
}

void Form::On(const std::string& control_name, EventKind event, Handler handler) {
  const int index = control_name.empty() ? UiEvent::kFormItself : IndexOf(control_name);
  handlers_[{index, event}] = std::move(handler);
}

Label& Form::label(const std::string& name) { return dynamic_cast<Label&>(control(name)); }

Timer& Form::timer(const std::string& name) { return dynamic_cast<Timer&>(control(name)); }

Control& Form::control(const std::string& name) { return *controls_[IndexOf(name)]; }

int Form::IndexOf(const std::string& name) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i]->name() == name) return static_cast<int>(i);
  }
  throw std::logic_error("no control named " + name);
}
