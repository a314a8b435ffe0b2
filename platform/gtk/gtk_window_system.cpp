// Forms as GTK windows: made from their designs, changed on request, text measured in the
// face it shows in, timers on the main loop, and the loop itself, which ends with the last
// window.
#include "platform/gtk/gtk_window_system.h"

#include <cmath>
#include <stdexcept>

#include "platform/gtk/gtk_design_layout.h"
#include "platform/gtk/gtk_input.h"
#include "platform/gtk/gtk_message_box.h"
#include "platform/gtk/gtk_text.h"
#include "ui/screen_units.h"

namespace {

// The dots per inch GTK lays out text at, in its own pixels: Xft.dpi from the X resources
// or the desktop's settings daemon, with GDK's scale applied. The forms are placed at the
// same, so that they grow with their text; whole, as every home's resolution is, so that
// twips become pixels by the one rule the other homes use.
int DesktopDotsPerInch() {
  const double resolution = gdk_screen_get_resolution(gdk_screen_get_default());
  return resolution >= 24 && resolution <= 960 ? static_cast<int>(std::lround(resolution)) : kDefaultDotsPerInch;
}

// Windows' dialogs are denser than GTK's: buttons and entries take the size their design
// gives them, with room for their text and little else.
void UseDenseControls() {
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider,
                                  "button { padding: 0 2px; min-height: 0; min-width: 0; }"
                                  "entry { padding: 0 3px; min-height: 0; }"
                                  "check, radio { margin: 0 4px 0 0; }",
                                  -1, nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
}

gboolean OnTimer(gpointer data) {
  auto& control = *static_cast<GtkLiveControl*>(data);
  if (control.form->sink != nullptr) control.form->sink->HandleEvent({EventKind::kTimer, control.index});
  return G_SOURCE_CONTINUE;
}

void StopTimer(GtkLiveControl& control) {
  if (control.timer_source != 0) g_source_remove(control.timer_source);
  control.timer_source = 0;
}

}  // namespace

GtkWindowSystem::GtkWindowSystem() : dots_per_inch_(DesktopDotsPerInch()) { UseDenseControls(); }

GtkWindowSystem::~GtkWindowSystem() {
  for (auto& [handle, form] : forms_) {
    form->sink = nullptr;
    for (auto& control : form->controls) StopTimer(*control);
    gtk_widget_destroy(form->window);
  }
  if (retire_source_ != 0) g_source_remove(retire_source_);
}

int GtkWindowSystem::Pixels(int twips) const { return PixelsOfTwips(twips, dots_per_inch_); }

int GtkWindowSystem::Twips(int pixels) const { return TwipsOfPixels(pixels, dots_per_inch_); }

FormHandle GtkWindowSystem::CreateForm(const FormDesign& design, FormEventSink& sink) {
  auto form = std::make_unique<GtkLiveForm>();
  form->handle = next_handle_++;
  form->sink = &sink;
  form->window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GtkWindow* window = GTK_WINDOW(form->window);
  gtk_window_set_title(window, design.caption.c_str());
  gtk_window_set_resizable(window, design.border == BorderStyle::kSizable);
  gtk_window_set_position(window, GTK_WIN_POS_CENTER);
  // The background is an event box's, so that a form of its own colour paints all of it.
  GtkWidget* background = gtk_event_box_new();
  if (design.back_color) {
    PaintBackground(background, *design.back_color);
  } else {
    gtk_event_box_set_visible_window(GTK_EVENT_BOX(background), FALSE);
  }
  form->layout = NewDesignLayout();
  gtk_widget_set_size_request(form->layout, Pixels(design.client_width), Pixels(design.client_height));
  gtk_container_add(GTK_CONTAINER(background), form->layout);
  gtk_container_add(GTK_CONTAINER(form->window), background);
  gtk_widget_show(form->layout);
  gtk_widget_show(background);
  BuildControls(design, *form);
  WatchWindow(*form);
  const FormHandle handle = form->handle;
  forms_.emplace(handle, std::move(form));
  return handle;
}

void GtkWindowSystem::DestroyForm(FormHandle handle) {
  const auto found = forms_.find(handle);
  if (found == forms_.end()) throw std::logic_error("no such form");
  GtkLiveForm& form = *found->second;
  form.sink = nullptr;
  for (auto& control : form.controls) StopTimer(*control);
  const FormHandle owner = form.modal_owner;
  gtk_widget_destroy(form.window);
  retired_.push_back(std::move(found->second));
  forms_.erase(found);
  // The form a modal one blocked is active again, as on Windows, with or without a window
  // manager to hand it the focus.
  if (const auto blocked = forms_.find(owner); blocked != forms_.end()) {
    gtk_window_present(GTK_WINDOW(blocked->second->window));
  }
  if (retire_source_ == 0) {
    retire_source_ = g_idle_add(
        [](gpointer data) {
          auto& system = *static_cast<GtkWindowSystem*>(data);
          system.retired_.clear();
          system.retire_source_ = 0;
          return G_SOURCE_REMOVE;
        },
        this);
  }
  QuitWhenNothingIsLeft();
}

void GtkWindowSystem::QuitWhenNothingIsLeft() {
  if (forms_.empty() && boxes_up_ == 0 && running_) gtk_main_quit();
}

void GtkWindowSystem::ShowForm(FormHandle handle) { gtk_window_present(GTK_WINDOW(FormOf(handle).window)); }

// The owner takes no input while the form is open: GTK keeps input from every other window
// of the program while a modal one is shown.
void GtkWindowSystem::ShowModal(FormHandle handle, FormHandle owner) {
  FormOf(handle).modal_owner = owner;
  GtkWindow* window = GTK_WINDOW(FormOf(handle).window);
  gtk_window_set_transient_for(window, GTK_WINDOW(FormOf(owner).window));
  gtk_window_set_type_hint(window, GDK_WINDOW_TYPE_HINT_DIALOG);
  gtk_window_set_position(window, GTK_WIN_POS_CENTER_ON_PARENT);
  gtk_window_set_modal(window, TRUE);
  gtk_window_present(window);
}

void GtkWindowSystem::SetFormCaption(FormHandle handle, const std::string& caption) {
  gtk_window_set_title(GTK_WINDOW(FormOf(handle).window), caption.c_str());
}

void GtkWindowSystem::SetFocus(FormHandle handle, int control) {
  GtkLiveForm& form = FormOf(handle);
  if (control == UiEvent::kFormItself) {
    gtk_window_set_focus(GTK_WINDOW(form.window), nullptr);
  } else if (GtkWidget* widget = ControlOf(handle, control).widget) {
    gtk_widget_grab_focus(widget);
  }
}

TwipSize GtkWindowSystem::ClientSize(FormHandle handle) {
  GtkWidget* layout = FormOf(handle).layout;
  int width = gtk_widget_get_allocated_width(layout);
  int height = gtk_widget_get_allocated_height(layout);
  if (width <= 1 || height <= 1) gtk_widget_get_size_request(layout, &width, &height);
  return {Twips(width), Twips(height)};
}

void GtkWindowSystem::SetControlText(FormHandle form, int index, const std::string& text) {
  GtkLiveControl& control = ControlOf(form, index);
  if (control.widget == nullptr) return;
  switch (control.kind) {
    case ControlKind::kTextBox: gtk_entry_set_text(GTK_ENTRY(control.widget), text.c_str()); return;
    case ControlKind::kCommandButton:
    case ControlKind::kOptionButton:
    case ControlKind::kCheckBox:
      gtk_label_set_text_with_mnemonic(GTK_LABEL(control.text), GtkMnemonicText(text).c_str());
      return;
    default:
      if (control.text != nullptr) gtk_label_set_text(GTK_LABEL(control.text), GtkLabelText(text).c_str());
  }
}

void GtkWindowSystem::SetControlTextColor(FormHandle form, int index, const std::optional<Color>& color) {
  GtkLiveControl& control = ControlOf(form, index);
  control.text_color = color;
  if (control.widget != nullptr) ApplyTextStyle(control);
}

void GtkWindowSystem::SetControlFont(FormHandle form, int index, const FontSpec& font) {
  GtkLiveControl& control = ControlOf(form, index);
  control.font = font;
  if (control.widget != nullptr) ApplyTextStyle(control);
}

void GtkWindowSystem::SetControlAlignment(FormHandle form, int index, TextAlignment alignment) {
  GtkLiveControl& control = ControlOf(form, index);
  control.alignment = alignment;
  if (control.widget != nullptr) ApplyTextStyle(control);
}

void GtkWindowSystem::SetControlBounds(FormHandle form, int index, const TwipRect& bounds) {
  GtkLiveControl& control = ControlOf(form, index);
  if (control.widget == nullptr) return;
  gtk_fixed_move(GTK_FIXED(control.container), control.widget, Pixels(bounds.left), Pixels(bounds.top));
  gtk_widget_set_size_request(control.widget, Pixels(bounds.width), Pixels(bounds.height));
  ApplyTextStyle(control);
}

void GtkWindowSystem::SetControlVisible(FormHandle form, int index, bool visible) {
  GtkLiveControl& control = ControlOf(form, index);
  if (control.widget != nullptr) gtk_widget_set_visible(control.widget, visible);
}

void GtkWindowSystem::SetControlChecked(FormHandle handle, int index, bool checked) {
  GtkLiveForm& form = FormOf(handle);
  GtkLiveControl& control = ControlOf(handle, index);
  if (control.widget == nullptr || !GTK_IS_TOGGLE_BUTTON(control.widget)) return;
  form.setting_marks = true;
  gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(control.widget), checked);
  form.setting_marks = false;
}

std::string GtkWindowSystem::ReadControlText(FormHandle form, int index) {
  GtkLiveControl& control = ControlOf(form, index);
  if (control.widget == nullptr) return "";
  if (control.kind == ControlKind::kTextBox) return gtk_entry_get_text(GTK_ENTRY(control.widget));
  return control.text != nullptr ? gtk_label_get_text(GTK_LABEL(control.text)) : "";
}

TwipSize GtkWindowSystem::MeasureText(const FontSpec& font, const std::string& text) {
  PangoContext* context = gdk_pango_context_get();
  PangoLayout* layout = pango_layout_new(context);
  PangoFontDescription* description = NewFontDescription(font);
  pango_layout_set_font_description(layout, description);
  pango_font_description_free(description);
  pango_layout_set_text(layout, GtkLines(text).c_str(), -1);
  int width = 0;
  int height = 0;
  pango_layout_get_pixel_size(layout, &width, &height);
  g_object_unref(layout);
  g_object_unref(context);
  return {text.empty() ? 0 : Twips(width), Twips(height)};
}

void GtkWindowSystem::SetTimer(FormHandle form, int index, int interval_ms) {
  GtkLiveControl& control = ControlOf(form, index);
  StopTimer(control);
  if (interval_ms > 0) control.timer_source = g_timeout_add(static_cast<guint>(interval_ms), OnTimer, &control);
}

void GtkWindowSystem::ShowMessageBox(const std::string& title, const std::string& text, GtkMessageType icon,
                                     std::function<void()> closed) {
  ++boxes_up_;
  // As large as Windows draws a box's icon: a third of an inch.
  const MessageBoxLook look{title, text, icon, Pixels(kTwipsPerInch / 3)};
  ShowGtkMessageBox(ActiveWindow(), look, [this, closed = std::move(closed)] {
    --boxes_up_;
    closed();
    QuitWhenNothingIsLeft();
  });
}

void GtkWindowSystem::BringForward() {
  for (const bool modal : {false, true}) {
    for (const auto& [handle, form] : forms_) {
      GtkWindow* window = GTK_WINDOW(form->window);
      if (gtk_widget_get_visible(form->window) && gtk_window_get_modal(window) == modal) gtk_window_present(window);
    }
  }
  // The message boxes, which block whatever is open.
  GList* toplevels = gtk_window_list_toplevels();
  for (GList* item = toplevels; item != nullptr; item = item->next) {
    GtkWidget* window = GTK_WIDGET(item->data);
    if (GTK_IS_MESSAGE_DIALOG(window) && gtk_widget_get_visible(window)) gtk_window_present(GTK_WINDOW(window));
  }
  g_list_free(toplevels);
}

void GtkWindowSystem::Run() {
  if (forms_.empty() && boxes_up_ == 0) return;
  running_ = true;
  gtk_main();
  running_ = false;
}

GtkWindow* GtkWindowSystem::ActiveWindow() const {
  for (const auto& [handle, form] : forms_) {
    if (gtk_window_is_active(GTK_WINDOW(form->window))) return GTK_WINDOW(form->window);
  }
  for (const auto& [handle, form] : forms_) {
    if (gtk_window_get_modal(GTK_WINDOW(form->window)) && gtk_widget_get_visible(form->window)) {
      return GTK_WINDOW(form->window);
    }
  }
  return nullptr;
}

GtkLiveForm& GtkWindowSystem::FormOf(FormHandle form) const {
  const auto found = forms_.find(form);
  if (found == forms_.end()) throw std::logic_error("no such form");
  return *found->second;
}

GtkLiveControl& GtkWindowSystem::ControlOf(FormHandle form, int control) const {
  return *FormOf(form).controls.at(static_cast<std::size_t>(control));
}
