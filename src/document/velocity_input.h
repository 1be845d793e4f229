// The velocity's input at a point of a configuration: the flow and its
// parameters from the configuration and the settings, as a click on the
// velocity marker takes them; and what the input leaves out of the flow on
// the screen, for the numbers of the whole flow.
#pragma once

#include <optional>

#include "document/configuration.h"
#include "flow/settings.h"
#include "flow/velocity/velocity_numbers.h"

// Nothing when the configuration holds no element.
std::optional<flow::VelocityInput> velocityInputAt(const Configuration& c,
                                                   const flow::Settings& settings, flow::Point p);

// A partner added to a source or sink in a stream, or a pair's sink (the
// pair's streamlines put it to the right of the source at the first point,
// at the distance between the points) and the stream a pair does not have.
// Throws flow::ConversionError when a strength is no integer.
flow::LeftOut leftOutOf(const Configuration& c);
