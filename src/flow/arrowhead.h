// Arrowheads: triangle outlines with legs of 10 pixels, drawn as three
// segments (tip to one corner, tip to the other, corner to corner). Every
// arrowhead of the streamlines and of the velocity vectors is made here.
#pragma once

#include "flow/surface.h"

namespace flow {

inline constexpr double kArrowheadLeg = 10;

// Which way the corners lie from the tip: a leg's cosine part is added with
// sign `x`, its sine part with sign `y`.
struct LegSigns {
    int x;
    int y;
};

// Triangle outline drawn as tip-to-C+, tip-to-C-, C+-to-C-.
void drawArrowhead(Surface& surface, Point tip, Point cornerPlus, Point cornerMinus);

// Arrowhead whose legs leave the tip at the angles `angle` + `half` and
// `angle` - `half` (degrees on the 3.14 scale), their parts signed by `signs`.
void drawArrowhead(Surface& surface, Point tip, double angle, double half, LegSigns signs);

// Arrowhead pointing along a heading in degrees measured counterclockwise
// from the screen's x axis (as on paper), half-angle `half` degrees.
void headingArrowhead(Surface& surface, Point tip, double heading, double half);

// Arrowhead pointing along a screen angle in degrees measured clockwise from
// the screen's x axis (y downwards), half-angle `half` degrees.
void screenAngleArrowhead(Surface& surface, Point tip, double angle, double half);

}  // namespace flow
