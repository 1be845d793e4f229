// The level curves of the airfoil flow, traced in the circle plane by the
// superposition tracer and carried to the picture: the circle-plane flow is
// a stream, a dipole and a vortex at the circle's centre, so its stream
// function and potential are those of the superposition of these three.
// Since the map is conformal and W is the same function in both planes,
// levels map to levels exactly and their spacing keeps its meaning.
#pragma once

#include <vector>

#include "flow/airfoil/airfoil_flow.h"
#include "flow/superposition/level_curves.h"

namespace flow::airfoil {

// A point of a drawn curve: in the circle plane and on the picture.
struct CurvePoint {
    Complex z;
    PicturePoint p;
};

struct MappedCurves {
    std::vector<std::vector<CurvePoint>> curves;
    superposition::CurveSet traced;  // the circle-plane curves, for the outcome
};

// The level curves of the quantity whose pictures meet the field (plus the
// drawing margin), cut where they enter the circle (the airfoil), mapped to
// the picture with chords short enough to follow the mapped curve.
MappedCurves airfoilLevelCurves(const AirfoilFlow& flow, superposition::Quantity quantity,
                                const superposition::Levels& levels);

}  // namespace flow::airfoil
