// The browser's process services: each a call into the page's script, which keeps the
// files, the dialogs and the tabs.
#include "platform/web/web_services.h"

#include <emscripten.h>

#include "platform/web/web_bridge.h"
#include "platform/web/web_program_end.h"
#include "startup/own_file_names.h"
#include "ui/failure.h"

// clang-format off
EM_JS(void, web_set_pointer_hidden, (int hidden), { Module.zorbelHome.setPointerHidden(hidden !== 0); });
EM_JS(void, web_open_address, (const char* address), { Module.zorbelHome.openAddress(UTF8ToString(address)); });
// The file's bytes in a buffer of the script's, its length in *length; none when the file
// does not exist (length -1) or cannot be read (-2).
EM_JS(char*, web_read_file, (const char* name, int* length), {
  return Module.zorbelHome.readFile(UTF8ToString(name), length);
});
EM_JS(int, web_replace_file, (const char* name, const char* bytes, int length), {
  return Module.zorbelHome.replaceFile(UTF8ToString(name), HEAPU8.slice(bytes, bytes + length)) ? 1 : 0;
});
EM_JS(char*, web_ansi_to_utf8, (const char* bytes, int length), {
  return Module.zorbelHome.textToScript(new TextDecoder("windows-1252").decode(HEAPU8.subarray(bytes, bytes + length)));
});
EM_JS(char*, web_fold_case, (const char* text), {
  return Module.zorbelHome.textToScript(UTF8ToString(text).toUpperCase().toLowerCase());
});
// `kind`: 0 plain, 1 information, 2 exclamation, 3 stop; the page calls zorbel_box_closed
// with `box` when the visitor closes it.
EM_JS(void, web_show_message_box, (const char* title, const char* text, int kind, int box), {
  Module.zorbelHome.showMessageBox(UTF8ToString(title), UTF8ToString(text), kind, box);
});
EM_JS(void, web_diagnose, (const char* line), { Module.zorbelHome.diagnose(UTF8ToString(line)); });
EM_JS(double, web_time_of_day, (), {
  const now = new Date();
  return ((now.getHours() * 60 + now.getMinutes()) * 60 + now.getSeconds()) + now.getMilliseconds() / 1000;
});
// clang-format on

std::string WebServices::OwnFilePlace(OwnFile file) { return OwnFileName(file); }

void WebServices::SetPointerHidden(bool hidden) { web_set_pointer_hidden(hidden ? 1 : 0); }

void WebServices::OpenAddress(const std::string& address) { web_open_address(address.c_str()); }

std::string WebServices::ReadFileBytes(const std::string& path, std::size_t max_bytes, ReadBound bound) {
  int length = -1;
  char* bytes = web_read_file(path.c_str(), &length);
  if (length == -2) Fail(failure_code::kPermissionDenied);
  if (length < 0) Fail(failure_code::kFileNotFound);
  std::string content = TakeScriptBytes(bytes, length);
  if (content.size() > max_bytes) {
    if (bound == ReadBound::kRefuseLonger) Fail(failure_code::kPermissionDenied);
    content.resize(max_bytes);
  }
  return content;
}

std::string WebServices::AnsiToUtf8(std::string_view bytes) {
  return TakeScriptText(web_ansi_to_utf8(bytes.data(), static_cast<int>(bytes.size())));
}

std::string WebServices::FoldCase(std::string_view utf8) {
  const std::string text(utf8);
  return TakeScriptText(web_fold_case(text.c_str()));
}

void WebServices::ReplaceOwnFile(OwnFile file, std::string_view bytes) {
  // The browser refuses to store more (its quota is spent, or storage is turned off).
  if (web_replace_file(OwnFileName(file), bytes.data(), static_cast<int>(bytes.size())) == 0) {
    Fail(failure_code::kPermissionDenied);
  }
}

void WebServices::ShowMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind,
                                 std::function<void()> closed) {
  const int box = next_box_++;
  if (closed) waiting_for_boxes_[box] = std::move(closed);
  web_show_message_box(title.c_str(), text.c_str(), static_cast<int>(kind), box);
}

void WebServices::MessageBoxClosed(int box) {
  const auto waiting = waiting_for_boxes_.find(box);
  if (waiting == waiting_for_boxes_.end()) return;
  const std::function<void()> then = std::move(waiting->second);
  waiting_for_boxes_.erase(waiting);
  then();
}

void WebServices::Diagnose(const std::string& line) { web_diagnose(line.c_str()); }

double WebServices::TimeOfDaySeconds() { return web_time_of_day(); }

void WebServices::EndProgram(int status) { throw WebProgramEnded{status}; }
