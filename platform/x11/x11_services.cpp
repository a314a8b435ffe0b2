// The Linux saver's services beyond the native ones.
#include "platform/x11/x11_services.h"

#include <cstdio>
#include <utility>

#include "platform/posix/command_output.h"
#include "startup/shown_text.h"

X11Services::X11Services(X11WindowSystem& windows, X11ProcessEnd& end, std::map<OwnFile, std::string> own_files)
    : PosixServices(std::move(own_files)), windows_(windows), end_(end) {}

void X11Services::SetPointerHidden(bool hidden) { windows_.SetPointerHidden(hidden); }

void X11Services::ShowMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind,
                                 std::function<void()> closed) {
  const std::string report = ShownLines(text);
  std::fwrite(report.data(), 1, report.size(), stderr);
  std::fflush(stderr);
  end_.SetStatus(exit_status::kFailed);
  windows_.ShowReport(title, text, kind, std::move(closed));
}

void X11Services::Diagnose(const std::string& line) { WriteDiagnostic("zorbel", line); }
