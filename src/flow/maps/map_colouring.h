// A map's values as the picture's pixels, 0xAARRGGBB (the layout of a 32-bit
// RGB image), with the range given or found automatically and the inside of
// bodies (a cylinder's interior, where no fluid flows, or the pixels the map
// marks as inside) in a colour of its own.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "flow/maps/picture_geometry.h"
#include "flow/maps/scale_mapping.h"
#include "flow/maps/value_map.h"

namespace flow::maps {

struct MapStyle {
    std::optional<MapRange> fixedRange;  // nothing: automatic
    int bands = 0;                       // 0: continuous, otherwise 5..20
    std::uint32_t bodyColour = 0xFFFFFFFF;
};

struct ColouredMap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // row by row from the top
    ScaleMapping mapping;               // the range and bands, for the legend
};

// The pixels into `out`, its buffer reused when it is large enough; the
// rows shared between `threads`.
void colourMapInto(ColouredMap& out, const ValueMap& map, const MapStyle& style,
                   const std::vector<Circle>& bodies = {}, int threads = 2);

ColouredMap colourMap(const ValueMap& map, const MapStyle& style,
                      const std::vector<Circle>& bodies = {}, int threads = 2);

}  // namespace flow::maps
