// Stagnation points of a superposition: the zeros of dW/dz, found by Newton's
// method from starts spread over the region and around every element.
#pragma once

#include <vector>

#include "flow/superposition/elements.h"
#include "flow/superposition/level_tracer.h"

namespace flow::superposition {

// The stagnation points inside the region, in the flow plane, each to well
// within a tenth of a pixel, also two close together; points closer than a
// twentieth of a pixel count as one.
std::vector<Complex> stagnationPoints(const Field& field, const Region& region);

}  // namespace flow::superposition
