// Faces through fontconfig and Xft: a design's face is asked for by its Windows name, which
// fontconfig resolves to the metric-compatible face installed. Fonts and colours are kept
// for the run, as the display tick asks for the same few again and again.
#pragma once

#include <X11/Xft/Xft.h>

#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "ui/design.h"

class XftFonts {
 public:
  // `dots_per_inch` turns points into pixels.
  XftFonts(Display* display, int screen, double dots_per_inch);
  ~XftFonts();
  XftFonts(const XftFonts&) = delete;
  XftFonts& operator=(const XftFonts&) = delete;

  // The font for a design's face, size and weight; throws when not even a fallback opens.
  XftFont& Font(const FontSpec& wanted);
  // The advance of a UTF-8 line in pixels.
  long long LineWidth(XftFont& font, std::string_view utf8);
  // The height of one line: ascent and descent, as Windows counts a line.
  static int LineHeight(const XftFont& font) { return font.ascent + font.descent; }

 private:
  Display* display_;
  int screen_;
  double dots_per_inch_;
  std::map<std::tuple<std::string, int, bool>, XftFont*> fonts_;
};

// The colours drawn into windows of one visual and colour map.
class XftColors {
 public:
  XftColors(Display* display, Visual* visual, Colormap colormap)
      : display_(display), visual_(visual), colormap_(colormap) {}
  ~XftColors();
  XftColors(const XftColors&) = delete;
  XftColors& operator=(const XftColors&) = delete;

  const XftColor& Of(const Color& color);

 private:
  Display* display_;
  Visual* visual_;
  Colormap colormap_;
  std::map<std::tuple<int, int, int>, XftColor> colors_;
};
