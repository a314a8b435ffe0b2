// Conversions of the designs' texts and faces for GTK.
#include "platform/gtk/gtk_text.h"

#include "ui/faces.h"

namespace {

// The caption with each "&" mark dealt with by `marked` (given the marked character).
template <class Marked>
std::string WithMarks(const std::string& caption, Marked marked) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&' || i + 1 == caption.size()) {
      shown += caption[i];
    } else if (caption[i + 1] == '&') {
      shown += '&';
      ++i;
    } else {
      marked(shown, caption[++i]);
    }
  }
  return shown;
}

}  // namespace

std::string GtkLines(const std::string& text) {
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      lines += text[i];
    } else if (i + 1 == text.size() || text[i + 1] != '\n') {
      lines += '\n';
    }
  }
  return lines;
}

std::string GtkMnemonicText(const std::string& caption) {
  std::string escaped;
  for (char c : caption) {
    escaped += c;
    if (c == '_') escaped += '_';
  }
  return WithMarks(GtkLines(escaped), [](std::string& shown, char letter) {
    shown += '_';
    shown += letter;
  });
}

std::string GtkLabelText(const std::string& caption) {
  return WithMarks(GtkLines(caption), [](std::string& shown, char letter) { shown += letter; });
}

PangoFontDescription* NewFontDescription(const FontSpec& font) {
  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, LinuxFamiliesOf(font.name).c_str());
  pango_font_description_set_size(description, static_cast<gint>(font.size_points * PANGO_SCALE + 0.5));
  pango_font_description_set_weight(description, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  return description;
}
