// Text through Pango and cairo: a design's face is asked for by its Windows name, which
// fontconfig resolves to the metric-compatible face installed; characters that face lacks
// come from any other font that has them, shaped (joined Arabic, placed marks) and in
// their own direction. Lines are measured and drawn from the same layout.
#pragma once

#include <X11/Xlib.h>
#include <pango/pangocairo.h>

#include <memory>
#include <string_view>

#include "ui/design.h"

// One line of text laid out: its logical size in pixels, and its drawing.
class LaidOutLine {
 public:
  explicit LaidOutLine(PangoLayout* layout);
  int width() const { return width_; }
  int height() const { return height_; }
  // Draws the line in the context's colour with the left of its logical box at `left` and
  // its top at `top`.
  void Draw(cairo_t* cairo, long long left, long long top) const;

 private:
  struct Unref {
    void operator()(PangoLayout* layout) const { g_object_unref(layout); }
  };
  std::unique_ptr<PangoLayout, Unref> layout_;
  int left_offset_ = 0;
  int width_ = 0;
  int height_ = 0;
};

class PangoFonts {
 public:
  // Rendered as the screen's settings ask (antialiasing, hinting); `dots_per_inch` turns
  // points into pixels.
  PangoFonts(Display* display, int screen, double dots_per_inch);
  ~PangoFonts();
  PangoFonts(const PangoFonts&) = delete;
  PangoFonts& operator=(const PangoFonts&) = delete;

  // A line of UTF-8 (no line breaks) laid out in the design's face, size and weight.
  LaidOutLine Line(const FontSpec& font, std::string_view utf8);

 private:
  PangoFontMap* font_map_;
  PangoContext* context_;
  double dots_per_inch_;
};
