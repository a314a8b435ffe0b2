// A pixmap with a cairo context on it, the toolkit's drawing on it, and the copy to the window.
#include "platform/x11/x11_canvas.h"

#include <numbers>

#include "platform/x11/x11_fonts.h"

PixmapCanvas::PixmapCanvas(Display* display, Window window, Visual* visual, int depth, int width, int height)
    : display_(display),
      pixmap_(XCreatePixmap(display, window, static_cast<unsigned>(width), static_cast<unsigned>(height),
                            static_cast<unsigned>(depth))),
      width_(width),
      height_(height),
      surface_(cairo_xlib_surface_create(display, pixmap_, visual, width, height)),
      cairo_(cairo_create(surface_)) {}

PixmapCanvas::~PixmapCanvas() {
  if (pixmap_cairo_ != nullptr) EndScaled(1);
  if (miniature_ != nullptr) cairo_surface_destroy(miniature_);
  cairo_destroy(cairo_);
  cairo_surface_destroy(surface_);
  XFreePixmap(display_, pixmap_);
}

void PixmapCanvas::UseColor(const Color& color) {
  cairo_set_source_rgb(cairo_, color.red / 255.0, color.green / 255.0, color.blue / 255.0);
}

void PixmapCanvas::FillBox(const Color& color, const PixelBox& box) {
  UseColor(color);
  cairo_rectangle(cairo_, static_cast<double>(box.left), static_cast<double>(box.top), static_cast<double>(box.width),
                  static_cast<double>(box.height));
  cairo_fill(cairo_);
}

void PixmapCanvas::FillDisc(const Color& color, const PixelBox& bounds) {
  if (bounds.width <= 0 || bounds.height <= 0) return;
  cairo_save(cairo_);
  cairo_translate(cairo_, static_cast<double>(bounds.left) + static_cast<double>(bounds.width) / 2.0,
                  static_cast<double>(bounds.top) + static_cast<double>(bounds.height) / 2.0);
  cairo_scale(cairo_, static_cast<double>(bounds.width) / 2.0, static_cast<double>(bounds.height) / 2.0);
  cairo_arc(cairo_, 0, 0, 1, 0, 2 * std::numbers::pi);
  UseColor(color);
  cairo_fill(cairo_);
  cairo_restore(cairo_);
}

void PixmapCanvas::DrawLine(const TextLine& line, const Color& color, long long left, long long top) {
  UseColor(color);
  static_cast<const LaidOutLine&>(line).Draw(cairo_, left, top);
}

void PixmapCanvas::PushClip(const PixelBox& box) {
  cairo_save(cairo_);
  cairo_rectangle(cairo_, static_cast<double>(box.left), static_cast<double>(box.top), static_cast<double>(box.width),
                  static_cast<double>(box.height));
  cairo_clip(cairo_);
}

void PixmapCanvas::PopClip() { cairo_restore(cairo_); }

void PixmapCanvas::BeginScaled(int width, int height) {
  if (miniature_ == nullptr || cairo_image_surface_get_width(miniature_) != width ||
      cairo_image_surface_get_height(miniature_) != height) {
    if (miniature_ != nullptr) cairo_surface_destroy(miniature_);
    miniature_ = cairo_surface_create_similar_image(surface_, CAIRO_FORMAT_RGB24, width, height);
  }
  pixmap_cairo_ = cairo_;
  cairo_ = cairo_create(miniature_);
}

void PixmapCanvas::EndScaled(double scale) {
  cairo_t* pixmap_cairo = pixmap_cairo_;
  pixmap_cairo_ = nullptr;
  cairo_save(pixmap_cairo);
  cairo_scale(pixmap_cairo, scale, scale);
  cairo_set_source_surface(pixmap_cairo, cairo_get_target(cairo_), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(pixmap_cairo), CAIRO_FILTER_GOOD);
  cairo_paint(pixmap_cairo);
  cairo_restore(pixmap_cairo);
  cairo_destroy(cairo_);
  cairo_ = pixmap_cairo;
}

void PixmapCanvas::CopyTo(Window window) {
  cairo_surface_flush(surface_);
  XCopyArea(display_, pixmap_, window, DefaultGC(display_, DefaultScreen(display_)), 0, 0,
            static_cast<unsigned>(width_), static_cast<unsigned>(height_), 0, 0);
}
