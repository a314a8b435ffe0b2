// Text through Pango and cairo: a design's face is asked for by its Windows name, which
// fontconfig resolves to the metric-compatible face installed; characters that face lacks
// come from any other font that has them, shaped (joined Arabic, placed marks) and in
// their own direction.
//
// A line is laid out once for each face and weight, at one reference size, and measured and
// drawn at any other size by scaling: fonts are looked up, and text shaped, for a handful of
// faces rather than for every size a label passes through. The lines laid out last are kept,
// so that a label measured and then drawn, or drawn again, or shrunk to fit, is laid out once.
#pragma once

#include <X11/Xlib.h>
#include <pango/pangocairo.h>

#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "ui/drawn/canvas.h"

// Pango's objects are counted references: a holder gives its own back when it goes.
struct GObjectUnref {
  void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T>
using GObjectOwned = std::unique_ptr<T, GObjectUnref>;

// One line of text laid out at the reference size.
class ReferenceLine {
 public:
  explicit ReferenceLine(GObjectOwned<PangoLayout> layout);
  PangoLayout* layout() const { return layout_.get(); }
  // Its logical box, in Pango units at the reference size.
  int left_offset() const { return left_offset_; }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  GObjectOwned<PangoLayout> layout_;
  int left_offset_ = 0;
  int width_ = 0;
  int height_ = 0;
};

// One line of text at one pixel size: its logical size in whole pixels, and its drawing.
class LaidOutLine : public TextLine {
 public:
  LaidOutLine(std::shared_ptr<const ReferenceLine> line, long pixels);
  int width() const override { return width_; }
  int height() const override { return height_; }
  // Draws the line in the context's colour with the left of its logical box at `left` and
  // its top at `top`.
  void Draw(cairo_t* cairo, long long left, long long top) const;

 private:
  std::shared_ptr<const ReferenceLine> line_;
  double scale_;
  int width_;
  int height_;
};

// Whether fontconfig knows of any font at all. Without one, every letter would come out as
// a box one pixel high.
bool AnyFontInstalled();

class PangoFonts : public TextMeasurer {
 public:
  // Rendered as the screen's settings ask (antialiasing, hinting).
  PangoFonts(Display* display, int screen);
  PangoFonts(const PangoFonts&) = delete;
  PangoFonts& operator=(const PangoFonts&) = delete;

  // A LaidOutLine.
  std::shared_ptr<const TextLine> LayOutLine(const CanvasFont& font, std::string_view utf8) override;

 private:
  struct Kept {
    std::string key;
    std::shared_ptr<const ReferenceLine> line;
  };
  std::shared_ptr<const ReferenceLine> LayOut(const CanvasFont& font, std::string_view utf8);

  GObjectOwned<PangoFontMap> font_map_;
  GObjectOwned<PangoContext> context_;
  // The lines laid out last, the latest first, found by face, weight and text.
  std::list<Kept> kept_;
  std::unordered_map<std::string_view, std::list<Kept>::iterator> kept_by_key_;
  std::size_t kept_bytes_ = 0;
};
