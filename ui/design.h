// Form designs as data: each control's kind, parent, place in twips, caption, font,
// colours and flags, the way a resource script describes a dialog. Live forms are built
// from these tables, so a form opened again starts from its design values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Color&) const = default;
};

struct FontSpec {
  std::string name = "MS Sans Serif";
  double size_points = 8.25;
  bool bold = false;
  bool underline = false;
  bool operator==(const FontSpec&) const = default;
};

enum class ControlKind { kLabel, kPictureBox, kTimer, kCommandButton, kFrame, kOptionButton, kCheckBox, kTextBox };
enum class TextAlignment { kLeft, kRight, kCenter };
enum class BorderStyle { kNone, kFixedSingle, kSizable, kFixedDialog };

// Lengths in twips (1440 per inch), relative to the parent's client area.
struct TwipRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const TwipRect&) const = default;
};

struct ControlDesign {
  std::string name;
  ControlKind kind = ControlKind::kLabel;
  std::string parent;  // the name of a picture box or frame; empty: the form itself
  TwipRect bounds;
  std::string caption;  // labels, buttons, frames, options, check box; the text box's text
  FontSpec font;
  std::optional<Color> text_color;  // none: the system's window-text colour
  std::optional<Color> back_color;  // none: the system's window colour
  bool transparent = false;         // labels: the container shows through
  // Picture boxes: only the ellipse their bounds hold is filled, the container showing round
  // it (a disc in a square). A backend whose picture boxes are rectangular windows fills
  // the whole rectangle; its controls inside clip to the rectangle either way.
  bool round = false;
  TextAlignment alignment = TextAlignment::kLeft;
  bool auto_size = false;  // labels: the size follows the text, on one line per text line
  bool visible = true;
  bool enabled = true;  // timers: ticking
  int tab_index = -1;   // the place in the tab order; equal or unset ones follow creation order
  std::string tooltip;
  int interval_ms = 0;  // timers
  bool checked = false;  // option buttons and check box
  bool cancel = false;   // command buttons: pressed by Escape
};

// What a form's role asks of the window system beyond its controls. A dialog keeps the
// defaults; the saver's whole-screen window turns each of them round.
struct FormRole {
  bool ignores_close_requests = false;  // the close box and Alt+F4 do nothing
  bool keeps_system_keys = false;       // Alt, F10, Alt+F4 reach the form as keys, not the system
  bool takes_dialog_keys = true;        // Tab, accelerators and Escape work as in a dialog
  bool covers_other_monitors = false;   // every other monitor is blacked out while it is shown
};

struct FormDesign {
  std::string name;
  std::string caption;
  int client_width = 0;  // twips
  int client_height = 0;
  std::optional<Color> back_color;  // none: the system's window colour
  BorderStyle border = BorderStyle::kSizable;
  bool maximized = false;  // covers the primary monitor
  bool topmost = false;
  bool show_icon = true;
  FormRole role;
  std::vector<ControlDesign> controls;  // in creation order; later ones lie above earlier
};
