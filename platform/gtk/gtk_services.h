// The process services of the settings program: the native ones, with one copy per user
// and display, message boxes as GTK dialogs and the settings folder made when it is first
// written.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/gtk/gtk_window_system.h"
#include "platform/posix/instance_lock.h"
#include "platform/posix/posix_services.h"
#include "ui/failure_net.h"

class GtkServices : public PosixServices {
 public:
  // `instance_stem`: where the one-copy lock lives (see InstanceLock); empty for none.
  GtkServices(GtkWindowSystem& windows, std::map<OwnFile, std::string> own_files, std::string instance_stem);
  ~GtkServices() override;

  // A copy refused because another runs calls that one, which brings its windows forward.
  bool AcquireSingleInstance() override;

  // What follows a message box runs under `net`, as every handler does.
  void GuardContinuationsWith(FailureNet& net) { net_ = &net; }
  // Modal over the program's active window; returns at once, and `closed` runs once the
  // user has closed it.
  void ShowMessageBox(const std::string& title, const std::string& text, MessageBoxKind kind,
                      std::function<void()> closed = {}) override;
  // The folders above the file are made first, as a fresh account has no folder for the
  // program's settings yet; one that cannot be made fails the write as the write would.
  void ReplaceOwnFile(OwnFile file, std::string_view bytes) override;
  // On stderr, after the program's name.
  void Diagnose(const std::string& line) override;

 private:
  GtkWindowSystem& windows_;
  FailureNet* net_ = nullptr;
  std::string instance_stem_;
  std::unique_ptr<InstanceLock> instance_lock_;
  guint nudge_source_ = 0;
};
