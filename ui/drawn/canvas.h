// The surface a home gives the drawn toolkit to paint forms on, and the text it lays out
// there: fill a box or a disc, lay out, measure and draw a line of text, clip, scale. Places
// and sizes are whole pixels of the picture being drawn, x to the right and y down from its
// top left; a place may lie far outside the picture, and whatever falls outside is not drawn.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "ui/design.h"

struct PixelBox {
  long long left = 0;
  long long top = 0;
  long long width = 0;
  long long height = 0;
  bool operator==(const PixelBox&) const = default;
};

// A design's face at a size in whole pixels. `face` is the design's own name for it; the home
// finds the face it has for that name, and for characters that face lacks, any other face.
struct CanvasFont {
  std::string face;
  int pixels = 1;  // the character height, at least one
  bool bold = false;
  bool operator==(const CanvasFont&) const = default;
};

// One line of text laid out in one font: measured once, drawn any number of times.
class TextLine {
 public:
  virtual ~TextLine() = default;
  // The line's logical box in whole pixels: its advance rounded up, and the font's line
  // height (ascent and descent) to the nearest.
  virtual int width() const = 0;
  virtual int height() const = 0;
};

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  // `utf8` holds no line break; bytes that are not UTF-8 show as replacement characters.
  // The text is shaped and runs in its own direction (Arabic joined, right to left), but
  // the line's box is what the toolkit places. Never null.
  virtual std::shared_ptr<const TextLine> LayOutLine(const CanvasFont& font, std::string_view utf8) = 0;
};

// Everything drawn is clipped to the innermost clip pushed, and to the picture.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void FillBox(const Color& color, const PixelBox& box) = 0;
  // The ellipse `bounds` holds (a disc in a square), its edge antialiased.
  virtual void FillDisc(const Color& color, const PixelBox& bounds) = 0;
  // A line from the same home's TextMeasurer, with the left of its logical box at `left` and
  // its top at `top`.
  virtual void DrawLine(const TextLine& line, const Color& color, long long left, long long top) = 0;
  // Clips to the part of `box` within the present clip, until the matching PopClip.
  virtual void PushClip(const PixelBox& box) = 0;
  virtual void PopClip() = 0;
  // What is drawn from here until EndScaled goes into a picture of `width` by `height` pixels,
  // which EndScaled then draws over this one's top left, `scale` (at most 1) times the size,
  // smoothly resampled: text is laid out at full size, so a miniature shows the same lines.
  // Clips are pushed and popped within the two calls, never across them.
  virtual void BeginScaled(int width, int height) = 0;
  virtual void EndScaled(double scale) = 0;
};
