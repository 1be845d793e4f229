// Evenly spaced streamlines after Jobard and Lefer: every streamline is
// followed until it comes closer than half the separation to another one,
// and new ones start one separation away to either side of those already
// drawn, where no line is nearer than that.
#pragma once

#include <vector>

#include "flow/superposition/elements.h"
#include "flow/superposition/level_curves.h"
#include "flow/superposition/level_tracer.h"

namespace flow::superposition {

// Streamlines about `separation` pixels apart (at least a few pixels), the
// dividing streamlines first.
CurveSet evenlySpacedStreamlines(const Field& field, const Region& region, double separation,
                                 const std::vector<Complex>& stagnation, StepBudget& budget);

}  // namespace flow::superposition
