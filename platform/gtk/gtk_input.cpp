// Signals of the widgets turned into the forms' events. Nothing is delivered to a form that
// is being destroyed; a handler may destroy the form it runs for, so nothing of the form is
// touched after an event has been delivered.
#include "platform/gtk/gtk_input.h"

#include "platform/gtk/gtk_keys.h"

namespace {

void Deliver(GtkLiveForm& form, const UiEvent& event) {
  if (form.sink != nullptr) form.sink->HandleEvent(event);
}

// A radio button that a click on another of its group turns off is clicked too, by GTK;
// only the one turned on was the user's.
void OnClicked(GtkButton* button, gpointer data) {
  auto& control = *static_cast<GtkLiveControl*>(data);
  if (control.form->setting_marks) return;
  if (control.kind == ControlKind::kOptionButton && !gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(button))) return;
  Deliver(*control.form, {EventKind::kClick, control.index});
}

// Windows' numbering of the mouse buttons (1 left, 2 right, 4 middle); 0 for others.
int ButtonOf(guint button) {
  switch (button) {
    case 1: return 1;
    case 2: return 4;
    case 3: return 2;
    default: return 0;
  }
}

gboolean OnLabelPress(GtkWidget*, GdkEventButton* event, gpointer data) {
  auto& control = *static_cast<GtkLiveControl*>(data);
  if (event->type != GDK_BUTTON_PRESS) return TRUE;  // the extra events of a double click
  control.pressed = true;
  Deliver(*control.form, {.kind = EventKind::kMouseDown, .control = control.index, .buttons = ButtonOf(event->button)});
  return TRUE;
}

// A release away from the label it was pressed over clicks nothing.
gboolean OnLabelRelease(GtkWidget* widget, GdkEventButton* event, gpointer data) {
  auto& control = *static_cast<GtkLiveControl*>(data);
  if (!control.pressed) return TRUE;
  control.pressed = false;
  const bool inside = event->x >= 0 && event->y >= 0 && event->x < gtk_widget_get_allocated_width(widget) &&
                      event->y < gtk_widget_get_allocated_height(widget);
  Deliver(*control.form, {.kind = EventKind::kMouseUp,
                          .control = inside ? control.index : UiEvent::kElsewhere,
                          .buttons = ButtonOf(event->button)});
  return TRUE;
}

gboolean OnFocusIn(GtkWidget*, GdkEvent*, gpointer data) {
  auto& control = *static_cast<GtkLiveControl*>(data);
  if (control.form->sink != nullptr) control.form->sink->HandleFocusArrived(control.index);
  return FALSE;
}

void OnActiveChanged(GObject* window, GParamSpec*, gpointer data) {
  auto& form = *static_cast<GtkLiveForm*>(data);
  if (form.sink != nullptr && gtk_window_is_active(GTK_WINDOW(window))) form.sink->HandleActivated();
}

gboolean OnCloseRequest(GtkWidget*, GdkEvent*, gpointer data) {
  Deliver(*static_cast<GtkLiveForm*>(data), {EventKind::kClose});
  return TRUE;  // the form decides whether the window goes
}

// The control whose widget holds the keyboard focus; kFormItself for none.
int FocusedControl(const GtkLiveForm& form) {
  GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(form.window));
  for (const auto& control : form.controls) {
    if (control->widget != nullptr && control->widget == focus) return control->index;
  }
  return UiEvent::kFormItself;
}

// The form's dialog keyboard first, then Escape for the cancel button; other keys go on to
// the widget holding the focus, as typing into the entry.
gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) {
  auto& form = *static_cast<GtkLiveForm*>(data);
  const Key key = KeyOf(event->keyval);
  if (form.sink == nullptr || key == Key::kNone) return FALSE;
  const int shift = ShiftStateOf(event->state);
  if (form.sink->HandleDialogKey(FocusedControl(form), key, shift)) return TRUE;
  if (key == Key::kEscape && shift == 0 && form.cancel_control >= 0) {
    Deliver(form, {EventKind::kClick, form.cancel_control});
    return TRUE;
  }
  return FALSE;
}

}  // namespace

void WatchWindow(GtkLiveForm& form) {
  g_signal_connect(form.window, "delete-event", G_CALLBACK(OnCloseRequest), &form);
  g_signal_connect(form.window, "key-press-event", G_CALLBACK(OnKeyPress), &form);
  g_signal_connect(form.window, "notify::is-active", G_CALLBACK(OnActiveChanged), &form);
}

void WatchClicks(GtkLiveControl& control) {
  g_signal_connect(control.widget, "clicked", G_CALLBACK(OnClicked), &control);
}

void WatchLabelClicks(GtkLiveControl& control) {
  gtk_widget_add_events(control.widget, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK);
  g_signal_connect(control.widget, "button-press-event", G_CALLBACK(OnLabelPress), &control);
  g_signal_connect(control.widget, "button-release-event", G_CALLBACK(OnLabelRelease), &control);
}

void WatchFocus(GtkLiveControl& control) {
  g_signal_connect(control.widget, "focus-in-event", G_CALLBACK(OnFocusIn), &control);
}
