// Captions and texts of the designs as GTK shows them: Windows' line ends and accelerator
// marks turned into GTK's, and the design's faces into a Pango font.
#pragma once

#include <pango/pango.h>

#include <string>

#include "ui/design.h"

// CR LF (or a lone CR) as the line feed GTK breaks lines at.
std::string GtkLines(const std::string& text);

// A caption whose "&x" marks the accelerator x, as a GTK mnemonic text ("_x"): "&&" shows
// one ampersand, and an underscore of the caption shows as itself.
std::string GtkMnemonicText(const std::string& caption);

// A label's caption as it shows: "&&" is one ampersand, a lone "&" marks a letter and is
// not shown.
std::string GtkLabelText(const std::string& caption);

// The face the design names, then the face metric-compatible with Windows' own sans faces
// for a name the system does not know; size in points, weight.
PangoFontDescription* NewFontDescription(const FontSpec& font);
