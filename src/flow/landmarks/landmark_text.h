// Landmarks as text: one line each, ending in a newline, with places in
// picture pixels and about the element's centre (in a superposition, the
// field's centre).
#pragma once

#include <string>
#include <vector>

#include "flow/landmarks/landmark.h"

namespace flow {

std::string landmarksText(const std::vector<Landmark>& landmarks);

// "|V| = ...; Vx = ...; Vy = ...; угол ...°", as the status line and the
// landmarks give a velocity: the speed to three significant digits, at least
// three decimals, its parts to the speed's decimals, the angle to a tenth.
std::string velocityNumbersText(const VelocityNumbers& velocity);

}  // namespace flow
