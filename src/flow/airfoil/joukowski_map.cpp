#include "flow/airfoil/joukowski_map.h"

#include <cmath>

namespace flow::airfoil {

namespace {

// Points this close to the circle, relative to its radius, count as on it.
constexpr double kOnCircle = 1e-9;

}  // namespace

JoukowskiCircle JoukowskiCircle::of(double radius, double thickness, double camber) {
    JoukowskiCircle circle;
    circle.radius = radius;
    circle.centre = radius * Complex(-thickness, camber);
    // c is where the circle crosses the positive real axis.
    circle.c = radius * (std::sqrt(1 - camber * camber) - thickness);
    return circle;
}

double JoukowskiCircle::beta() const {
    return std::asin(centre.imag() / radius);
}

bool JoukowskiCircle::outside(Complex z) const {
    return std::abs(z - centre) >= radius * (1 - kOnCircle);
}

Complex JoukowskiCircle::outerPreimage(Complex zeta) const {
    // The roots of z^2 - zeta z + c^2 = 0 have the product c^2. Take the
    // larger one from the quadratic formula (no cancellation), the other
    // from the product, and keep the one farther out: choosing by place
    // rather than by the square root's branch leaves no cut to cross.
    Complex root = std::sqrt(zeta * zeta - 4 * c * c);
    if (std::norm(zeta - root) > std::norm(zeta + root)) root = -root;
    const Complex far = (zeta + root) / 2.0;
    if (far == Complex{}) return far;
    const Complex near = c * c / far;
    return std::abs(far - centre) >= std::abs(near - centre) ? far : near;
}

std::optional<Complex> JoukowskiCircle::inverse(Complex zeta) const {
    const Complex z = outerPreimage(zeta);
    if (z == Complex{} || !outside(z)) return std::nullopt;
    return z;
}

}  // namespace flow::airfoil
