// The Win32 backend's own checks, run under Wine: text crossing between UTF-8 and the wide
// functions, labels and captions holding letters of any script, fonts Windows refuses, a
// message loop that Windows fails, and (with the argument "net", as the process's last act)
// the procedures' net ending the program through the program's own failure net.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/win32/win32_gdi.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/win32_wide_text.h"
#include "platform/win32/win32_window_procs.h"
#include "platform/win32/win32_window_system.h"

namespace {

int failures = 0;

void Expect(bool holds, const char* what) {
  std::printf("%s: %s\n", holds ? "ok" : "FAIL", what);
  if (!holds) ++failures;
}

// Windows' services, but a box is printed instead of shown and the end is printed first.
class RecordingServices : public Win32Services {
 public:
  void ShowMessageBox(const std::string& title, const std::string& text, MessageBoxKind,
                      std::function<void()> closed) override {
    std::printf("box: %s: %s\n", title.c_str(), text.c_str());
    if (closed) closed();
  }
  [[noreturn]] void EndProgram(int status) override {
    std::printf("ended: %d\n", status);
    std::fflush(stdout);
    ExitProcess(static_cast<UINT>(status));
  }
};

class Sink : public FormEventSink {
 public:
  std::function<void(const UiEvent&)> on_event = [](const UiEvent&) {};
  void HandleEvent(const UiEvent& event) override { on_event(event); }
  bool HandleDialogKey(int, Key, int) override { return false; }
  void HandleFocusArrived(int) override {}
  void HandleActivated() override {}
};

FormDesign OneLabelForm() {
  FormDesign design;
  design.name = "Probe";
  design.caption = "Probe";
  design.client_width = 4000;
  design.client_height = 2000;
  ControlDesign label;
  label.name = "Label1";
  label.bounds = {0, 0, 4000, 1000};
  ControlDesign timer;
  timer.name = "Timer1";
  timer.kind = ControlKind::kTimer;
  design.controls = {label, timer};
  return design;
}

std::wstring WindowText(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return text;
}

BOOL CALLBACK NoteForm(HWND window, LPARAM found) {
  if (!IsFormWindow(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND OnlyFormWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), NoteForm, reinterpret_cast<LPARAM>(&found));
  return found;
}

void CheckConversion() {
  bool round_trips = true;
  for (const char* text : {"Un café très naïf", "Καλημέρα", "Зорбель", "ゾルベル", "\xF0\x9F\x98\x80"}) {
    round_trips = round_trips && Utf8Of(WideOf(text)) == text;
  }
  Expect(round_trips, "French, Greek, Russian, Japanese and a letter beyond 16 bits go there and back");
  Expect(WideOf("\xD0\x96") == L"\x0416", "UTF-8 becomes the letter, not its bytes");
  Expect(WideOf("caf\xE9 ok") == L"caf\xFFFD ok", "a byte outside UTF-8 shows as U+FFFD, the rest as written");
  Expect(!ExactWideOf("caf\xE9") && ExactWideOf("caf\xC3\xA9") == L"caf\xE9",
         "a path must be UTF-8 to the letter");
  Expect(Utf8Of(std::wstring(1, wchar_t(0xD800)) + L"a") == "\xEF\xBF\xBD" "a",
         "an unpaired surrogate comes back as U+FFFD");
}

int font_calls = 0;
LOGFONTW last_font{};

HFONT WINAPI RefusingFirst(const LOGFONTW* wanted) {
  last_font = *wanted;
  return ++font_calls == 1 ? nullptr : CreateFontIndirectW(wanted);
}

void CheckRefusedFont() {
  GdiCache gdi(RefusingFirst);
  const FontSpec font{"Times New Roman", 12, true, false};
  const HFONT stand_in = gdi.Font(font);
  Expect(stand_in == GetStockObject(DEFAULT_GUI_FONT), "a font Windows refuses: the GUI font stands in");
  const HFONT made = gdi.Font(font);
  Expect(font_calls == 2 && made != nullptr && made != stand_in, "the refused font is asked for again");
  Expect(gdi.Font(font) == made && font_calls == 2, "a font made is kept");
  Expect(std::wstring(last_font.lfFaceName) == L"Times New Roman" && last_font.lfCharSet == DEFAULT_CHARSET,
         "asked for by its face in the default character set, which font linking extends");
}

BOOL WINAPI FailingMessageSource(LPMSG, HWND, UINT, UINT) { return -1; }

void CheckWindows() {
  RecordingServices services;
  FailureNet failure_net(services);
  Win32WindowSystem windows(failure_net);
  Sink sink;
  const FormHandle form = windows.CreateForm(OneLabelForm(), sink);
  windows.SetFormCaption(form, "Зорбель");
  windows.SetControlText(form, 0, "Καλημέρα, café");
  HWND window = OnlyFormWindow();
  HWND label = window == nullptr ? nullptr : GetWindow(window, GW_CHILD);
  Expect(window != nullptr && WindowText(window) == L"\x0417\x043E\x0440\x0431\x0435\x043B\x044C",
         "a caption in Cyrillic is the window's wide text");
  Expect(label != nullptr && WindowText(label) == L"\x039A\x03B1\x03BB\x03B7\x03BC\x03AD\x03C1\x03B1, caf\xE9",
         "a label in Greek and French is its window's wide text");
  Expect(windows.ReadControlText(form, 0) == "Καλημέρα, café", "and reads back as UTF-8");

  const FontSpec arial{"Arial", 24, false, false};
  const TwipSize accented = windows.MeasureText(arial, "ééé");
  const TwipSize plain = windows.MeasureText(arial, "eee");
  Expect(accented.width == plain.width && accented.height == plain.height && plain.width > 0,
         "\"ééé\" measures as three letters, as wide as \"eee\"");

  Expect(RunMessageLoop(FailingMessageSource) == exit_status::kFailed,
         "a message loop that Windows fails ends with the failed status");
  windows.DestroyForm(form);
}

// Does not return: the net ends the process.
void RunNet() {
  RecordingServices services;
  FailureNet failure_net(services);
  Win32WindowSystem windows(failure_net);
  Sink sink;
  sink.on_event = [](const UiEvent& event) {
    if (event.kind == EventKind::kTimer) throw std::runtime_error("escaped from a handler");
  };
  const FormHandle form = windows.CreateForm(OneLabelForm(), sink);
  windows.SetTimer(form, 1, 10);
  RunMessageLoop();
  std::printf("the loop ended without the net\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "net") {
    RunNet();
    return 3;
  }
  CheckConversion();
  CheckRefusedFont();
  CheckWindows();
  std::printf("%d failed\n", failures);
  return failures == 0 ? 0 : 1;
}
