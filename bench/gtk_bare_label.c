/* The bare GTK 3 program the settings program's start is measured beside: one window
 * holding one label, in the theme's colours, until it is closed or ended. */
#include <gtk/gtk.h>

int main(int argc, char **argv) {
  gtk_init(&argc, &argv);
  GtkWidget *window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_title(GTK_WINDOW(window), "Bare label");
  gtk_container_add(GTK_CONTAINER(window), gtk_label_new("One label in a bare GTK window"));
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), NULL);
  gtk_widget_show_all(window);
  gtk_main();
  return 0;
}
