// Builds a live form from its design and dispatches the platform's events to handlers.
#include "ui/form.h"

#include <stdexcept>

#include "ui/dialog_keys.h"

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
    : context_(context), design_(design), window_(context.windows, design, *this) {
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    controls_.push_back(
        MakeControl(context.windows, window_.handle(), static_cast<int>(i), design.controls[i]));
  }
}

void Form::Show() {
  BeginShowing();
  context_.windows.ShowForm(window_.handle());
}

void Form::ShowModal(Form& owner) {
  BeginShowing();
  context_.windows.ShowModal(window_.handle(), owner.window_.handle());
}

// A form coming into view has the focus on its first stop; one in view keeps where it is.
void Form::BeginShowing() {
  if (!visible_) focused_ = FirstFocus(design_, FocusFactsNow());
  visible_ = true;
}

void Form::SetCaption(const std::string& caption) { context_.windows.SetFormCaption(window_.handle(), caption); }

void Form::Unload() {
  if (!loaded_) return;
  loaded_ = false;
  visible_ = false;
  window_.Destroy();
  if (unload_listener_) unload_listener_();
}

void Form::HandleEvent(const UiEvent& event) {
  if (!loaded_) return;
  ++handlers_running_;
  struct Leave {
    int& running;
    ~Leave() { --running; }
  } leave{handlers_running_};
  context_.failure_net.RunGuarded([&] {
    if (event.kind == EventKind::kMouseDown || event.kind == EventKind::kMouseUp ||
        event.kind == EventKind::kMouseLost) {
      if (const std::optional<UiEvent> click = clicks_.Track(event)) HandleEvent(*click);
      return;
    }
    if (event.kind == EventKind::kClick && event.control != UiEvent::kFormItself) {
      MarkClicked(event.control);
    }
    if (event.kind == EventKind::kClose && design_.role.ignores_close_requests) return;
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

int Form::CheckedTarget(const std::string& control_name, EventKind event) const {
  const bool form_itself = control_name == "Form";
  const int index = form_itself ? UiEvent::kFormItself : IndexOf(control_name);
  const bool timer = !form_itself && design_.controls[index].kind == ControlKind::kTimer;
  bool raised = false;
  switch (event) {
    case EventKind::kTimer: raised = timer; break;
    case EventKind::kClick:
    case EventKind::kMouseMove: raised = !timer; break;
    case EventKind::kKeyDown:
    case EventKind::kKeyPress:
    case EventKind::kClose: raised = form_itself; break;
    case EventKind::kMouseDown:
    case EventKind::kMouseUp:
    case EventKind::kMouseLost: break;  // the form makes clicks of them; no handler hears them
  }
  if (!raised) throw std::logic_error(design_.name + ": " + control_name + " raises no such event");
  return index;
}

// The click comes before the focus moves, so that an option an arrow comes to is already
// selected when the focus arrives.
bool Form::HandleDialogKey(int focused, Key key, int shift) {
  if (!loaded_ || !design_.role.takes_dialog_keys) return false;
  const std::optional<DialogKeyAction> action = DialogKey(design_, FocusFactsNow(), focused, key, shift);
  if (!action) return false;
  if (action->press >= 0) {
    HandleEvent({EventKind::kClick, action->press});
    if (!loaded_) return true;
  }
  if (action->focus >= 0) MoveFocus(action->focus);
  return true;
}

void Form::HandleFocusArrived(int control) {
  if (loaded_ && control >= 0 && TakesFocus(design_.controls[control].kind)) focused_ = control;
}

void Form::HandleActivated() {
  if (loaded_ && focused_ != UiEvent::kFormItself) context_.windows.SetFocus(window_.handle(), focused_);
}

void Form::MoveFocus(int control) {
  focused_ = control;
  context_.windows.SetFocus(window_.handle(), control);
}

std::vector<FocusFacts> Form::FocusFactsNow() const {
  std::vector<FocusFacts> facts;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const auto* mark = dynamic_cast<const Checkable*>(controls_[i].get());
    facts.push_back({controls_[i]->visible(), mark != nullptr && mark->value()});
  }
  return facts;
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
  throw std::logic_error(design_.name + ": no control named " + name);
}
