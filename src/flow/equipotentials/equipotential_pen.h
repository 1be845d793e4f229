// The pen every equipotential tracer starts with.
#pragma once

#include "flow/settings.h"

namespace flow {

// Pen width, then colour, from the equipotential dialog; the style is kept.
void setEquipotentialPen(const Canvas& canvas);

}  // namespace flow
