// Lines of equal potential around a cylinder in a stream, with circulation.
#pragma once

#include "flow/settings.h"

namespace flow {

// Level lines of (r + R^2/r) cos(theta) + Gamma theta / (2 pi) for the values
// 0, A, 2A, ... up to the field width W around the cylinder of radius R
// centred at (X, Y): first the upper half of the picture, then the lower one
// (theta taken negative), each mirrored left to right. Line ends that meet
// the cylinder are joined to its circle. Advances the gauge by 2 per line.
void EquipotentialCylinderCirculation(const Canvas& canvas, int R, int X, int Y);

}  // namespace flow
