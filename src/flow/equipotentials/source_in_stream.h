// Lines of equal potential of a source or a sink at (X, Y) in an oncoming
// stream: level lines of U*x + Q/(2*3.14)*ln r, found radius by radius for
// r = 1 .. W. The sink's picture is the source's mirrored left to right.
#pragma once

#include "flow/settings.h"

namespace flow {

// Source of strength Q; x grows to the right. The run ends with the first
// line whose last point lies right of the field.
void EquipotentialSourceInStream(const Canvas& canvas, int X, int Y, int Q);

// Sink of strength Q (a positive number); x grows to the left. The run ends
// with the first line whose last point lies left of the field.
void EquipotentialSinkInStream(const Canvas& canvas, int X, int Y, int Q);

}  // namespace flow
