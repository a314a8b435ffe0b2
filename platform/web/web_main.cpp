// The browser home's entry points: the page starts a run of the program in the mode the
// visitor chose, and hands it input, ticks and the checker's files; a run lasts until the
// program ends itself, and the next run starts afresh.
#include <emscripten.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "app/program.h"
#include "checker/check_command.h"
#include "platform/web/web_keys.h"
#include "platform/web/web_program_end.h"
#include "platform/web/web_services.h"
#include "platform/web/web_window_system.h"
#include "startup/joke_database.h"
#include "ui/failure_net.h"

// clang-format off
EM_JS(void, web_program_ended, (int status), { Module.zorbelHome.programEnded(status); });
// clang-format on

namespace {

struct Run {
  Run() : failure_net(services), program(services, windows, failure_net) {}
  WebServices services;
  WebWindowSystem windows;
  FailureNet failure_net;
  Program program;
};

std::unique_ptr<Run> run;

// Runs one call of the page's into the program, then lets the drawn forms' timers and
// paints catch up; when the program ends in it, the run is put away (its forms destroyed)
// and the page told.
template <class Call>
void Guarded(Call call) {
  if (!run) return;
  try {
    call(*run);
    run->windows.drawn().Settle();
  } catch (const WebProgramEnded& ended) {
    run.reset();
    web_program_ended(ended.status);
  }
}

FormEventSink* SinkOf(int form) { return run ? run->windows.html().SinkOf(form) : nullptr; }

}  // namespace

extern "C" {

// `mode`: what the visitor chose on the page, "save" (Start) or "configure" (Settings).
EMSCRIPTEN_KEEPALIVE void zorbel_run(const char* mode) {
  run = std::make_unique<Run>();
  const ProgramMode chosen = std::strcmp(mode, "save") == 0        ? ProgramMode::kSave
                             : std::strcmp(mode, "configure") == 0 ? ProgramMode::kConfigure
                                                                   : ProgramMode::kNothing;
  Guarded([chosen](Run& r) { r.program.Main(chosen); });
}

EMSCRIPTEN_KEEPALIVE void zorbel_box_closed(int box) {
  Guarded([box](Run& r) { r.services.MessageBoxClosed(box); });
}

// The page closed the program's last window: the run is over, as a program ends with its
// last window.
EMSCRIPTEN_KEEPALIVE void zorbel_end_run() { run.reset(); }

// Input to a dialog, by its handle among the dialogs.
EMSCRIPTEN_KEEPALIVE void zorbel_event(int form, int kind, int control, int key_code, int character, int shift,
                                       int buttons, int x, int y) {
  Guarded([=](Run&) {
    if (FormEventSink* sink = SinkOf(form)) {
      sink->HandleEvent(UiEvent{.kind = static_cast<EventKind>(kind), .control = control, .key = KeyOfKeyCode(key_code),
                                .character = character, .shift = shift, .buttons = buttons, .x = x, .y = y});
    }
  });
}

// 1 when the dialog took the key, which then goes no further.
EMSCRIPTEN_KEEPALIVE int zorbel_dialog_key(int form, int focused, int key_code, int shift) {
  bool taken = false;
  Guarded([&](Run&) {
    if (FormEventSink* sink = SinkOf(form)) taken = sink->HandleDialogKey(focused, KeyOfKeyCode(key_code), shift);
  });
  return taken ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void zorbel_focus_arrived(int form, int control) {
  Guarded([=](Run&) {
    if (FormEventSink* sink = SinkOf(form)) sink->HandleFocusArrived(control);
  });
}

EMSCRIPTEN_KEEPALIVE void zorbel_activated(int form) {
  Guarded([=](Run&) {
    if (FormEventSink* sink = SinkOf(form)) sink->HandleActivated();
  });
}

// Input to a window the page draws, by its handle among those windows; `character` 0 when
// the key types none.
EMSCRIPTEN_KEEPALIVE void zorbel_drawn_key(int window, int key_code, int shift, int character) {
  Guarded([=](Run& r) { r.windows.drawn().KeyWentDown(window, KeyOfKeyCode(key_code), shift, character); });
}

// kind 0: the pointer moved (`button`: those held), 1: a button went down, 2: up, 3: where
// the pointer was when the window showed. x, y in the window, screen_x, screen_y on the screen.
EMSCRIPTEN_KEEPALIVE void zorbel_drawn_pointer(int kind, int window, int x, int y, int screen_x, int screen_y,
                                               int button, int shift) {
  Guarded([=](Run& r) {
    WebDrawnWindows& drawn = r.windows.drawn();
    if (kind == 0) drawn.PointerMoved(window, x, y, screen_x, screen_y, button, shift);
    else if (kind == 1) drawn.PointerPressed(window, x, y, button, shift);
    else if (kind == 2) drawn.PointerReleased(window, x, y, button, shift);
    else drawn.PointerSeenAt(window, screen_x, screen_y);
  });
}

EMSCRIPTEN_KEEPALIVE void zorbel_drawn_resized(int window, int width, int height) {
  Guarded([=](Run& r) { r.windows.drawn().WindowResized(window, width, height); });
}

// The timeout the drawn windows asked for has come.
EMSCRIPTEN_KEEPALIVE void zorbel_drawn_timeout() {
  Guarded([](Run&) {});
}

// The longest joke file the program reads whole: a longer one it refuses for its length
// alone, so the page need not read it.
EMSCRIPTEN_KEEPALIVE double zorbel_largest_joke_file() { return static_cast<double>(kLargestJokeDatabase); }

// The checker's report on the file the page holds under `name`, as a new text the page frees;
// its verdict (0 fine, 1 warnings, 2 refused) in *verdict.
EMSCRIPTEN_KEEPALIVE char* zorbel_check(const char* name, int* verdict) {
  WebServices services;
  CheckerText output;
  const CheckerHome home{.program_name = "the page's checker", .version = kAppVersion, .default_file = "", .more_help = ""};
  *verdict = RunCheckCommand({"--", name}, home, services, output);
  const std::string text = output.report + output.trouble;
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

}  // extern "C"
