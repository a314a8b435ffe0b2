// The drawn toolkit's forms: their life, their controls' changes, timers on the home's
// clock, the focus, modality, and input handed in by the home.
#include "ui/drawn/drawn_window_system.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

#include "ui/drawn/text_layout.h"
#include "ui/screen_units.h"

DrawnWindowSystem::DrawnWindowSystem(int dots_per_inch) : dots_per_inch_(dots_per_inch) {}

FormHandle DrawnWindowSystem::CreateForm(const FormDesign& design, FormEventSink& sink) {
  const FormHandle handle = next_handle_++;
  const auto made = forms_.emplace(handle, std::make_unique<DrawnForm>(design, sink, dots_per_inch_)).first;
  try {
    OpenWindow(handle, design, *made->second);
  } catch (...) {
    forms_.erase(made);
    throw;
  }
  return handle;
}

void DrawnWindowSystem::DestroyForm(FormHandle handle) {
  const auto found = forms_.find(handle);
  if (found == forms_.end()) throw std::logic_error("no such form");
  CloseWindow(handle);
  forms_.erase(found);
}

void DrawnWindowSystem::DestroyAllForms() {
  while (!forms_.empty()) DestroyForm(forms_.begin()->first);
}

void DrawnWindowSystem::ShowForm(FormHandle handle) {
  DrawnForm& form = FormAt(handle);
  ShowWindow(handle, form);
  form.shown = true;
  form.dirty = true;
}

void DrawnWindowSystem::ShowModal(FormHandle handle, FormHandle owner) {
  FormAt(owner);
  FormAt(handle).modal_owner = owner;
  ShowForm(handle);
}

void DrawnWindowSystem::SetFormCaption(FormHandle handle, const std::string& caption) {
  FormAt(handle);
  NameWindow(handle, caption);
}

void DrawnWindowSystem::SetFocus(FormHandle handle, int control) {
  DrawnForm& form = FormAt(handle);
  if (control != UiEvent::kFormItself) form.control(control);
  form.focused = control;
  if (control != UiEvent::kFormItself) form.sink().HandleFocusArrived(control);
}

TwipSize DrawnWindowSystem::ClientSize(FormHandle handle) { return FormAt(handle).ClientSize(); }

void DrawnWindowSystem::SetControlText(FormHandle form, int control, const std::string& shown) {
  // A label keeps only what it lays out: a huge joke is not copied again for the window.
  DrawnControl& live = ControlAt(form, control);
  live.text = live.kind == ControlKind::kLabel ? std::string(LaidOutPart(shown)) : shown;
}

void DrawnWindowSystem::SetControlTextColor(FormHandle form, int control, const std::optional<Color>& color) {
  ControlAt(form, control).text_color = color;
}

void DrawnWindowSystem::SetControlFont(FormHandle form, int control, const FontSpec& font) {
  ControlAt(form, control).font = font;
}

void DrawnWindowSystem::SetControlAlignment(FormHandle form, int control, TextAlignment alignment) {
  ControlAt(form, control).alignment = alignment;
}

void DrawnWindowSystem::SetControlBounds(FormHandle form, int control, const TwipRect& bounds) {
  ControlAt(form, control).bounds = bounds;
}

void DrawnWindowSystem::SetControlVisible(FormHandle form, int control, bool visible) {
  DrawnControl& changed = ControlAt(form, control);
  if (changed.visible != visible) FormAt(form).dirty = true;
  changed.visible = visible;
}

void DrawnWindowSystem::SetControlChecked(FormHandle form, int control, bool checked) {
  ControlAt(form, control).checked = checked;
}

std::string DrawnWindowSystem::ReadControlText(FormHandle form, int control) {
  return FormAt(form).control(control).text;
}

TwipSize DrawnWindowSystem::MeasureText(const FontSpec& font, const std::string& measured) {
  const CanvasFont canvas_font = CanvasFontOf(font, dots_per_inch_);
  const std::string shown = WithoutPrefixMarks(LaidOutPart(measured));
  long long widest = 0;
  long long height = 0;
  for (const std::string_view line : SplitLines(shown)) {
    const std::shared_ptr<const TextLine> laid_out = text().LayOutLine(canvas_font, line);
    widest = std::max<long long>(widest, laid_out->width());
    height += laid_out->height();
  }
  return {TwipsOfPixels(widest, dots_per_inch_), TwipsOfPixels(height, dots_per_inch_)};
}

void DrawnWindowSystem::SetTimer(FormHandle form, int control, int interval_ms) {
  DrawnControl& timer = FormAt(form).control(control);
  timer.interval_ms = std::max(0, interval_ms);
  timer.due_ms = NowMs() + timer.interval_ms;
}

void DrawnWindowSystem::WindowActivated(FormHandle handle) {
  DrawnForm* form = TakingInput(handle);
  if (form == nullptr) return;
  form->focused = UiEvent::kFormItself;
  form->sink().HandleActivated();
}

void DrawnWindowSystem::WindowResized(FormHandle handle, int width, int height) {
  const auto found = forms_.find(handle);
  if (found == forms_.end()) return;
  DrawnForm& form = *found->second;
  form.SetWindowSize(width, height);
  FitScale(handle, form);
  if (report_ && handle == report_window_) LayOutReportBox(form, *report_, text());
}

FormHandle DrawnWindowSystem::ShowReportBox(const ReportBox& report, std::function<void()> closed) {
  DestroyAllForms();
  report_ = report;
  report_closed_ = std::move(closed);
  report_window_ = CreateForm(ReportWindowDesign(report.title), report_sink_);
  LayOutReportBox(FormAt(report_window_), *report_, text());
  ShowForm(report_window_);
  return report_window_;
}

void DrawnWindowSystem::CloseReportBox() {
  // Taken out before it runs: it may end the program or show another box.
  std::function<void()> closed = std::move(report_closed_);
  report_closed_ = nullptr;
  if (closed) closed();
}

void DrawnWindowSystem::KeyWentDown(FormHandle handle, Key key, int shift, int character) {
  DrawnForm* form = TakingInput(handle);
  if (form == nullptr || form->sink().HandleDialogKey(form->focused, key, shift)) return;
  UiEvent down{EventKind::kKeyDown};
  down.key = key;
  down.shift = shift;
  Deliver(handle, down);
  if (character == 0 || TakingInput(handle) == nullptr) return;
  UiEvent press{EventKind::kKeyPress};
  press.character = character;
  press.shift = shift;
  Deliver(handle, press);
}

void DrawnWindowSystem::PointerSeenAt(FormHandle handle, long long screen_x, long long screen_y) {
  FormAt(handle).PointerSeenAt(screen_x, screen_y);
}

void DrawnWindowSystem::PointerMoved(FormHandle handle, long long x, long long y, long long screen_x,
                                     long long screen_y, int buttons, int shift) {
  const auto found = forms_.find(handle);
  if (found == forms_.end() || !found->second->PointerMovedTo(screen_x, screen_y)) return;
  if (DrawnForm* form = TakingInput(handle)) Deliver(handle, form->PointerMoved(x, y, buttons, shift));
}

void DrawnWindowSystem::PointerPressed(FormHandle handle, long long x, long long y, int button, int shift) {
  if (DrawnForm* form = TakingInput(handle)) Deliver(handle, form->PointerPressed(x, y, button, shift));
}

void DrawnWindowSystem::PointerReleased(FormHandle handle, long long x, long long y, int button, int shift) {
  if (DrawnForm* form = TakingInput(handle)) Deliver(handle, form->PointerReleased(x, y, button, shift));
}

void DrawnWindowSystem::FireDueTimers() {
  const long long now = NowMs();
  struct Due {
    long long due_ms;
    FormHandle handle;
    int control;
  };
  std::vector<Due> due;
  for (const auto& [handle, form] : forms_) {
    for (std::size_t i = 0; i < form->controls().size(); ++i) {
      const DrawnControl& timer = form->controls()[i];
      if (timer.kind == ControlKind::kTimer && timer.interval_ms > 0 && timer.due_ms <= now) {
        due.push_back({timer.due_ms, handle, static_cast<int>(i)});
      }
    }
  }
  // Ticks that a late wake-up finds due come in the order they fell due (among equals, the
  // first created first), as the headless clock gives them: a handler that stops another
  // timer must not stop one that fell due before it, or what that one starts never starts.
  std::stable_sort(due.begin(), due.end(), [](const Due& a, const Due& b) { return a.due_ms < b.due_ms; });
  // Like a Windows timer, a late tick is one tick, and the next counts from it. A handler
  // may stop, restart or destroy what ticks after it.
  for (const Due& tick : due) {
    const auto form = forms_.find(tick.handle);
    if (form == forms_.end()) continue;
    DrawnControl& timer = form->second->control(tick.control);
    if (timer.interval_ms == 0 || timer.due_ms > now) continue;
    timer.due_ms = NowMs() + timer.interval_ms;
    Deliver(tick.handle, {EventKind::kTimer, tick.control});
  }
}

long long DrawnWindowSystem::MillisecondsToNextTimer() {
  std::optional<long long> next;
  for (const auto& [handle, form] : forms_) {
    for (const DrawnControl& timer : form->controls()) {
      if (timer.kind == ControlKind::kTimer && timer.interval_ms > 0 && (!next || timer.due_ms < *next)) {
        next = timer.due_ms;
      }
    }
  }
  if (!next) return -1;
  return std::max(0LL, *next - NowMs());
}

void DrawnWindowSystem::PaintChangedForms() {
  for (auto& [handle, form] : forms_) {
    if (form->shown && form->dirty) PaintWindow(handle, *form);
  }
}

DrawnForm& DrawnWindowSystem::FormAt(FormHandle form) {
  const auto found = forms_.find(form);
  if (found == forms_.end()) throw std::logic_error("no such form");
  return *found->second;
}

DrawnForm* DrawnWindowSystem::TakingInput(FormHandle handle) {
  const auto found = forms_.find(handle);
  if (found == forms_.end()) return nullptr;
  for (const auto& [other, form] : forms_) {
    if (form->modal_owner == handle) return nullptr;
  }
  return found->second.get();
}

DrawnControl& DrawnWindowSystem::ControlAt(FormHandle form, int control) {
  DrawnForm& live = FormAt(form);
  DrawnControl& changed = live.control(control);
  // What changes in a hidden control shows only once it shows, which repaints the form then.
  if (changed.visible) live.dirty = true;
  return changed;
}

void DrawnWindowSystem::Deliver(FormHandle handle, const UiEvent& event) {
  const auto found = forms_.find(handle);
  if (found != forms_.end()) found->second->sink().HandleEvent(event);
}
