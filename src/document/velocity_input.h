// The velocity's input at a point of a configuration: the flow and its
// parameters from the configuration and the settings, as a click on the
// velocity marker takes them.
#pragma once

#include <optional>

#include "document/configuration.h"
#include "flow/settings.h"
#include "flow/velocity/velocity.h"

// Nothing when the configuration holds no element.
std::optional<flow::VelocityInput> velocityInputAt(const Configuration& c,
                                                   const flow::Settings& settings, flow::Point p);
