// The setup forms as GTK 3 widgets: each form a window holding a fixed layout, each control
// the GTK widget a Linux user knows for its kind, placed from its design at the desktop's
// scale. Input comes back as the forms' events; the dialog keys go to the forms first.
#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/window_system.h"

struct GtkLiveForm;

// One control as built: the widget placed in its container, the label showing its text, and
// for a frame or picture box the layout that holds its own controls.
struct GtkLiveControl {
  GtkLiveForm* form = nullptr;
  int index = 0;
  ControlKind kind = ControlKind::kLabel;
  GtkWidget* widget = nullptr;     // null for a timer, or a control whose container has none
  GtkWidget* text = nullptr;       // the GtkLabel that shows the caption, if any
  GtkWidget* inner = nullptr;      // containers: where their controls are placed
  GtkWidget* container = nullptr;  // the layout the widget lies in
  FontSpec font;
  std::optional<Color> text_color;
  TextAlignment alignment = TextAlignment::kLeft;
  guint timer_source = 0;
  bool pressed = false;  // labels: a button went down over it and has not come up yet
};

struct GtkLiveForm {
  FormHandle handle = 0;
  FormEventSink* sink = nullptr;  // none once the form is being destroyed
  GtkWidget* window = nullptr;
  GtkWidget* layout = nullptr;
  std::vector<std::unique_ptr<GtkLiveControl>> controls;
  int cancel_control = -1;
  FormHandle modal_owner = 0;  // the form this one blocks while it is open
  // Set while the program changes a mark, so the change does not come back as a click.
  bool setting_marks = false;
};

// Fills the widget's own background with `color`; its children are not affected.
void PaintBackground(GtkWidget* widget, const Color& color);

class GtkWindowSystem : public WindowSystem {
 public:
  // Needs GTK initialised on a display.
  GtkWindowSystem();
  ~GtkWindowSystem() override;

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

  // A message box over the active form, if any; returns at once, and `closed` runs once the
  // user has closed it. The program runs on while a box is up, with or without forms.
  void ShowMessageBox(const std::string& title, const std::string& text, GtkMessageType icon,
                      std::function<void()> closed);

  // Brings the program's windows to the front, each owner below what it is blocked by,
  // and the focus to the one on top: what a copy started again shows the user.
  void BringForward();

  // Serves the windows until the last of them is destroyed and no box is up.
  void Run();

  int Pixels(int twips) const;
  int Twips(int pixels) const;

 private:
  GtkLiveForm& FormOf(FormHandle form) const;
  GtkLiveControl& ControlOf(FormHandle form, int control) const;
  GtkWindow* ActiveWindow() const;
  void QuitWhenNothingIsLeft();
  void BuildControls(const FormDesign& design, GtkLiveForm& form);
  void ApplyTextStyle(GtkLiveControl& control);

  int dots_per_inch_;
  std::map<FormHandle, std::unique_ptr<GtkLiveForm>> forms_;
  // Forms destroyed while one of their own signals may still be running, freed when idle.
  std::vector<std::unique_ptr<GtkLiveForm>> retired_;
  guint retire_source_ = 0;
  FormHandle next_handle_ = 1;
  bool running_ = false;
  int boxes_up_ = 0;
};
