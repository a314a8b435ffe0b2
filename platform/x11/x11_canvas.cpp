// A pixmap with a cairo context on it, and the copy to the window.
#include "platform/x11/x11_canvas.h"

#include <numbers>

PixmapCanvas::PixmapCanvas(Display* display, Window window, Visual* visual, int depth, int width, int height)
    : display_(display),
      pixmap_(XCreatePixmap(display, window, static_cast<unsigned>(width), static_cast<unsigned>(height),
                            static_cast<unsigned>(depth))),
      width_(width),
      height_(height),
      surface_(cairo_xlib_surface_create(display, pixmap_, visual, width, height)),
      cairo_(cairo_create(surface_)) {}

PixmapCanvas::~PixmapCanvas() {
  if (pixmap_cairo_ != nullptr) EndMiniature(1);
  if (miniature_ != nullptr) cairo_surface_destroy(miniature_);
  cairo_destroy(cairo_);
  cairo_surface_destroy(surface_);
  XFreePixmap(display_, pixmap_);
}

void PixmapCanvas::UseColor(const Color& color) {
  cairo_set_source_rgb(cairo_, color.red / 255.0, color.green / 255.0, color.blue / 255.0);
}

void PixmapCanvas::Fill(const Color& color, int left, int top, int width, int height) {
  UseColor(color);
  cairo_rectangle(cairo_, left, top, width, height);
  cairo_fill(cairo_);
}

void PixmapCanvas::FillEllipse(const Color& color, const XRectangle& clip, long long left, long long top,
                               long long width, long long height) {
  if (width <= 0 || height <= 0) return;
  cairo_save(cairo_);
  cairo_rectangle(cairo_, clip.x, clip.y, clip.width, clip.height);
  cairo_clip(cairo_);
  cairo_translate(cairo_, left + width / 2.0, top + height / 2.0);
  cairo_scale(cairo_, width / 2.0, height / 2.0);
  cairo_arc(cairo_, 0, 0, 1, 0, 2 * std::numbers::pi);
  UseColor(color);
  cairo_fill(cairo_);
  cairo_restore(cairo_);
}

void PixmapCanvas::BeginMiniature(int width, int height) {
  // The picture is kept for the next time, which is most often of the same size.
  if (miniature_ == nullptr || cairo_image_surface_get_width(miniature_) != width ||
      cairo_image_surface_get_height(miniature_) != height) {
    if (miniature_ != nullptr) cairo_surface_destroy(miniature_);
    miniature_ = cairo_surface_create_similar_image(surface_, CAIRO_FORMAT_RGB24, width, height);
  }
  pixmap_cairo_ = cairo_;
  cairo_ = cairo_create(miniature_);
}

void PixmapCanvas::EndMiniature(double scale) {
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
