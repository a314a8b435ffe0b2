/* The baseline the Linux saver's figures are measured beside: a bare Xlib and Xft program
 * with one full-screen window that draws one line of yellow text on black and then only
 * waits for events. */
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <string.h>

int main(void) {
  Display *display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "x11_bare_text: no display\n");
    return 1;
  }
  const int screen = DefaultScreen(display);
  Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0,
                                      DisplayWidth(display, screen), DisplayHeight(display, screen), 0,
                                      BlackPixel(display, screen), BlackPixel(display, screen));
  XSelectInput(display, window, ExposureMask);
  XMapWindow(display, window);
  Visual *visual = DefaultVisual(display, screen);
  Colormap colormap = DefaultColormap(display, screen);
  XftFont *font = XftFontOpenName(display, screen, "Times New Roman:bold:pixelsize=16");
  XftDraw *draw = XftDrawCreate(display, window, visual, colormap);
  XRenderColor yellow = {0xFFFF, 0xFFFF, 0, 0xFFFF};
  XftColor colour;
  XftColorAllocValue(display, visual, colormap, &yellow, &colour);
  const char *text = "Tarnwick Entertainment Company proudly presents";
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == Expose && event.xexpose.count == 0) {
      XftDrawStringUtf8(draw, &colour, font, 288, 113, (const FcChar8 *)text, (int)strlen(text));
      XFlush(display);
    }
  }
}
