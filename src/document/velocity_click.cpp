// A click on the velocity marker.
#include "document/mdi_child.h"

void TMDIChild::Shape1MouseDown() {}
