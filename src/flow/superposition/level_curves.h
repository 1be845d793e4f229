// The level curves of a superposition at evenly spaced values: seeds are
// found where the values cross the levels along the sides of a coarse grid
// (and along short rays out of every element, for the small closed curves
// around it), each seed is followed both ways by the level tracer, and seeds
// on a curve already traced are passed over. Curves through stagnation
// points are traced first, branch by branch out of the point.
#pragma once

#include <vector>

#include "flow/superposition/elements.h"
#include "flow/superposition/level_tracer.h"

namespace flow::superposition {

// The values k * increment for |k - middle| < count. The middle level is the
// one nearest the median of the values over the region (so that a vortex,
// whose stream function has no natural zero, still gets its lines where
// they are seen).
struct Levels {
    double increment = 0;
    long long count = 0;
    long long middle = 0;
    bool any() const { return increment > 0 && count > 0; }
};

struct Curve {
    std::vector<Complex> points;  // flow plane
    double value = 0;
    bool dividing = false;  // runs out of a stagnation point
};

struct CurveSet {
    std::vector<Curve> curves;
    bool complete = true;  // false when the work budget ran out
    bool crowded = false;  // some levels lay too close together to be seeded
};

// Level curves of the quantity. For the stream function the dividing
// streamlines (through every stagnation point) are drawn whatever their
// value; for the potential only levels through a stagnation point start there.
CurveSet levelCurves(const Field& field, Quantity quantity, const Region& region,
                     const Levels& levels, const std::vector<Complex>& stagnation,
                     StepBudget& budget);

}  // namespace flow::superposition
