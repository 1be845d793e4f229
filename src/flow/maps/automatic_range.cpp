#include "flow/maps/automatic_range.h"

#include <algorithm>
#include <cmath>

namespace flow::maps {

namespace {

constexpr double kTopPercentile = 0.99;
constexpr double kShallowestSuction = -0.1;

bool within(PicturePoint p, const std::vector<Circle>& circles) {
    return std::any_of(circles.begin(), circles.end(), [p](const Circle& c) {
        return squaredDistance(p, c.centre) < c.radius * c.radius;
    });
}

}  // namespace

MapRange automaticRange(const ValueMap& map, const std::vector<Circle>& bodies) {
    std::vector<float> sample;
    constexpr int first = kRangeSampleStep / 2;
    for (int y = first; y < map.height; y += kRangeSampleStep)
        for (int x = first; x < map.width; x += kRangeSampleStep) {
            const PicturePoint p{x + 0.5, y + 0.5};
            if (!map.isInside(x, y) && !within(p, map.singularNeighbourhoods) && !within(p, bodies))
                sample.push_back(map.at(x, y));
        }
    if (map.quantity == MapQuantity::Pressure) {
        const auto lowest = std::min_element(sample.begin(), sample.end());
        const double low = lowest == sample.end() ? kShallowestSuction : *lowest;
        return {std::min(low, kShallowestSuction), 1};
    }
    double high = 0;
    if (map.streamSpeed > 0) {
        if (!sample.empty()) high = *std::max_element(sample.begin(), sample.end());
    } else if (!sample.empty()) {
        const auto at = sample.begin() + static_cast<std::ptrdiff_t>(
                                             std::lround(kTopPercentile * (sample.size() - 1)));
        std::nth_element(sample.begin(), at, sample.end());
        high = *at;
    }
    return {0, high > 0 ? high : 1};
}

}  // namespace flow::maps
