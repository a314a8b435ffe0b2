// One message dialog per box, destroyed when it answers, with the icon of its kind from the
// desktop's icon theme beside the text.
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

const char* IconNameOf(GtkMessageType type) {
  switch (type) {
    case GTK_MESSAGE_INFO: return "dialog-information";
    case GTK_MESSAGE_WARNING: return "dialog-warning";
    case GTK_MESSAGE_ERROR: return "dialog-error";
    default: return nullptr;
  }
}

// The theme's full-colour icon, else its one-colour one, else none: a theme without
// either still gives a box that works.
GtkWidget* NewIcon(GtkMessageType type, int pixels) {
  const char* name = IconNameOf(type);
  if (name == nullptr) return nullptr;
  GtkIconTheme* theme = gtk_icon_theme_get_default();
  const std::string symbolic = std::string(name) + "-symbolic";
  const char* found = gtk_icon_theme_has_icon(theme, name)                ? name
                      : gtk_icon_theme_has_icon(theme, symbolic.c_str()) ? symbolic.c_str()
                                                                          : nullptr;
  if (found == nullptr) return nullptr;
  GtkWidget* image = gtk_image_new_from_icon_name(found, GTK_ICON_SIZE_DIALOG);
  gtk_image_set_pixel_size(GTK_IMAGE(image), pixels);
  gtk_widget_set_valign(image, GTK_ALIGN_START);
  return image;
}

}  // namespace

void ShowGtkMessageBox(GtkWindow* owner, const MessageBoxLook& look, std::function<void()> closed) {
  GtkWidget* dialog = gtk_message_dialog_new(owner, GTK_DIALOG_MODAL, look.type, GTK_BUTTONS_OK, "%s",
                                             GtkLines(look.text).c_str());
  gtk_window_set_title(GTK_WINDOW(dialog), look.title.c_str());
  if (owner == nullptr) gtk_window_set_position(GTK_WINDOW(dialog), GTK_WIN_POS_CENTER);
  if (GtkWidget* icon = NewIcon(look.type, look.icon_pixels)) {
    // GTK 3 still places a box's own image before its text; the dialog merely no longer
    // picks one by itself.
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(dialog), icon);
    G_GNUC_END_IGNORE_DEPRECATIONS
    gtk_widget_show(icon);
  }
  // The text may be selected and copied, but the focus starts on OK, as Enter expects.
  GtkWidget* ok = gtk_dialog_get_widget_for_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
  g_signal_connect(dialog, "response", G_CALLBACK(OnResponse), new std::function<void()>(std::move(closed)));
  gtk_widget_show(dialog);
  if (ok != nullptr) gtk_widget_grab_focus(ok);
  gtk_window_present(GTK_WINDOW(dialog));
}
