// The settings program's services on the native ones.
#include "platform/gtk/gtk_services.h"

#include <glib-unix.h>

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

GtkServices::GtkServices(GtkWindowSystem& windows, std::map<OwnFile, std::string> own_files,
                         std::string instance_stem)
    : PosixServices(std::move(own_files)), windows_(windows), instance_stem_(std::move(instance_stem)) {}

GtkServices::~GtkServices() {
  if (nudge_source_ != 0) g_source_remove(nudge_source_);
}

bool GtkServices::AcquireSingleInstance() {
  if (instance_stem_.empty()) return true;
  instance_lock_ = std::make_unique<InstanceLock>(instance_stem_);
  if (!instance_lock_->Acquire()) {
    instance_lock_->NudgeHolder();
    return false;
  }
  if (instance_lock_->NudgeSocket() >= 0) {
    nudge_source_ = g_unix_fd_add(
        instance_lock_->NudgeSocket(), G_IO_IN,
        [](gint, GIOCondition, gpointer data) -> gboolean {
          auto& services = *static_cast<GtkServices*>(data);
          if (services.instance_lock_->TakeNudges()) services.windows_.BringForward();
          return G_SOURCE_CONTINUE;
        },
        this);
  }
  return true;
}

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
