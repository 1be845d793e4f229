// A landmark of a flow: a named place (a stagnation point, where a cylinder's
// surface is fastest, a point where the velocity was asked for) or a named
// figure (a half-width, a speed), in the flow's own units: lengths in pixels,
// speeds in the units of the stream speed U.
#pragma once

#include <optional>

#include "flow/surface.h"
#include "flow/velocity/velocity.h"

namespace flow {

struct PlanePoint {
    double x = 0;
    double y = 0;
};

// What a place is measured from: the element's centre, or the field's
// centre in a superposition, whose elements have no one centre.
enum class LandmarkOrigin { ElementCentre, FieldCentre };

// A place twice over: on the picture (pixels, x to the right, y downwards)
// and about the origin (x to the right, y upwards).
struct LandmarkPlace {
    PlanePoint picture;
    PlanePoint flow;
    LandmarkOrigin origin = LandmarkOrigin::ElementCentre;
};

// The place `flow` about the centre.
LandmarkPlace placeAbout(Point centre, PlanePoint flow,
                         LandmarkOrigin origin = LandmarkOrigin::ElementCentre);

enum class LandmarkKind {
    StagnationPoint,           // place
    HalfWidthDownstream,       // value: a source's half-body far downstream
    HalfWidthUpstream,         // value: a sink's half-body far upstream
    GreatestSurfaceSpeed,      // place and value: the cylinder's fastest surface point
    Velocity,                  // place and velocity: where velocity vectors were drawn
    LowestPressureOnCylinder,  // place and value: the lowest Cp on a cylinder's surface
    LowestPressureOnLine,      // place and value: the lowest Cp on a dividing streamline
};

struct Landmark {
    LandmarkKind kind = LandmarkKind::StagnationPoint;
    std::optional<LandmarkPlace> place;
    double value = 0;  // the half-width, the greatest surface speed, |V| or Cp
    std::optional<VelocityNumbers> velocity;
};

}  // namespace flow
