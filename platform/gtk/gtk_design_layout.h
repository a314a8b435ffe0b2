// A layout for designed forms: like GtkFixed, it places each child where its design puts
// it, but it asks for exactly the size it is given and gives each child exactly the size
// its design gives it, as Windows does, whatever more the child's text would like.
#pragma once

#include <gtk/gtk.h>

// A new layout; its size and each child's size are their size requests.
GtkWidget* NewDesignLayout();
