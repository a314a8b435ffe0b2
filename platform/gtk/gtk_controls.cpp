// The controls of a form built as GTK widgets, each kind as a Linux user knows it: labels,
// push buttons, radio buttons, the check button, the entry, frames and coloured boxes, each
// placed from its design and shown in the design's face and colours.
#include <string>

#include "platform/gtk/gtk_design_layout.h"
#include "platform/gtk/gtk_input.h"
#include "platform/gtk/gtk_text.h"
#include "platform/gtk/gtk_window_system.h"
#include "ui/focus_order.h"

namespace {

// The colour as CSS writes it.
std::string CssColor(const Color& color) {
  return "rgb(" + std::to_string(color.red) + "," + std::to_string(color.green) + "," +
         std::to_string(color.blue) + ")";
}

}  // namespace

void PaintBackground(GtkWidget* widget, const Color& color) {
  GtkCssProvider* provider = gtk_css_provider_new();
  const std::string css = "* { background-color: " + CssColor(color) + "; background-image: none; }";
  gtk_css_provider_load_from_data(provider, css.c_str(), -1, nullptr);
  gtk_style_context_add_provider(gtk_widget_get_style_context(widget), GTK_STYLE_PROVIDER(provider),
                                 GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
}

namespace {

GtkWidget* NewLayout() {
  GtkWidget* layout = NewDesignLayout();
  gtk_widget_show(layout);
  return layout;
}

// Lines that do not fit the width wrap at words.
GtkWidget* NewTextLabel(bool wraps) {
  GtkWidget* text = gtk_label_new(nullptr);
  gtk_label_set_line_wrap(GTK_LABEL(text), wraps);
  gtk_label_set_line_wrap_mode(GTK_LABEL(text), PANGO_WRAP_WORD_CHAR);
  gtk_widget_show(text);
  return text;
}

// Buttons, options and the check box: their caption in a label that wraps, as Windows
// wraps a long caption on a button of several lines.
GtkWidget* AddCaption(GtkWidget* button, const std::string& caption, float xalign) {
  GtkWidget* text = NewTextLabel(true);
  gtk_label_set_text_with_mnemonic(GTK_LABEL(text), GtkMnemonicText(caption).c_str());
  gtk_label_set_xalign(GTK_LABEL(text), xalign);
  gtk_label_set_justify(GTK_LABEL(text), xalign == 0 ? GTK_JUSTIFY_LEFT : GTK_JUSTIFY_CENTER);
  gtk_container_add(GTK_CONTAINER(button), text);
  return text;
}

// The radio button a new option joins: the last option made in the same container.
GtkWidget* GroupOf(const FormDesign& design, const GtkLiveForm& form, std::size_t before) {
  for (std::size_t i = before; i-- > 0;) {
    if (design.controls[i].kind == ControlKind::kOptionButton &&
        design.controls[i].parent == design.controls[before].parent && form.controls[i]->widget != nullptr) {
      return form.controls[i]->widget;
    }
  }
  return nullptr;
}

// The layout of the picture box or frame named `name` among the controls made before.
GtkWidget* ContainerLayout(const FormDesign& design, const GtkLiveForm& form, const std::string& name,
                           std::size_t before) {
  for (std::size_t i = 0; i < before; ++i) {
    if (design.controls[i].name == name && form.controls[i]->inner != nullptr) return form.controls[i]->inner;
  }
  return nullptr;
}

}  // namespace

// Every control but a timer becomes a widget in its container's layout, each drawn above
// those made before it. A control whose container has no layout is not made.
void GtkWindowSystem::BuildControls(const FormDesign& design, GtkLiveForm& form) {
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    const ControlDesign& control = design.controls[i];
    auto live = std::make_unique<GtkLiveControl>();
    live->form = &form;
    live->index = static_cast<int>(i);
    live->kind = control.kind;
    live->font = control.font;
    live->text_color = control.text_color;
    live->alignment = control.alignment;
    GtkLiveControl& built = *live;
    form.controls.push_back(std::move(live));
    if (control.kind == ControlKind::kTimer) continue;
    built.container = control.parent.empty() ? form.layout : ContainerLayout(design, form, control.parent, i);
    if (built.container == nullptr) continue;

    switch (control.kind) {
      case ControlKind::kLabel: {
        // A window of its own cuts off what does not fit the label's design, as on Windows.
        built.widget = gtk_event_box_new();
        if (!control.transparent && control.back_color) PaintBackground(built.widget, *control.back_color);
        built.text = NewTextLabel(!control.auto_size);
        gtk_label_set_text(GTK_LABEL(built.text), GtkLabelText(control.caption).c_str());
        gtk_container_add(GTK_CONTAINER(built.widget), built.text);
        WatchLabelClicks(built);
        break;
      }
      case ControlKind::kPictureBox: {
        built.widget = gtk_event_box_new();
        if (control.back_color) PaintBackground(built.widget, *control.back_color);
        built.inner = NewLayout();
        gtk_container_add(GTK_CONTAINER(built.widget), built.inner);
        break;
      }
      case ControlKind::kFrame: {
        // The outline lies beneath the frame's controls, which are placed from the frame's
        // outer corner as on Windows, not from inside GTK's border.
        built.widget = NewLayout();
        GtkWidget* outline = gtk_frame_new(nullptr);
        built.text = gtk_label_new(GtkLabelText(control.caption).c_str());
        gtk_frame_set_label_widget(GTK_FRAME(outline), built.text);
        gtk_widget_set_size_request(outline, Pixels(control.bounds.width), Pixels(control.bounds.height));
        gtk_fixed_put(GTK_FIXED(built.widget), outline, 0, 0);
        gtk_widget_show_all(outline);
        built.inner = built.widget;
        break;
      }
      case ControlKind::kCommandButton:
        built.widget = gtk_button_new();
        built.text = AddCaption(built.widget, control.caption, 0.5f);
        if (control.cancel) form.cancel_control = built.index;
        break;
      case ControlKind::kOptionButton:
        built.widget = gtk_radio_button_new_from_widget(
            GTK_RADIO_BUTTON(GroupOf(design, form, i)));
        built.text = AddCaption(built.widget, control.caption, 0.0f);
        break;
      case ControlKind::kCheckBox:
        built.widget = gtk_check_button_new();
        built.text = AddCaption(built.widget, control.caption, 0.0f);
        break;
      case ControlKind::kTextBox:
        built.widget = gtk_entry_new();
        gtk_entry_set_text(GTK_ENTRY(built.widget), control.caption.c_str());
        gtk_entry_set_width_chars(GTK_ENTRY(built.widget), 1);
        break;
      case ControlKind::kTimer: break;
    }
    if (control.kind == ControlKind::kOptionButton || control.kind == ControlKind::kCheckBox) {
      gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(built.widget), control.checked);
    }
    if (!control.tooltip.empty()) gtk_widget_set_tooltip_text(built.widget, control.tooltip.c_str());
    gtk_widget_set_can_focus(built.widget, TakesFocus(control.kind));
    ApplyTextStyle(built);
    gtk_fixed_put(GTK_FIXED(built.container), built.widget, Pixels(control.bounds.left), Pixels(control.bounds.top));
    gtk_widget_set_size_request(built.widget, Pixels(control.bounds.width), Pixels(control.bounds.height));
    if (TakesFocus(control.kind)) WatchFocus(built);
    if (control.kind == ControlKind::kCommandButton || control.kind == ControlKind::kOptionButton ||
        control.kind == ControlKind::kCheckBox) {
      WatchClicks(built);
    }
    gtk_widget_set_visible(built.widget, control.visible);
  }
}

// The face, size, weight, underline and colour of the control's text, and where its lines
// lie.
void GtkWindowSystem::ApplyTextStyle(GtkLiveControl& control) {
  if (control.kind == ControlKind::kTextBox) {
    PangoAttrList* attributes = pango_attr_list_new();
    PangoFontDescription* description = NewFontDescription(control.font);
    pango_attr_list_insert(attributes, pango_attr_font_desc_new(description));
    pango_font_description_free(description);
    gtk_entry_set_attributes(GTK_ENTRY(control.widget), attributes);
    pango_attr_list_unref(attributes);
    return;
  }
  if (control.text == nullptr) return;
  PangoAttrList* attributes = pango_attr_list_new();
  PangoFontDescription* description = NewFontDescription(control.font);
  pango_attr_list_insert(attributes, pango_attr_font_desc_new(description));
  pango_font_description_free(description);
  if (control.font.underline) pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (control.text_color) {
    const Color& color = *control.text_color;
    pango_attr_list_insert(attributes, pango_attr_foreground_new(color.red * 257, color.green * 257, color.blue * 257));
  }
  gtk_label_set_attributes(GTK_LABEL(control.text), attributes);
  pango_attr_list_unref(attributes);
  if (control.kind != ControlKind::kLabel) return;

  const float xalign = control.alignment == TextAlignment::kLeft ? 0.0f : control.alignment == TextAlignment::kRight ? 1.0f : 0.5f;
  gtk_label_set_xalign(GTK_LABEL(control.text), xalign);
  gtk_label_set_yalign(GTK_LABEL(control.text), 0.0f);
  gtk_label_set_justify(GTK_LABEL(control.text), control.alignment == TextAlignment::kLeft    ? GTK_JUSTIFY_LEFT
                                                 : control.alignment == TextAlignment::kRight ? GTK_JUSTIFY_RIGHT
                                                                                              : GTK_JUSTIFY_CENTER);
}
