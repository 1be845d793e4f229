#include "flow/velocity/element_picture_flow.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace flow {

ElementPictureFlow::ElementPictureFlow(const std::vector<superposition::Element>& elements,
                                       std::vector<maps::Circle> bodies)
    : field_(elements), bodies_(std::move(bodies)) {}

std::optional<superposition::ScreenVelocity> ElementPictureFlow::velocityAt(double x,
                                                                            double y) const {
    if (bodyDistance(x, y) < 0) return std::nullopt;
    return superposition::velocityAt(field_, x, y);
}

double ElementPictureFlow::singularDistance(double x, double y) const {
    return field_.distanceToSingularity(superposition::toFlow(x, y));
}

double ElementPictureFlow::bodyDistance(double x, double y) const {
    double nearest = std::numeric_limits<double>::infinity();
    for (const maps::Circle& body : bodies_)
        nearest =
            std::min(nearest, std::sqrt(maps::squaredDistance({x, y}, body.centre)) - body.radius);
    return nearest;
}

std::vector<PictureFlow::Outlet> ElementPictureFlow::outlets() const {
    // A log term's real part is Q / (2 pi): positive for a source.
    std::vector<Outlet> found;
    for (const superposition::Singularity& s : field_.singularities())
        if (s.log.real() > 0)
            found.push_back({maps::pictureOf(s.z), 2 * std::numbers::pi * s.log.real()});
    return found;
}

}  // namespace flow
