// The airfoil's numbers: its stagnation points, circulation, lift and the
// lowest pressure on its surface, and their text, one line each.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "flow/airfoil/airfoil_flow.h"

namespace flow::airfoil {

// A point of the surface with its pressure coefficient Cp = 1 - |V|^2 / U^2.
struct SurfacePressure {
    double cp = 0;  // -infinity at a sharp edge the flow turns round
    PicturePoint place;
    double chordFraction = 0;  // x / c from the leading edge
    bool upper = true;
};

// The force of the surface pressure as coefficients on the chord: across
// the stream (lift) and along it (the pressure drag, nought as d'Alembert
// has it).
struct PressureForce {
    double lift = 0;
    double drag = 0;
};

struct AirfoilSummary {
    std::vector<PicturePoint> stagnation;  // picture pixels, the front one first
    double circulation = 0;                // G, clockwise
    double liftCoefficient = 0;
    double lift = 0;  // per unit span, for the density given
    SurfacePressure lowest;
    std::optional<PressureForce> force;
};

// The surface point at the circle angle theta with its pressure.
SurfacePressure surfacePressure(const AirfoilFlow& flow, double theta);
// The pressure at `count` points evenly spaced round the circle, from the
// trailing edge along the upper surface and back along the lower one.
std::vector<SurfacePressure> pressureAlongSurface(const AirfoilFlow& flow, int count);
// The lowest pressure on the surface, found to well within a pixel.
SurfacePressure lowestPressure(const AirfoilFlow& flow);

// The integral of -Cp n over the surface, divided by the chord; nothing when
// the flow turns round a sharp edge, where the integral diverges.
std::optional<PressureForce> pressureForce(const AirfoilFlow& flow);

AirfoilSummary summarize(const AirfoilFlow& flow, double density = 1);
// Places in picture pixels, then about the field's centre (x to the right,
// y upwards).
std::string summaryText(const AirfoilSummary& summary, const AirfoilGeometry& geometry);

}  // namespace flow::airfoil
