// The settings program's services on the native ones.
#include "platform/gtk/gtk_services.h"

#include <cstdio>

#include "platform/gtk/gtk_message_box.h"

namespace {

GtkMessageType IconOf(int style) {
  switch (style) {
    case message_box_style::kStop: return GTK_MESSAGE_ERROR;
    case message_box_style::kExclamation: return GTK_MESSAGE_WARNING;
    case message_box_style::kInformation: return GTK_MESSAGE_INFO;
    default: return GTK_MESSAGE_OTHER;
  }
}

}  // namespace

GtkServices::GtkServices(GtkWindowSystem& windows, std::map<std::string, std::string> own_files)
    : PosixServices(std::move(own_files)), windows_(windows) {}

void GtkServices::ShowMessageBox(const std::string& title, const std::string& text, int style) {
  GMainLoop* until_closed = g_main_loop_new(nullptr, FALSE);
  ShowGtkMessageBox(windows_.ActiveWindow(), title, text, IconOf(style), [until_closed] { g_main_loop_quit(until_closed); });
  g_main_loop_run(until_closed);
  g_main_loop_unref(until_closed);
}

void GtkServices::ReplaceWholeFile(const std::string& path, std::string_view bytes) {
  const std::size_t slash = path.rfind('/');
  if (slash != std::string::npos && slash > 0) g_mkdir_with_parents(path.substr(0, slash).c_str(), 0700);
  PosixServices::ReplaceWholeFile(path, bytes);
}

void GtkServices::Diagnose(const std::string& line) {
  std::fprintf(stderr, "zorbel-settings: %s\n", line.c_str());
}
