// The drawn toolkit's canvas on X11: an off-screen picture a form is painted into with cairo
// and then copied to its window in one piece, a pixmap of the window's size, depth and
// visual; its text is the lines PangoFonts lays out.
#pragma once

#include <X11/Xlib.h>
#include <cairo-xlib.h>

#include "ui/drawn/canvas.h"

class PixmapCanvas : public Canvas {
 public:
  PixmapCanvas(Display* display, Window window, Visual* visual, int depth, int width, int height);
  ~PixmapCanvas() override;
  PixmapCanvas(const PixmapCanvas&) = delete;
  PixmapCanvas& operator=(const PixmapCanvas&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }

  void FillBox(const Color& color, const PixelBox& box) override;
  void FillDisc(const Color& color, const PixelBox& bounds) override;
  // `line` is one of PangoFonts' lines.
  void DrawLine(const TextLine& line, const Color& color, long long left, long long top) override;
  void PushClip(const PixelBox& box) override;
  void PopClip() override;
  // The picture of a miniature is kept for the next one, which is most often of the same size.
  void BeginScaled(int width, int height) override;
  void EndScaled(double scale) override;

  // Shows the picture in `window`, which it was made for.
  void CopyTo(Window window);

 private:
  void UseColor(const Color& color);

  Display* display_;
  Pixmap pixmap_;
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cairo_;
  cairo_surface_t* miniature_ = nullptr;
  cairo_t* pixmap_cairo_ = nullptr;  // while a miniature is drawn
};
