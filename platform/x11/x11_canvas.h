// The off-screen picture a form is drawn into and then copied to its window in one piece:
// a pixmap of the window's size, depth and visual, with a cairo context drawing on it.
#pragma once

#include <X11/Xlib.h>
#include <cairo-xlib.h>

#include "ui/design.h"

class PixmapCanvas {
 public:
  PixmapCanvas(Display* display, Window window, Visual* visual, int depth, int width, int height);
  ~PixmapCanvas();
  PixmapCanvas(const PixmapCanvas&) = delete;
  PixmapCanvas& operator=(const PixmapCanvas&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  cairo_t* cairo() const { return cairo_; }

  // Fills a rectangle, clipped to whatever clip is set.
  void Fill(const Color& color, int left, int top, int width, int height);
  // Fills the ellipse a rectangle holds, its edge antialiased, clipped to `clip`.
  void FillEllipse(const Color& color, const XRectangle& clip, long long left, long long top, long long width,
                   long long height);
  // Makes `color` the colour of what is drawn next.
  void UseColor(const Color& color);
  // What is drawn from here on goes into a picture of `width` by `height`, until
  // EndMiniature draws that picture made smaller by `scale` over the top left of this one.
  void BeginMiniature(int width, int height);
  void EndMiniature(double scale);
  // Shows the picture in `window`, which it was made for.
  void CopyTo(Window window);

 private:
  Display* display_;
  Pixmap pixmap_;
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cairo_;
  cairo_surface_t* miniature_ = nullptr;
  cairo_t* pixmap_cairo_ = nullptr;  // while a miniature is drawn
};
