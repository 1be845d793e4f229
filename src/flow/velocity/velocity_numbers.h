// The velocity at a point as numbers: the physics of the whole flow on the
// screen with the exact pi, where the drawn vectors follow the drawing rules
// (3.14, and for some configurations only part of the flow).
#pragma once

#include <optional>

#include "flow/velocity/velocity.h"

namespace flow {

// A source (Q > 0) or sink (Q < 0) at a point of the picture.
struct PointElement {
    Point at;
    int Q = 0;
};

// What the velocity input leaves out of the flow on the screen: a partner
// added to a source or sink in a stream, or a source-sink pair's second
// element; and, for a pair, that the stream the input reads is not there.
struct LeftOut {
    std::optional<PointElement> element;
    bool noStream = false;

    // Whether the drawn vectors show a flow other than the numbers'.
    bool any() const { return element.has_value() || noStream; }
};

// The velocity at input.p of the input's configuration with what it left
// out: its size, its parts along the screen's x axis (to the right) and y
// axis (upwards), and its direction in degrees counter-clockwise from the x
// axis. The stream flows to the right at U (a unit stream about the
// cylinder with circulation); a positive circulation turns counter-clockwise
// (the vortex-source's clockwise, as its vectors turn); the dipole is the one
// its lines draw, W = M / z, whose streamline psi = 1 is the first circle
// of diameter M. Nothing where the vectors are not drawn (on the horizontal
// or vertical line through the centre).
std::optional<VelocityNumbers> VelocityNumbersAt(const VelocityInput& input,
                                                 const LeftOut& leftOut = {});

}  // namespace flow
