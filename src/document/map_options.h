// How a colour map is coloured, as the colour map dialog sets it: the range
// (automatic or fixed), continuous colours or bands, and whether a legend is
// drawn with it.
#pragma once

#include <optional>

#include "flow/maps/map_colouring.h"
#include "flow/maps/value_map.h"

struct MapOptions {
    std::optional<flow::maps::MapRange> fixedRange;  // nothing: automatic
    int bands = 0;                                   // 0: continuous, otherwise 5..20
    bool legend = true;
};
