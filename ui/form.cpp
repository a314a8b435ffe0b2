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
    case ControlKind::kOptionButton:
    case ControlKind::kCheckBox: return std::make_unique<Checkable>(windows, form, index, design);
    case ControlKind::kTextBox: return std::make_unique<TextBox>(windows, form, index, design);
    default: return std::make_unique<Control>(windows, form, index, design);
  }
}

}  // namespace

Form::Form(const FormDesign& design, UiContext context)
    : context_(context), design_(design), handle_(context.windows.CreateForm(design, *this)) {
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    controls_.push_back(
        MakeControl(context.windows, handle_, static_cast<int>(i), design.controls[i]));
  }
}

Form::~Form() {
  if (loaded_) context_.windows.DestroyForm(handle_);
}

void Form::Show() {
  visible_ = true;
  context_.windows.ShowForm(handle_);
}

void Form::ShowModal(Form& owner) {
  visible_ = true;
  context_.windows.ShowModal(handle_, owner.handle_);
}

void Form::SetCaption(const std::string& caption) { context_.windows.SetFormCaption(handle_, caption); }

void Form::Unload() {
  if (!loaded_) return;
  loaded_ = false;
  visible_ = false;
  context_.windows.DestroyForm(handle_);
  if (unload_listener_) unload_listener_();
}

void Form::Hide() {
  visible_ = false;
  context_.windows.HideForm(handle_);
}

void Form::HandleEvent(const UiEvent& event) {
  if (!loaded_) return;
  RunGuarded(context_.services, [&] {
    if (event.kind == EventKind::kClick && event.control != UiEvent::kFormItself) {
      MarkClicked(event.control);
    }
    const auto handler = handlers_.find({event.control, event.kind});
    if (handler != handlers_.end()) {
      handler->second(event);
    } else if (event.kind == EventKind::kClose) {
      Unload();
    }
  });
}

void Form::MarkClicked(int control) {
  const ControlDesign& clicked = design_.controls[control];
  if (clicked.kind == ControlKind::kCheckBox) {
    Checkable& box = dynamic_cast<Checkable&>(*controls_[control]);
    box.SetValue(!box.value());
  } else if (clicked.kind == ControlKind::kOptionButton) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
      const ControlDesign& other = design_.controls[i];
      if (other.kind == ControlKind::kOptionButton && other.parent == clicked.parent) {
        dynamic_cast<Checkable&>(*controls_[i]).SetValue(static_cast<int>(i) == control);
      }
    }
  }
}

void Form::On(const std::string& control_name, EventKind event, Handler handler) {
  const int index = control_name.empty() ? UiEvent::kFormItself : IndexOf(control_name);
  handlers_[{index, event}] = std::move(handler);
}

Label& Form::label(const std::string& name) { return dynamic_cast<Label&>(control(name)); }

Timer& Form::timer(const std::string& name) { return dynamic_cast<Timer&>(control(name)); }

TextBox& Form::text_box(const std::string& name) { return dynamic_cast<TextBox&>(control(name)); }

Checkable& Form::checkable(const std::string& name) { return dynamic_cast<Checkable&>(control(name)); }

Control& Form::control(const std::string& name) { return *controls_[IndexOf(name)]; }

int Form::IndexOf(const std::string& name) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i]->name() == name) return static_cast<int>(i);
  }
  throw std::logic_error("no control named " + name);
}
