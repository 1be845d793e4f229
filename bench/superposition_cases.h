// The element sets the superposition benchmarks draw on an 800 x 600
// picture: ten elements of every kind, and a hundred sources, sinks and
// vortices in a stream (a fixed seed).
#pragma once

#include <vector>

#include "flow/superposition/elements.h"

namespace bench {

std::vector<flow::superposition::Element> tenElements();
std::vector<flow::superposition::Element> hundredElements();

}  // namespace bench
