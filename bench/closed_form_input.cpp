#include "closed_form_input.h"

flow::VelocityInput closedFormInput(flow::VelocityConfig config, double circulation) {
    flow::VelocityInput in{config, {}, {400, 300}, 1};
    in.R = 100;
    in.gamma = circulation;
    in.U = 1;
    in.Q = 1500;
    in.M = 50;
    return in;
}
