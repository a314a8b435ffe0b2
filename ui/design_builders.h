// Short builders for the forms' design tables, so that each table reads as one line per
// control: kind, container, place in twips, caption and appearance.
#pragma once

#include <optional>
#include <string>

#include "ui/design.h"

namespace design {

inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kYellow{255, 255, 0};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kGreen{0, 255, 0};
inline constexpr Color kBlue{0, 0, 255};
inline constexpr Color kDarkBlue{0, 0, 192};
inline constexpr Color kNavy{0, 0, 128};
inline constexpr Color kPaleYellow{255, 255, 192};
inline constexpr Color kLightGreen{128, 255, 128};

// A window without controls yet; `client_width` and `client_height` in twips.
inline FormDesign Window(const char* name, const std::string& caption, int client_width,
                         int client_height, BorderStyle border) {
  FormDesign form;
  form.name = name;
  form.caption = caption;
  form.client_width = client_width;
  form.client_height = client_height;
  form.border = border;
  form.show_icon = false;
  return form;
}

inline FontSpec Font(const char* name, double points, bool bold = false, bool underline = false) {
  return {name, points, bold, underline};
}
inline const FontSpec kDialogFont{"MS Sans Serif", 8.25, false, false};

inline ControlDesign Control(const char* name, ControlKind kind, const std::string& parent,
                             TwipRect bounds, const std::string& caption = "") {
  ControlDesign control;
  control.name = name;
  control.kind = kind;
  control.parent = parent;
  control.bounds = bounds;
  control.caption = caption;
  return control;
}

// A label; transparent over its container unless `opaque`.
inline ControlDesign Label(const char* name, const std::string& parent, TwipRect bounds,
                           const std::string& caption, FontSpec font = kDialogFont,
                           std::optional<Color> color = std::nullopt,
                           TextAlignment alignment = TextAlignment::kLeft, bool opaque = false) {
  ControlDesign label = Control(name, ControlKind::kLabel, parent, bounds, caption);
  label.font = font;
  label.text_color = color;
  label.alignment = alignment;
  label.transparent = !opaque;
  return label;
}

inline ControlDesign Timer(const char* name, int interval_ms, bool enabled) {
  ControlDesign timer = Control(name, ControlKind::kTimer, "", {});
  timer.interval_ms = interval_ms;
  timer.enabled = enabled;
  return timer;
}

inline ControlDesign Panel(const char* name, const std::string& parent, TwipRect bounds, Color color) {
  ControlDesign panel = Control(name, ControlKind::kPictureBox, parent, bounds);
  panel.back_color = color;
  return panel;
}

}  // namespace design
