// The settings program's services on the native ones.
#include "platform/gtk/gtk_services.h"

#include "platform/gtk/gtk_message_box.h"
#include "platform/posix/command_output.h"
#include "platform/posix/posix_files.h"

namespace {

GtkMessageType IconOf(MessageBoxKind kind) {
  switch (kind) {
    case MessageBoxKind::kStop: return GTK_MESSAGE_ERROR;
    case MessageBoxKind::kExclamation: return GTK_MESSAGE_WARNING;
    case MessageBoxKind::kInformation: return GTK_MESSAGE_INFO;
    case MessageBoxKind::kPlain: break;
  }
  return GTK_MESSAGE_OTHER;
}

}  // namespace

GtkServices::GtkServices(GtkWindowSystem& windows, std::map<OwnFile, std::string> own_files)
    : PosixServices(std::move(own_files)), windows_(windows) {}

void GtkServices::ShowMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind,
                                 std::function<void()> closed) {
  GMainLoop* until_closed = g_main_loop_new(nullptr, FALSE);
  ShowGtkMessageBox(windows_.ActiveWindow(), title, text, IconOf(kind), [until_closed] { g_main_loop_quit(until_closed); });
  g_main_loop_run(until_closed);
  g_main_loop_unref(until_closed);
  if (closed) closed();
}

void GtkServices::ReplaceOwnFile(OwnFile file, std::string_view bytes) {
  MakeParentFolders(OwnFilePlace(file));
  PosixServices::ReplaceOwnFile(file, bytes);
}

void GtkServices::Diagnose(const std::string& line) { WriteDiagnostic("zorbel-settings", line); }
