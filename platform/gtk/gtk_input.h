// What the user does in a form's widgets, delivered to the form as its events: clicks on
// buttons, options, the check box and labels, the focus arriving, the window becoming
// active or asked to close, and keys, which the form's dialog keyboard sees first.
#pragma once

#include "platform/gtk/gtk_window_system.h"

void WatchWindow(GtkLiveForm& form);
void WatchClicks(GtkLiveControl& control);
void WatchLabelClicks(GtkLiveControl& control);
void WatchFocus(GtkLiveControl& control);
