// The speed or the pressure coefficient of a flow at the centre of every
// pixel of a picture. Rows are independent: they are shared between
// threads, and the values do not depend on how many there are.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "flow/maps/picture_geometry.h"
#include "flow/superposition/elements.h"

namespace flow::maps {

enum class MapQuantity {
    Speed,    // |V| / U in a stream, |V| (pixels per unit of time) without one
    Pressure  // Cp = 1 - |V|^2 / U^2; needs a stream
};

struct ValueMap {
    int width = 0;
    int height = 0;
    MapQuantity quantity = MapQuantity::Speed;
    double streamSpeed = 0;  // U; 0 when the flow has no stream
    // Row by row from the top. A singular point's value is clipped to the
    // end of the scale it tends to: the largest float for a speed, the
    // lowest for Cp; never NaN or infinite.
    std::vector<float> values;
    // Where the values grow without bound about a singular point (see
    // SpeedTerms): left out of the automatic range.
    std::vector<Circle> singularNeighbourhoods;
    // Row by row, nonzero for a pixel inside a body (no fluid there: its
    // value means nothing); empty when the flow marks no such pixels.
    std::vector<std::uint8_t> inside;

    float at(int x, int y) const { return values[static_cast<std::size_t>(y) * width + x]; }
    bool isInside(int x, int y) const {
        return !inside.empty() && inside[static_cast<std::size_t>(y) * width + x] != 0;
    }
};

// Any flow's squared speeds along the rows of a picture.
struct SpeedRows {
    double streamSpeed = 0;
    std::vector<Circle> singularNeighbourhoods;
    bool marksInside = false;  // whether `row` marks pixels inside a body
    // |V|^2 at the centres of the pixels (i, row), i < width, into squared;
    // when marksInside, nonzero into inside[i] for a pixel inside a body.
    std::function<void(int row, int width, double* squared, std::uint8_t* inside)> row;
};

// The map of the rows' flow into `map`, whose buffers are reused when they
// are large enough (fresh memory costs as much as the values of a few
// elements); false, and `map` unchanged, for a pressure map of a flow
// without a stream (Cp needs U).
bool fillValueMap(ValueMap& map, const SpeedRows& rows, int width, int height, MapQuantity quantity,
                  int threads = 2);

// The same for a superposition's elements.
bool fillValueMap(ValueMap& map, const std::vector<superposition::Element>& elements, int width,
                  int height, MapQuantity quantity, int threads = 2);

// The same in a new map; nothing for a pressure map without a stream.
std::optional<ValueMap> valueMap(const std::vector<superposition::Element>& elements, int width,
                                 int height, MapQuantity quantity, int threads = 2);

}  // namespace flow::maps
