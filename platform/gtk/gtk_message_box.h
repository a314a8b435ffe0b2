// The program's message boxes as GTK message dialogs: a title, the text, an icon and an OK
// button, modal over the program's active window, closed by OK, Enter, Space or Escape.
#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <string>

struct MessageBoxLook {
  std::string title;
  std::string text;
  GtkMessageType type = GTK_MESSAGE_OTHER;  // information, warning, error: the icon shown
  int icon_pixels = 32;
};

// Shows the box and returns at once; `closed` runs when it has been closed, however.
void ShowGtkMessageBox(GtkWindow* owner, const MessageBoxLook& look, std::function<void()> closed);
