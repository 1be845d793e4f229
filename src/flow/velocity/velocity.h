// Velocity of the flow at a marked point: the radial and tangential
// components about the element's centre, their lengths in pixels and the end
// points of the radial, tangential and resultant vectors, and their drawing.
#pragma once

#include <cstdint>
#include <optional>

#include "flow/settings.h"
#include "flow/surface.h"

namespace flow {

enum class VelocityConfig {
    CylinderCirculation = 1,
    Cylinder,
    SourceInStream,
    VortexSource,
    Dipole,
    Vortex,
    PointSource
};

// Everything the click has read: the point, the element's centre, the vector
// scale k and the configuration's parameters (radius R, circulation gamma,
// stream speed U, strength Q, dipole moment M). The cylinder with circulation
// always sees a unit stream, so U is not used there.
struct VelocityInput {
    VelocityConfig config;
    Point p;
    Point centre;
    int k;
    int R = 0;
    int gamma = 0;
    int U = 0;
    int Q = 0;
    int M = 0;
};

// Where the point lies seen from the centre, on the screen (y downwards).
enum class Quadrant { RightAbove, LeftAbove, LeftBelow, RightBelow };

struct VelocityResult {
    Quadrant quadrant;
    double r;                       // distance from the centre, 1 for the centre itself
    double a;                       // |x - XC| / r
    double b;                       // |y - YC| / r
    double aPrime;                  // cos(1.57 - arccos a), x magnitude of the tangential direction
    double bPrime;                  // sin(1.57 - arcsin b), y magnitude of the tangential direction
    std::int64_t radialLength;      // signed, pixels; 0 for the plane vortex
    std::int64_t tangentialLength;  // signed, pixels; 0 for the point source
    Point radialTip;
    Point tangentialTip;
    Point radialOffset;
    Point tangentialOffset;
    Point resultantTip;  // tangential tip + radial offset
};

// The velocity at input.p; nothing on the horizontal or vertical line through
// the centre.
std::optional<VelocityResult> ComputeVelocity(const VelocityInput& input);

// The velocity as numbers in the flow's own units (pixels per unit of time,
// before any drawing scale); velocity_numbers.h gives them.
struct VelocityNumbers {
    double speed;
    double vx;     // to the right
    double vy;     // upwards
    double angle;  // degrees counter-clockwise from the x axis
};

// Computes the velocity and draws its vectors with the vector-style pens as
// they are set at this moment. Draws nothing where ComputeVelocity gives
// nothing.
void DrawVelocity(const Canvas& canvas, const VelocityInput& input);

}  // namespace flow
