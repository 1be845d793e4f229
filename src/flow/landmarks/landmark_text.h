// Landmarks as text: one line each, ending in a newline, with places in
// picture pixels and about the element's centre (in a superposition, the
// field's centre).
#pragma once

#include <string>
#include <vector>

#include "flow/landmarks/landmark.h"

namespace flow {

std::string landmarksText(const std::vector<Landmark>& landmarks);

}  // namespace flow
