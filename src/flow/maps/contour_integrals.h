// The circulation and the flux of a superposition around a closed contour
// of the picture, a circle or a polygon, integrated numerically: the
// circulation G = closed integral of V.dl, positive counter-clockwise on the
// screen, and the flux Q = closed integral of V.n dl, positive outwards,
// whichever way the polygon's corners run.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "flow/maps/picture_geometry.h"
#include "flow/superposition/elements.h"

namespace flow::maps {

// A singular point this close to the contour, or closer, makes the
// integrals meaningless: no numbers then.
inline constexpr double kContourClearance = 1;

enum class ContourProblem {
    None,
    ThroughSingularPoint,  // the contour passes within kContourClearance of one
    NoArea                 // fewer than three corners, or all on one line, or no radius
};

struct ContourIntegrals {
    ContourProblem problem = ContourProblem::None;
    double circulation = 0;  // meaningful only without a problem
    double flux = 0;
    std::optional<PicturePoint> singularPoint;  // the one the contour passes
    std::vector<std::size_t> inside;            // indices of the elements inside
};

ContourIntegrals contourIntegrals(const std::vector<superposition::Element>& elements,
                                  const Circle& circle);
ContourIntegrals contourIntegrals(const std::vector<superposition::Element>& elements,
                                  const std::vector<PicturePoint>& polygon);

// Whether the disc lies wholly inside the contour, its rim touching it at most.
bool encloses(const Circle& contour, const Circle& disc);
bool encloses(const std::vector<PicturePoint>& polygon, const Circle& disc);

}  // namespace flow::maps
