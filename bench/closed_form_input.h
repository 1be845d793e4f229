// The closed-form configurations as the core benchmarks place them: centred
// in an 800 x 600 picture with the dialogs' usual strengths.
#pragma once

#include "flow/velocity/velocity_numbers.h"

flow::VelocityInput closedFormInput(flow::VelocityConfig config, double circulation = 1000);
