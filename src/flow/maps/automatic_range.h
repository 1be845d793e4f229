// The range a map's colours span when the user fixes none. The values near
// singular points grow without bound and would take the whole scale, so the
// range is read from a sample of the picture (every 4th pixel of every 4th
// row) that leaves out the inside of bodies (circles given, or the pixels the map
// marks) and the neighbourhood of each
// singular point: in a stream, wherever the point's own term alone is three
// times as fast as the stream (for a cylinder, its inside; for a source of
// strength Q, Q / (6 pi U) about it), and always the 5 pixels about it.
// In a stream what is left is bounded, and the range runs to its extremes:
// speeds from 0 to the fastest, pressure coefficients from the lowest (at
// most -0.1, so that the scale keeps its blue side) to 1, their largest
// possible value, at a stagnation point. Without a stream the speed falls
// off from the singular points without any scale of its own; the range then
// runs from 0 to the 99th percentile of the sample.
#pragma once

#include <vector>

#include "flow/maps/picture_geometry.h"
#include "flow/maps/scale_mapping.h"
#include "flow/maps/value_map.h"

namespace flow::maps {

inline constexpr int kRangeSampleStep = 4;

MapRange automaticRange(const ValueMap& map, const std::vector<Circle>& bodies = {});

}  // namespace flow::maps
