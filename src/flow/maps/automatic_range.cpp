#include "flow/maps/automatic_range.h"

#include <algorithm>
#include <cmath>

namespace flow::maps {

namespace {

constexpr double kTopPercentile = 0.99;
constexpr double kBottomPercentile = 0.01;
constexpr double kShallowestSuction = -0.1;

bool leftOut(PicturePoint p, const ValueMap& map, const std::vector<Circle>& bodies) {
    constexpr double reach = kSingularNeighbourhood * kSingularNeighbourhood;
    return std::any_of(map.singularPoints.begin(), map.singularPoints.end(),
                       [p](PicturePoint s) { return squaredDistance(p, s) <= reach; }) ||
           std::any_of(bodies.begin(), bodies.end(), [p](const Circle& c) {
               return squaredDistance(p, c.centre) < c.radius * c.radius;
           });
}

// The value below which the share `fraction` of the sample lies.
double percentile(std::vector<float>& sample, double fraction) {
    const auto at =
        sample.begin() + static_cast<std::ptrdiff_t>(std::lround(fraction * (sample.size() - 1)));
    std::nth_element(sample.begin(), at, sample.end());
    return *at;
}

}  // namespace

MapRange automaticRange(const ValueMap& map, const std::vector<Circle>& bodies) {
    std::vector<float> sample;
    constexpr int first = kRangeSampleStep / 2;
    for (int y = first; y < map.height; y += kRangeSampleStep)
        for (int x = first; x < map.width; x += kRangeSampleStep)
            if (!leftOut({x + 0.5, y + 0.5}, map, bodies)) sample.push_back(map.at(x, y));
    if (map.quantity == MapQuantity::Pressure) {
        const double low =
            sample.empty() ? kShallowestSuction : percentile(sample, kBottomPercentile);
        return {std::min(low, kShallowestSuction), 1};
    }
    const double high = sample.empty() ? 0 : percentile(sample, kTopPercentile);
    return {0, high > 0 ? high : 1};
}

}  // namespace flow::maps
