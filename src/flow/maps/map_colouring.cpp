#include "flow/maps/map_colouring.h"

#include <algorithm>
#include <cmath>

#include "flow/maps/automatic_range.h"
#include "flow/maps/row_shares.h"

namespace flow::maps {

namespace {

void paintBody(ColouredMap& out, const Circle& body, std::uint32_t colour) {
    const double r2 = body.radius * body.radius;
    const int top = std::max(0, static_cast<int>(std::floor(body.centre.y - body.radius)));
    const int bottom =
        std::min(out.height - 1, static_cast<int>(std::ceil(body.centre.y + body.radius)));
    const int left = std::max(0, static_cast<int>(std::floor(body.centre.x - body.radius)));
    const int right =
        std::min(out.width - 1, static_cast<int>(std::ceil(body.centre.x + body.radius)));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (squaredDistance({x + 0.5, y + 0.5}, body.centre) < r2)
                out.pixels[static_cast<std::size_t>(y) * out.width + x] = colour;
}

}  // namespace

void colourMapInto(ColouredMap& out, const ValueMap& map, const MapStyle& style,
                   const std::vector<Circle>& bodies, int threads) {
    const MapRange range = style.fixedRange ? *style.fixedRange : automaticRange(map, bodies);
    out.width = map.width;
    out.height = map.height;
    out.mapping = ScaleMapping(map.quantity, range, style.bands);
    out.pixels.resize(map.values.size());
    const std::vector<std::uint32_t> colours = out.mapping.colours();
    // A continuous scale rounds to its nearest step; bands take the band
    // the value falls in, the top edge belonging to the top band.
    const bool banded = out.mapping.bands() > 0;
    const double steps = banded ? colours.size() : colours.size() - 1.0;
    const double rounding = banded ? 0 : 0.5;
    const int last = static_cast<int>(colours.size()) - 1;
    const ScaleMapping& mapping = out.mapping;
    const bool marked = !map.inside.empty();
    shareRows(map.height, threads, [&](int first, int end) {
        const std::size_t from = static_cast<std::size_t>(first) * map.width;
        const std::size_t to = static_cast<std::size_t>(end) * map.width;
        for (std::size_t i = from; i < to; ++i) {
            if (marked && map.inside[i]) {
                out.pixels[i] = style.bodyColour;
                continue;
            }
            const int index = static_cast<int>(mapping.position(map.values[i]) * steps + rounding);
            out.pixels[i] = colours[static_cast<std::size_t>(std::min(index, last))];
        }
    });
    for (const Circle& body : bodies) paintBody(out, body, style.bodyColour);
}

ColouredMap colourMap(const ValueMap& map, const MapStyle& style, const std::vector<Circle>& bodies,
                      int threads) {
    ColouredMap out;
    colourMapInto(out, map, style, bodies, threads);
    return out;
}

}  // namespace flow::maps
