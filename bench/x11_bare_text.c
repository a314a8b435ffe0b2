/* The baseline the Linux saver's figures are measured beside: a bare Xlib program with one
 * full-screen window that draws one line of yellow text on black with Pango and cairo, as
 * the saver draws its labels, and then only waits for events. */
#include <X11/Xlib.h>
#include <cairo-xlib.h>
#include <pango/pangocairo.h>
#include <stdio.h>

int main(void) {
  Display *display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "x11_bare_text: no display\n");
    return 1;
  }
  const int screen = DefaultScreen(display);
  const int width = DisplayWidth(display, screen);
  const int height = DisplayHeight(display, screen);
  Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, width, height, 0,
                                      BlackPixel(display, screen), BlackPixel(display, screen));
  XSelectInput(display, window, ExposureMask);
  XMapWindow(display, window);
  cairo_surface_t *surface = cairo_xlib_surface_create(display, window, DefaultVisual(display, screen), width, height);
  cairo_t *cairo = cairo_create(surface);
  PangoLayout *layout = pango_cairo_create_layout(cairo);
  PangoFontDescription *font = pango_font_description_from_string("Times New Roman Bold 16px");
  pango_layout_set_font_description(layout, font);
  pango_layout_set_text(layout, "Tarnwick Entertainment Company proudly presents", -1);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == Expose && event.xexpose.count == 0) {
      cairo_set_source_rgb(cairo, 1, 1, 0);
      cairo_move_to(cairo, 288, 98);
      pango_cairo_show_layout(cairo, layout);
      cairo_surface_flush(surface);
      XFlush(display);
    }
  }
}
