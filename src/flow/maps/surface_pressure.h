// The pressure coefficient along a body: on a cylinder's surface against the
// angle, read from the flow's field beside the exact curve
// Cp = 1 - (2 sin theta - G / (2 pi R U))^2, and along the dividing
// streamline of a half-body against x. Angles are degrees counter-clockwise
// on the screen from the downstream direction (to the right).
#pragma once

#include <vector>

#include "flow/maps/closed_form_elements.h"
#include "flow/maps/picture_geometry.h"
#include "flow/superposition/elements.h"

namespace flow::maps {

struct PressurePoint {
    double at = 0;  // the angle in degrees, or the picture's x
    double cp = 0;
    double y = 0;  // the picture's y of the point
};

struct CylinderPressure {
    std::vector<PressurePoint> sampled;    // from the field, 0 to 360 degrees
    std::vector<PressurePoint> exact;      // the same angles
    std::vector<double> stagnationAngles;  // where Cp = 1 on the surface; none
                                           // when the circulation lifts them off
    PressurePoint lowest;                  // the exact lowest Cp and its angle
};

double exactCylinderCp(const Cylinder& cylinder, double degrees);

// The field of `elements` sampled at `samples` (at least 2) angles,
// the first and last both at 0 = 360 degrees.
CylinderPressure cylinderPressure(const std::vector<superposition::Element>& elements,
                                  const Cylinder& cylinder, int samples = 361);

// A source (Q > 0) or a sink (Q < 0) at (x, y) in a stream of speed U to the
// right: Cp of the field along the upper half of its dividing streamline,
// from the stagnation point to where the line reaches the picture's edge x =
// `downstreamEnd` (for a sink, upstream to x = `downstreamEnd`, which lies to
// its left), at `samples` points in order of x.
std::vector<PressurePoint> halfBodyPressure(const std::vector<superposition::Element>& elements,
                                            PicturePoint element, double Q, double U,
                                            double downstreamEnd, int samples = 200);

// A Rankine oval: a source at `source` and a sink of the same strength on
// the same row downstream of it, in a stream of speed U to the right (the
// field of `elements`). Cp along the upper half of its dividing streamline,
// from the upstream stagnation point to the downstream one, at `samples`
// points in order of x, closer together near the ends.
std::vector<PressurePoint> rankineOvalPressure(const std::vector<superposition::Element>& elements,
                                               PicturePoint source, PicturePoint sink, double U,
                                               int samples = 200);

}  // namespace flow::maps
