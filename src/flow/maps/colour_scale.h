// The colour scales of the maps, both made in the OKLab space so that equal
// steps of the value look like equal steps of colour, and both with a
// lightness that rises steadily from the low end to the high end: printed in
// grey, a lighter grey is always a larger value.
//
// Sequential (speed): lightness 0.27 to 0.95, the hue turning from violet
// through blue, teal and green to yellow.
// Diverging (pressure): lightness 0.30 to 0.94; dark blue at the low end,
// a neutral grey (no colour at all) in the middle, where Cp = 0, and light
// orange to yellow at the high end; the colour grows with the distance from
// the middle.
#pragma once

#include <array>
#include <cstdint>

namespace flow::maps {

enum class ColourScale { Sequential, Diverging };

inline constexpr int kScaleSteps = 256;

// 0xAARRGGBB, opaque, from position 0 (low end) to 1 (high end); positions
// outside are clipped.
std::uint32_t scaleColour(ColourScale scale, double position);

// The scale at kScaleSteps evenly spread positions, computed once.
const std::array<std::uint32_t, kScaleSteps>& scaleTable(ColourScale scale);

}  // namespace flow::maps
