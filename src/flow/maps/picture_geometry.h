// Points and circles of the picture in pixels (x to the right, y down),
// not rounded.
#pragma once

#include "flow/superposition/elements.h"

namespace flow::maps {

struct PicturePoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const PicturePoint&, const PicturePoint&) = default;
};

struct Circle {
    PicturePoint centre;
    double radius = 0;
    friend bool operator==(const Circle&, const Circle&) = default;
};

// The point a share u of the way from a to b.
inline PicturePoint between(PicturePoint a, PicturePoint b, double u) {
    return {a.x + (b.x - a.x) * u, a.y + (b.y - a.y) * u};
}

inline double squaredDistance(PicturePoint a, PicturePoint b) {
    const double dx = a.x - b.x, dy = a.y - b.y;
    return dx * dx + dy * dy;
}

// The picture point of a point of the flow plane.
inline PicturePoint pictureOf(superposition::Complex z) {
    return {-z.real(), -z.imag()};
}

}  // namespace flow::maps
