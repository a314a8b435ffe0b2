// GtkFixed with its size requests taken as they stand: a wrapping label asks for its height
// at a width narrower than its design, which would stretch the form.
#include "platform/gtk/gtk_design_layout.h"

#include <algorithm>

namespace {

struct DesignLayout {
  GtkFixed parent;
};
struct DesignLayoutClass {
  GtkFixedClass parent_class;
};

G_DEFINE_TYPE(DesignLayout, design_layout, GTK_TYPE_FIXED)

void DesignSize(GtkWidget* widget, GtkOrientation orientation, gint* minimum, gint* natural) {
  int width = 0;
  int height = 0;
  gtk_widget_get_size_request(widget, &width, &height);
  *minimum = *natural = std::max(0, orientation == GTK_ORIENTATION_HORIZONTAL ? width : height);
}

void PreferredWidth(GtkWidget* widget, gint* minimum, gint* natural) {
  DesignSize(widget, GTK_ORIENTATION_HORIZONTAL, minimum, natural);
}

void PreferredHeight(GtkWidget* widget, gint* minimum, gint* natural) {
  DesignSize(widget, GTK_ORIENTATION_VERTICAL, minimum, natural);
}

void PlaceChild(GtkWidget* child, gpointer data) {
  auto* layout = static_cast<GtkWidget*>(data);
  if (!gtk_widget_get_visible(child)) return;
  int x = 0;
  int y = 0;
  gtk_container_child_get(GTK_CONTAINER(layout), child, "x", &x, "y", &y, nullptr);
  int width = 0;
  int height = 0;
  gtk_widget_get_size_request(child, &width, &height);
  // GTK wants each child asked before it is given a size.
  GtkRequisition asked;
  gtk_widget_get_preferred_size(child, &asked, nullptr);
  GtkAllocation own;
  gtk_widget_get_allocation(layout, &own);
  GtkAllocation place{own.x + x, own.y + y, width >= 0 ? width : asked.width, height >= 0 ? height : asked.height};
  gtk_widget_size_allocate(child, &place);
}

void Allocate(GtkWidget* widget, GtkAllocation* allocation) {
  gtk_widget_set_allocation(widget, allocation);
  gtk_container_foreach(GTK_CONTAINER(widget), PlaceChild, widget);
}

void design_layout_class_init(DesignLayoutClass* layout_class) {
  GtkWidgetClass* widget_class = GTK_WIDGET_CLASS(layout_class);
  widget_class->get_preferred_width = PreferredWidth;
  widget_class->get_preferred_height = PreferredHeight;
  widget_class->size_allocate = Allocate;
}

void design_layout_init(DesignLayout*) {}

}  // namespace

GtkWidget* NewDesignLayout() { return GTK_WIDGET(g_object_new(design_layout_get_type(), nullptr)); }
