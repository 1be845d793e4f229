// The closed-form configurations as superposition elements: the physics of
// the whole flow with the exact pi, in the program's senses (the stream flows
// to the right, a positive circulation turns counter-clockwise on the screen,
// the vortex-source's clockwise as its vectors turn). The maps, the contour
// integrals and the velocity numbers all work from these.
#pragma once

#include <optional>
#include <vector>

#include "flow/superposition/elements.h"
#include "flow/velocity/velocity_numbers.h"

namespace flow::maps {

// The flow of the input's configuration, with the partner or second element
// and without the stream as `leftOut` says. Only the configuration, its
// centre and its parameters (R, gamma, U, Q, M) are read.
std::vector<superposition::Element> closedFormElements(const VelocityInput& input,
                                                       const LeftOut& leftOut = {});

// A circular body in a stream: its centre (pixels), radius, the stream's
// speed and the circulation about it (counter-clockwise on the screen).
struct Cylinder {
    double x = 0;
    double y = 0;
    double radius = 0;
    double speed = 0;
    double circulation = 0;
};

// The cylinder of a cylinder configuration (with a unit stream when it has
// circulation); nothing for the other configurations.
std::optional<Cylinder> cylinderOf(const VelocityInput& input);

}  // namespace flow::maps
