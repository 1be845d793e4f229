#include "flow/maps/value_map.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>

#include "flow/maps/speed_terms.h"

namespace flow::maps {

namespace {

constexpr double kLargest = std::numeric_limits<float>::max();

// The rows [first, last) of the map.
void fillRows(const SpeedTerms& terms, ValueMap& map, int first, int last) {
    std::vector<double> squared(static_cast<std::size_t>(map.width));
    const double U2 = map.streamSpeed * map.streamSpeed;
    const bool pressure = map.quantity == MapQuantity::Pressure;
    const double speedScale = map.streamSpeed > 0 ? 1 / map.streamSpeed : 1;
    for (int row = first; row < last; ++row) {
        terms.squaredSpeeds(row, map.width, squared.data());
        float* out = map.values.data() + static_cast<std::size_t>(row) * map.width;
        for (int i = 0; i < map.width; ++i) {
            // Comparisons that fail on NaN send a singular point to the end.
            if (pressure) {
                const double cp = 1 - squared[i] / U2;
                out[i] = static_cast<float>(cp >= -kLargest ? cp : -kLargest);
            } else {
                const double speed = std::sqrt(squared[i]) * speedScale;
                out[i] = static_cast<float>(speed <= kLargest ? speed : kLargest);
            }
        }
    }
}

}  // namespace

std::optional<ValueMap> valueMap(const std::vector<superposition::Element>& elements, int width,
                                 int height, MapQuantity quantity, int threads) {
    const SpeedTerms terms(elements);
    ValueMap map;
    map.width = std::max(width, 0);
    map.height = std::max(height, 0);
    map.quantity = quantity;
    map.streamSpeed = terms.streamSpeed();
    if (quantity == MapQuantity::Pressure && !(map.streamSpeed > 0)) return std::nullopt;
    map.singularPoints = terms.singularPoints();
    map.values.resize(static_cast<std::size_t>(map.width) * map.height);
    // Equal shares of rows; the first runs on the calling thread.
    const int shares = std::clamp(threads, 1, std::max(map.height, 1));
    std::vector<std::jthread> helpers;
    for (int s = 1; s < shares; ++s)
        helpers.emplace_back(fillRows, std::cref(terms), std::ref(map), map.height * s / shares,
                             map.height * (s + 1) / shares);
    fillRows(terms, map, 0, map.height / shares);
    helpers.clear();  // joins them before the values move out
    return map;
}

}  // namespace flow::maps
