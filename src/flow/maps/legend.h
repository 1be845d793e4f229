// What a map's legend shows, for the window or the renderer to paint: the
// colour bar from its low end up and the labelled ticks beside it.
//
// Ticks of a banded scale stand at the band edges (every second or third
// edge when there are more than ten bands, and always at both ends). Ticks
// of a continuous scale stand at round values (1, 2, 2.5 or 5 times a power
// of ten apart, about three to a side of the pressure scale's middle and
// about five along the speed scale), and at the range's ends too when these
// lie at least half a step from the nearest round tick.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "flow/maps/scale_mapping.h"

namespace flow::maps {

struct LegendTick {
    double value = 0;
    double position = 0;  // along the bar, 0 at its low end, 1 at its high end
    std::string text;
};

struct Legend {
    std::vector<std::uint32_t> colours;  // 0xAARRGGBB, from the low end up
    std::vector<LegendTick> ticks;       // from the low end up
};

Legend legendOf(const ScaleMapping& mapping);

// A value with three significant digits, without trailing zeros
// ("-3", "0.25", "1.87", "1500", "2.5e-05").
std::string tickText(double value);

}  // namespace flow::maps
