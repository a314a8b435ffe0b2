// The saver's window in the page: a canvas the size of the page's view, painted only when a
// form changed, and one timeout armed at a time for the next timer that is due.
#include "platform/web/web_drawn_windows.h"

#include <emscripten.h>

// clang-format off
EM_JS(void, web_open_drawn_window, (int window, int* size), {
  const pixels = Module.zorbelHome.canvas.open(window);
  HEAP32[size >> 2] = pixels[0];
  HEAP32[(size >> 2) + 1] = pixels[1];
});
EM_JS(void, web_close_drawn_window, (int window), { Module.zorbelHome.canvas.close(window); });
EM_JS(void, web_show_drawn_window, (int window), { Module.zorbelHome.canvas.show(window); });
EM_JS(void, web_begin_paint, (int window), { Module.zorbelHome.canvas.beginPaint(window); });
EM_JS(void, web_end_paint, (int window), { Module.zorbelHome.canvas.endPaint(window); });
EM_JS(void, web_arm_timeout, (double milliseconds), { Module.zorbelHome.canvas.armTimeout(milliseconds); });
// clang-format on

void WebDrawnWindows::Settle() {
  FireDueTimers();
  PaintChangedForms();
  web_arm_timeout(static_cast<double>(MillisecondsToNextTimer()));
}

void WebDrawnWindows::OpenWindow(FormHandle handle, const FormDesign&, DrawnForm& form) {
  int size[2] = {0, 0};
  web_open_drawn_window(handle, size);
  form.SetWindowSize(size[0], size[1]);
}

void WebDrawnWindows::CloseWindow(FormHandle handle) noexcept { web_close_drawn_window(handle); }

void WebDrawnWindows::ShowWindow(FormHandle handle, DrawnForm&) { web_show_drawn_window(handle); }

void WebDrawnWindows::PaintWindow(FormHandle handle, DrawnForm& form) {
  WebCanvas canvas(handle);
  web_begin_paint(handle);
  form.Paint(canvas, text_);
  web_end_paint(handle);
}

long long WebDrawnWindows::NowMs() { return static_cast<long long>(emscripten_get_now()); }
