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
  windows_.ShowMessageBox(title, text, IconOf(kind), [net = net_, closed = std::move(closed)] {
    if (!closed) return;
    if (net != nullptr) {
      net->RunGuarded(closed);
    } else {
      closed();
    }
  });
}

void GtkServices::ReplaceOwnFile(OwnFile file, std::string_view bytes) {
  MakeParentFolders(OwnFilePlace(file));
  PosixServices::ReplaceOwnFile(file, bytes);
}

void GtkServices::Diagnose(const std::string& line) { WriteDiagnostic("zorbel-settings", line); }
