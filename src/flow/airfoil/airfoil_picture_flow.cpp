#include "flow/airfoil/airfoil_picture_flow.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace flow::airfoil {

AirfoilPictureFlow::AirfoilPictureFlow(const AirfoilFlow& flow) : flow_(flow) {
    for (const Complex edge : flow_.unboundedEdges()) {
        const PicturePoint p = flow_.geometry().circleToPicture(edge);
        edges_.push_back({p.x, p.y});
    }
}

bool AirfoilPictureFlow::still() const {
    return flow_.speed() == 0 && flow_.circulation() == 0;
}

std::optional<superposition::ScreenVelocity> AirfoilPictureFlow::velocityAt(double x,
                                                                            double y) const {
    // u + i v with y upwards; the screen's y runs down.
    const std::optional<Complex> v = flow_.velocityAtPicture(x, y);
    if (!v) return std::nullopt;
    return superposition::ScreenVelocity{v->real(), -v->imag()};
}

double AirfoilPictureFlow::singularDistance(double x, double y) const {
    double nearest = std::numeric_limits<double>::infinity();
    for (const maps::PicturePoint& edge : edges_)
        nearest = std::min(nearest, std::sqrt(maps::squaredDistance({x, y}, edge)));
    return nearest;
}

double AirfoilPictureFlow::bodyDistance(double x, double y) const {
    const AirfoilGeometry& geometry = flow_.geometry();
    const JoukowskiCircle& circle = geometry.circle();
    const Complex z = circle.outerPreimage(geometry.fromPicture(x, y));
    const double d =
        (std::abs(z - circle.centre) - circle.radius) * std::abs(circle.mapDerivative(z));
    // The sign as the velocity has it: negative exactly where there is none.
    if (z != Complex{} && circle.outside(z)) return std::max(d, 0.0);
    return std::min(d, -std::numeric_limits<double>::min());
}

}  // namespace flow::airfoil
