// Stagnation points of a superposition: the zeros of dW/dz, found by Newton's
// method from starts spread over the region and around every element.
#pragma once

#include <vector>

#include "flow/superposition/elements.h"
#include "flow/superposition/level_tracer.h"

namespace flow::superposition {

// The stagnation points inside the region, in the flow plane, each to well
// within a tenth of a pixel, also two close together; points closer than a
// twentieth of a pixel count as one. The search from each start costs work;
// when the budget runs out, the points found so far are returned and the
// budget says it ran out.
std::vector<Complex> stagnationPoints(const Field& field, const Region& region, StepBudget& budget);
// The same with the budget every drawing and every list of landmarks gives
// the search.
std::vector<Complex> stagnationPoints(const Field& field, const Region& region);
StepBudget stagnationBudget();

}  // namespace flow::superposition
