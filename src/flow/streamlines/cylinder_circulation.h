// Streamlines of a unit stream from left to right past a cylinder with
// circulation.
#pragma once

#include "flow/settings.h"

namespace flow {

// Draws the dividing streamline above the cylinder of radius R centred at
// (X, Y), then 2N lines at the streamline increment, each found by marching
// outwards in radius and drawn with its mirror image in the vertical line
// through the centre. Reads the circulation, increment, line count and the
// field width and height once at the start; a field text that is not an
// integer stops it before anything is drawn.
void StreamCylinderCirculation(const Canvas& canvas, int R, int X, int Y);

}  // namespace flow
