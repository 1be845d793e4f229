// The range a map's colours span when the user fixes none. The values near
// singular points grow without bound and would take the whole scale, so
// the range is read from a sample of the picture (every 4th pixel of every
// 4th row) that leaves out the pixels within 5 pixels of a singular point
// and those inside a body, and its unbounded end is a robust percentile:
// speeds run from 0 to the 99th percentile of the sample; pressure
// coefficients from the 1st percentile (at most -0.1, so that the scale
// keeps its blue side) to 1, their largest possible value, at a
// stagnation point.
#pragma once

#include <vector>

#include "flow/maps/picture_geometry.h"
#include "flow/maps/scale_mapping.h"
#include "flow/maps/value_map.h"

namespace flow::maps {

inline constexpr int kRangeSampleStep = 4;
inline constexpr double kSingularNeighbourhood = 5;

MapRange automaticRange(const ValueMap& map, const std::vector<Circle>& bodies = {});

}  // namespace flow::maps
