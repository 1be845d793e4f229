// Lines of equal potential around a cylinder in a stream, without circulation.
#pragma once

#include "flow/settings.h"

namespace flow {

// Level lines of (r + R^2/r) cos(theta) for the values 0, A, 2A, ... (N lines)
// around the cylinder of radius R centred at (X, Y), drawn in four mirrored
// quarter passes; lines that start next to the cylinder are joined to its
// circle. Advances the gauge by 1 per line and pass.
void EquipotentialCylinder(const Canvas& canvas, int X, int Y, int R);

}  // namespace flow
