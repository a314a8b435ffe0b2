// One message dialog per box, destroyed when it answers.
#include "platform/gtk/gtk_message_box.h"

#include "platform/gtk/gtk_text.h"

namespace {

void OnResponse(GtkDialog* dialog, gint, gpointer data) {
  auto* closed = static_cast<std::function<void()>*>(data);
  gtk_widget_destroy(GTK_WIDGET(dialog));
  const std::function<void()> then = std::move(*closed);
  delete closed;
  if (then) then();
}

}  // namespace

void ShowGtkMessageBox(GtkWindow* owner, const std::string& title, const std::string& text,
                       GtkMessageType icon, std::function<void()> closed) {
  GtkWidget* dialog = gtk_message_dialog_new(owner, GTK_DIALOG_MODAL, icon, GTK_BUTTONS_OK, "%s",
                                             GtkLines(text).c_str());
  gtk_window_set_title(GTK_WINDOW(dialog), title.c_str());
  if (owner == nullptr) gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
  // The text may be selected and copied, but the focus starts on OK, as Enter expects.
  GtkWidget* ok = gtk_dialog_get_widget_for_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
  g_signal_connect(dialog, "response", G_CALLBACK(OnResponse), new std::function<void()>(std::move(closed)));
  gtk_widget_show(dialog);
  if (ok != nullptr) gtk_widget_grab_focus(ok);
  gtk_window_present(GTK_WINDOW(dialog));
}
