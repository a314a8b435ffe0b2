// The program's message boxes as GTK message dialogs: a title, the text, an icon and an OK
// button, modal over the program's active window, closed by OK, Enter, Space or Escape.
#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <string>

// Shows the box and returns at once; `closed` runs when it has been closed, however.
void ShowGtkMessageBox(GtkWindow* owner, const std::string& title, const std::string& text,
                       GtkMessageType icon, std::function<void()> closed);
