/* What the Linux saver's end-to-end tests and figures need of X beyond xdotool:
 *   x11_probe host WIDTH HEIGHT        maps a window of that size, prints its id, waits to be killed
 *   x11_probe input-only               makes an InputOnly window, prints its id, waits to be killed
 *   x11_probe close WINDOW             asks the window to close, as a window manager's close box does
 *   x11_probe still-motion WINDOW      a pointer-motion event at the place the pointer already is
 *   x11_probe count WINDOW R G B [X Y WIDTH HEIGHT]
 *                                      how many pixels of the window (or of that part of it) have
 *                                      exactly that colour
 *   x11_probe split-monitors           makes the screen two monitors side by side, each half of it
 *   x11_probe first-frame R G B PROGRAM ARG...
 *                                      starts the program and prints the milliseconds until a pixel
 *                                      of that colour shows on the screen, then ends the program */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static Display *OpenDisplay(void) {
  Display *display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "x11_probe: no display\n");
    exit(2);
  }
  return display;
}

static Window WindowArgument(const char *text) { return (Window)strtoul(text, NULL, 0); }

static int Host(Display *display, int width, int height) {
  Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, width, height, 0,
                                      0, WhitePixel(display, DefaultScreen(display)));
  XSelectInput(display, window, StructureNotifyMask);
  XMapWindow(display, window);
  XEvent event;
  do XNextEvent(display, &event); while (event.type != MapNotify);
  printf("0x%lx\n", window);
  fflush(stdout);
  for (;;) XNextEvent(display, &event);
  return 0;
}

static int InputOnlyWindow(Display *display) {
  XSetWindowAttributes attributes;
  Window window = XCreateWindow(display, DefaultRootWindow(display), 0, 0, 100, 100, 0, 0, InputOnly,
                                CopyFromParent, 0, &attributes);
  XSync(display, False);
  printf("0x%lx\n", window);
  fflush(stdout);
  XEvent event;
  for (;;) XNextEvent(display, &event);
  return 0;
}

static int Close(Display *display, Window window) {
  XEvent event;
  memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
  return 0;
}

static int StillMotion(Display *display, Window window) {
  Window root, child;
  int root_x, root_y, x, y;
  unsigned int mask;
  XQueryPointer(display, window, &root, &child, &root_x, &root_y, &x, &y, &mask);
  XEvent event;
  memset(&event, 0, sizeof event);
  event.xmotion.type = MotionNotify;
  event.xmotion.window = window;
  event.xmotion.root = root;
  event.xmotion.x = x;
  event.xmotion.y = y;
  event.xmotion.x_root = root_x;
  event.xmotion.y_root = root_y;
  event.xmotion.same_screen = True;
  XSendEvent(display, window, False, PointerMotionMask, &event);
  XSync(display, False);
  return 0;
}

static long CountColour(Display *display, Window window, int red, int green, int blue, int left, int top,
                        int width, int height) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) return -1;
  if (width < 0) width = attributes.width;
  if (height < 0) height = attributes.height;
  if (left < 0 || top < 0 || width == 0 || height == 0 || left + width > attributes.width ||
      top + height > attributes.height) {
    return -1;
  }
  XImage *image = XGetImage(display, window, left, top, width, height, AllPlanes, ZPixmap);
  if (image == NULL) return -1;
  long count = 0;
  for (int y = 0; y < image->height; ++y) {
    for (int x = 0; x < image->width; ++x) {
      unsigned long pixel = XGetPixel(image, x, y);
      if ((int)((pixel & image->red_mask) >> 16) == red && (int)((pixel & image->green_mask) >> 8) == green &&
          (int)(pixel & image->blue_mask) == blue) {
        ++count;
      }
    }
  }
  XDestroyImage(image);
  return count;
}

/* The screen's own output keeps the left half as its monitor; a second monitor without an
 * output takes the right half. Prints the monitors there are now. */
static int SplitMonitors(Display *display) {
  const Window root = DefaultRootWindow(display);
  const int screen = DefaultScreen(display);
  const int half = DisplayWidth(display, screen) / 2;
  XRRScreenResources *resources = XRRGetScreenResources(display, root);
  if (resources == NULL || resources->noutput < 1) return 1;
  RROutput output = resources->outputs[0];
  XRRMonitorInfo left = {0}, right = {0};
  left.name = XInternAtom(display, "left-half", False);
  left.primary = True;
  left.x = 0;
  left.width = half;
  left.noutput = 1;
  left.outputs = &output;
  right.name = XInternAtom(display, "right-half", False);
  right.x = half;
  right.width = DisplayWidth(display, screen) - half;
  left.height = right.height = DisplayHeight(display, screen);
  left.mwidth = right.mwidth = 135;
  left.mheight = right.mheight = 203;
  XRRSetMonitor(display, root, &left);
  XRRSetMonitor(display, root, &right);
  XSync(display, False);
  XRRFreeScreenResources(resources);
  int count = 0;
  XRRMonitorInfo *monitors = XRRGetMonitors(display, root, True, &count);
  for (int i = 0; i < count; ++i) {
    printf("%dx%d+%d+%d\n", monitors[i].width, monitors[i].height, monitors[i].x, monitors[i].y);
  }
  XRRFreeMonitors(monitors);
  return 0;
}

static double Now(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

static int FirstFrame(Display *display, int red, int green, int blue, char **program) {
  const Window root = DefaultRootWindow(display);
  const double start = Now();
  const pid_t child = fork();
  if (child == 0) {
    execv(program[0], program);
    _exit(127);
  }
  int status = 1;
  while (Now() - start < 10000) {
    if (CountColour(display, root, red, green, blue, 0, 0, -1, -1) > 0) {
      printf("%.0f\n", Now() - start);
      status = 0;
      break;
    }
    usleep(2000);
  }
  kill(child, SIGTERM);
  waitpid(child, NULL, 0);
  if (status != 0) fprintf(stderr, "x11_probe: the colour never showed\n");
  return status;
}

static int Command(Display *display, int argc, char **argv) {
  if (argc >= 4 && strcmp(argv[1], "host") == 0) return Host(display, atoi(argv[2]), atoi(argv[3]));
  if (argc == 2 && strcmp(argv[1], "input-only") == 0) return InputOnlyWindow(display);
  if (argc == 3 && strcmp(argv[1], "close") == 0) return Close(display, WindowArgument(argv[2]));
  if (argc == 3 && strcmp(argv[1], "still-motion") == 0) return StillMotion(display, WindowArgument(argv[2]));
  if ((argc == 6 || argc == 10) && strcmp(argv[1], "count") == 0) {
    const int area = argc == 10;
    const long count = CountColour(display, WindowArgument(argv[2]), atoi(argv[3]), atoi(argv[4]), atoi(argv[5]),
                                   area ? atoi(argv[6]) : 0, area ? atoi(argv[7]) : 0,
                                   area ? atoi(argv[8]) : -1, area ? atoi(argv[9]) : -1);
    printf("%ld\n", count);
    return count < 0;
  }
  if (argc == 2 && strcmp(argv[1], "split-monitors") == 0) return SplitMonitors(display);
  if (argc >= 6 && strcmp(argv[1], "first-frame") == 0) {
    return FirstFrame(display, atoi(argv[2]), atoi(argv[3]), atoi(argv[4]), argv + 5);
  }
  fprintf(stderr, "usage: x11_probe host W H | close WINDOW | still-motion WINDOW | count WINDOW R G B [X Y W H] | split-monitors | first-frame R G B PROGRAM ARG...\n");
  return 2;
}

int main(int argc, char **argv) {
  Display *display = OpenDisplay();
  const int status = Command(display, argc, argv);
  XCloseDisplay(display);
  return status;
}
