// Placing elements with the mouse.
#include "document/mdi_child.h"

void TMDIChild::ImageMouseDown(Qt::MouseButton, int, int) {}
