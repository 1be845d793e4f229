// A steady plane flow as the picture sees it: positions in picture pixels
// (x to the right, y down), velocities in pixels per unit of the flow's time
// along the same axes. Time marks and moving particles follow any flow
// through this: a superposition's (or a configuration's) elements, or the
// airfoil's mapped flow.
#pragma once

#include <limits>
#include <optional>
#include <vector>

#include "flow/maps/picture_geometry.h"

namespace flow {

class PictureFlow {
  public:
    virtual ~PictureFlow() = default;

    // True when nothing moves anywhere (no element placed).
    virtual bool still() const = 0;
    // The velocity at a picture point; nothing inside a body.
    virtual std::optional<superposition::ScreenVelocity> velocityAt(double x, double y) const = 0;
    // The distance from the point to the nearest singular point (a source,
    // sink, vortex, dipole, or an edge where the speed is unbounded);
    // infinite when there is none.
    virtual double singularDistance(double x, double y) const = 0;
    // The distance from the point to the nearest body's outline (negative
    // inside a body); infinite when the flow has no body.
    virtual double bodyDistance(double x, double y) const = 0;
    // The points fluid comes out of (sources), with their strengths Q.
    struct Outlet {
        maps::PicturePoint at;
        double strength = 0;
    };
    virtual std::vector<Outlet> outlets() const = 0;
};

}  // namespace flow
