// A pixmap with a cairo context on it, and the copy to the window.
#include "platform/x11/x11_canvas.h"

PixmapCanvas::PixmapCanvas(Display* display, Window window, Visual* visual, int depth, int width, int height)
    : display_(display),
      pixmap_(XCreatePixmap(display, window, static_cast<unsigned>(width), static_cast<unsigned>(height),
                            static_cast<unsigned>(depth))),
      width_(width),
      height_(height),
      surface_(cairo_xlib_surface_create(display, pixmap_, visual, width, height)),
      cairo_(cairo_create(surface_)) {}

PixmapCanvas::~PixmapCanvas() {
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

void PixmapCanvas::CopyTo(Window window) {
  cairo_surface_flush(surface_);
  XCopyArea(display_, pixmap_, window, DefaultGC(display_, DefaultScreen(display_)), 0, 0,
            static_cast<unsigned>(width_), static_cast<unsigned>(height_), 0, 0);
}
