#include "flow/maps/value_map.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "flow/maps/row_shares.h"
#include "flow/maps/speed_terms.h"

namespace flow::maps {

namespace {

constexpr double kLargest = std::numeric_limits<float>::max();

// The rows [first, last) of the map. Comparisons that fail on NaN send a
// singular point to the end of the scale.
void fillRows(const SpeedRows& rows, ValueMap& map, int first, int last) {
    std::vector<double> squared(static_cast<std::size_t>(map.width));
    const double U = map.streamSpeed;
    const double inverseU2 = 1 / (U * U);
    const double speedScale = U > 0 ? 1 / U : 1;
    for (int row = first; row < last; ++row) {
        const std::size_t start = static_cast<std::size_t>(row) * map.width;
        rows.row(row, map.width, squared.data(),
                 rows.marksInside ? map.inside.data() + start : nullptr);
        float* out = map.values.data() + start;
        if (map.quantity == MapQuantity::Pressure) {
            for (int i = 0; i < map.width; ++i) {
                const double cp = 1 - squared[i] * inverseU2;
                out[i] = static_cast<float>(cp >= -kLargest ? cp : -kLargest);
            }
        } else {
            for (int i = 0; i < map.width; ++i) {
                const double speed = std::sqrt(squared[i]) * speedScale;
                out[i] = static_cast<float>(speed <= kLargest ? speed : kLargest);
            }
        }
    }
}

}  // namespace

bool fillValueMap(ValueMap& map, const SpeedRows& rows, int width, int height, MapQuantity quantity,
                  int threads) {
    if (quantity == MapQuantity::Pressure && !(rows.streamSpeed > 0)) return false;
    map.width = std::max(width, 0);
    map.height = std::max(height, 0);
    map.quantity = quantity;
    map.streamSpeed = rows.streamSpeed;
    map.singularNeighbourhoods = rows.singularNeighbourhoods;
    const std::size_t pixels = static_cast<std::size_t>(map.width) * map.height;
    map.values.resize(pixels);
    map.inside.assign(rows.marksInside ? pixels : 0, 0);
    shareRows(map.height, threads, [&](int first, int last) { fillRows(rows, map, first, last); });
    return true;
}

bool fillValueMap(ValueMap& map, const std::vector<superposition::Element>& elements, int width,
                  int height, MapQuantity quantity, int threads) {
    const SpeedTerms terms(elements);
    SpeedRows rows{terms.streamSpeed(), terms.singularNeighbourhoods(), false,
                   [&terms](int row, int w, double* squared, std::uint8_t*) {
                       terms.squaredSpeeds(row, w, squared);
                   }};
    return fillValueMap(map, rows, width, height, quantity, threads);
}

std::optional<ValueMap> valueMap(const std::vector<superposition::Element>& elements, int width,
                                 int height, MapQuantity quantity, int threads) {
    ValueMap map;
    if (!fillValueMap(map, elements, width, height, quantity, threads)) return std::nullopt;
    return map;
}

}  // namespace flow::maps
