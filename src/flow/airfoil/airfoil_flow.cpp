#include "flow/airfoil/airfoil_flow.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace flow::airfoil {

namespace {

constexpr double kPi = std::numbers::pi;
// Closer than this to a sharp edge's preimage, relative to the radius, the
// velocity is the limit there.
constexpr double kNearEdge = 1e-6;

double radians(double degrees) {
    return degrees * kPi / 180;
}

}  // namespace

double kuttaCirculation(const JoukowskiCircle& circle, double speed, double alpha) {
    return 4 * kPi * circle.radius * speed * std::sin(alpha + circle.beta());
}

AirfoilFlow::AirfoilFlow(const AirfoilGeometry& geometry, const AirfoilStream& stream)
    : geometry_(geometry),
      speed_(stream.speed),
      alpha_(radians(stream.alphaDegrees)),
      circulation_(stream.kutta ? kuttaCirculation(geometry.circle(), stream.speed, alpha_)
                                : stream.circulation),
      kutta_(stream.kutta) {}

Complex AirfoilFlow::potential(Complex z) const {
    const JoukowskiCircle& circle = geometry_.circle();
    const Complex w = z - circle.centre;
    const Complex turn = std::polar(1.0, alpha_);
    return speed_ * (w / turn + circle.radius * circle.radius * turn / w) +
           Complex(0, circulation_ / (2 * kPi)) * std::log(w);
}

Complex AirfoilFlow::circleVelocity(Complex z) const {
    const JoukowskiCircle& circle = geometry_.circle();
    const Complex w = z - circle.centre;
    const Complex turn = std::polar(1.0, alpha_);
    return speed_ * (1.0 / turn - circle.radius * circle.radius * turn / (w * w)) +
           Complex(0, circulation_ / (2 * kPi)) / w;
}

Complex AirfoilFlow::velocity(Complex z) const {
    const JoukowskiCircle& circle = geometry_.circle();
    // dzeta/dz vanishes at the fold points c (the trailing edge) and -c (on
    // the circle only when the airfoil has no thickness: its leading edge).
    for (const double fold : {circle.c, -circle.c}) {
        if (std::abs(z - fold) >= kNearEdge * circle.radius) continue;
        // Where dW/dz vanishes too (at c, the Kutta circulation), the ratio
        // tends to W''(s) / (2 / s); elsewhere the speed round the sharp
        // edge is infinite.
        if (std::abs(circleVelocity(fold)) > kNearEdge * speed_)
            return {std::numeric_limits<double>::infinity(), 0};
        const Complex w = fold - circle.centre;
        const Complex second =
            2 * speed_ * circle.radius * circle.radius * std::polar(1.0, alpha_) / (w * w * w) -
            Complex(0, circulation_ / (2 * kPi)) / (w * w);
        return second * fold / 2.0;
    }
    return circleVelocity(z) / circle.mapDerivative(z);
}

double AirfoilFlow::pressureCoefficient(Complex z) const {
    return 1 - std::norm(velocity(z)) / (speed_ * speed_);
}

std::optional<Complex> AirfoilFlow::velocityAtPicture(double x, double y) const {
    const std::optional<Complex> z = geometry_.pictureToCircle(x, y);
    if (!z) return std::nullopt;
    return std::conj(velocity(*z));
}

std::vector<Complex> AirfoilFlow::unboundedEdges() const {
    const JoukowskiCircle& circle = geometry_.circle();
    std::vector<Complex> edges;
    for (const double fold : {circle.c, -circle.c})
        if (std::abs(std::abs(fold - circle.centre) - circle.radius) < kNearEdge * circle.radius &&
            std::isinf(velocity(fold).real()))
            edges.emplace_back(fold);
    return edges;
}

std::vector<Complex> AirfoilFlow::stagnationPoints() const {
    if (!(speed_ > 0)) return {};
    // Zeros of dW/dz: U e^{-i alpha} w^2 + i G / (2 pi) w - U a^2 e^{i alpha} = 0,
    // w = a e^{i alpha} (-i g +- sqrt(1 - g^2)) with g = G / (4 pi a U).
    const JoukowskiCircle& circle = geometry_.circle();
    const double g = circulation_ / (4 * kPi * circle.radius * speed_);
    const Complex root = std::sqrt(Complex(1 - g * g, 0));
    const Complex scale = circle.radius * std::polar(1.0, alpha_);
    const Complex rear = circle.centre + scale * (Complex(0, -g) + root);
    const Complex front = circle.centre + scale * (Complex(0, -g) - root);
    if (std::abs(g) <= 1) {
        // On the circle; with the Kutta condition the rear one is exactly c.
        return {front, kutta_ ? Complex(circle.c, 0) : rear};
    }
    // One point in the flow, the other inside the circle.
    return {std::abs(front - circle.centre) > circle.radius ? front : rear};
}

double AirfoilFlow::liftCoefficient() const {
    return 2 * circulation_ / (speed_ * geometry_.chord());
}

}  // namespace flow::airfoil
