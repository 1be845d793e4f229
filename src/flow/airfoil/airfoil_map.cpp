#include "flow/airfoil/airfoil_map.h"

#include <algorithm>
#include <cmath>

#include "flow/maps/speed_terms.h"

namespace flow::airfoil {

std::vector<maps::Circle> unboundedEdgeNeighbourhoods(const AirfoilFlow& flow) {
    const AirfoilGeometry& geometry = flow.geometry();
    const double c = geometry.circle().c;
    const double U = flow.speed();
    std::vector<maps::Circle> found;
    for (const Complex edge : flow.unboundedEdges()) {
        // Near a fold s of the map, zeta - 2s ~ (z - s)^2 / s and dzeta/dz ~
        // 2 (z - s) / s, so at a distance r from the edge |V| ~ |W'(s)| / 2
        // sqrt(c / r): kOutrunStream U at r = c |W'(s)|^2 / (2 kOutrunStream U)^2.
        const double reach = 2 * maps::kOutrunStream * U;
        const double radius = U > 0 ? c * std::norm(flow.circleVelocity(edge)) / (reach * reach)
                                    : maps::kSingularNeighbourhood;
        const PicturePoint at = geometry.circleToPicture(edge);
        found.push_back({{at.x, at.y}, std::max(radius, maps::kSingularNeighbourhood)});
    }
    return found;
}

maps::SpeedRows airfoilSpeedRows(const AirfoilFlow& flow) {
    return {flow.speed(), unboundedEdgeNeighbourhoods(flow), true,
            [&flow](int row, int width, double* squared, std::uint8_t* inside) {
                const AirfoilGeometry& geometry = flow.geometry();
                for (int i = 0; i < width; ++i) {
                    const auto z = geometry.pictureToCircle(i + 0.5, row + 0.5);
                    inside[i] = z ? 0 : 1;
                    squared[i] = z ? std::norm(flow.velocity(*z)) : 0;
                }
            }};
}

}  // namespace flow::airfoil
