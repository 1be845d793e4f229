#include "flow/airfoil/airfoil_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "flow/airfoil/turn_minimum.h"

namespace flow::airfoil {

namespace {

constexpr double kTurn = 2 * std::numbers::pi;
constexpr double kOutlineSpacing = 0.75;  // pixels of circle arc per outline point at most

}  // namespace

AirfoilGeometry::AirfoilGeometry(const AirfoilShape& shape, double width, double height)
    : chord_(shape.chord), width_(width), height_(height) {
    // Every length scales with the radius: find the chord of the unit circle's
    // airfoil, then scale the circle to the asked chord.
    const JoukowskiCircle unit = JoukowskiCircle::of(1, shape.thickness, shape.camber);
    const auto xAt = [&](double theta) { return unit.map(unit.at(theta)).real(); };
    leadingAngle_ = minimumOverTurn(xAt);
    const double unitChord = 2 * unit.c - xAt(leadingAngle_);
    circle_ = JoukowskiCircle::of(shape.chord / unitChord, shape.thickness, shape.camber);
    leading_ = circle_.map(circle_.at(leadingAngle_));
    if (leadingAngle_ < circle_.trailingAngle()) leadingAngle_ += kTurn;
    const auto rise = [&](double theta) { return circle_.map(circle_.at(theta)).imag(); };
    const double top = rise(minimumOverTurn([&](double theta) { return -rise(theta); }));
    const double bottom = rise(minimumOverTurn(rise));
    middle_ = {(leading_.real() + trailingEdge().real()) / 2, (top + bottom) / 2};
}

PicturePoint AirfoilGeometry::toPicture(Complex zeta) const {
    return {width_ / 2 + (zeta.real() - middle_.real()),
            height_ / 2 - (zeta.imag() - middle_.imag())};
}

Complex AirfoilGeometry::fromPicture(double x, double y) const {
    return middle_ + Complex(x - width_ / 2, height_ / 2 - y);
}

std::vector<PicturePoint> AirfoilGeometry::outline() const {
    // The map stretches lengths along the circle a few times at most, so
    // points this close on it keep the outline's chords a few pixels long.
    const int count = std::clamp(
        static_cast<int>(std::ceil(kTurn * circle_.radius / kOutlineSpacing)), 64, 100'000);
    const double start = circle_.trailingAngle();
    std::vector<PicturePoint> points;
    points.reserve(count + 1);
    for (int k = 0; k < count; ++k)
        points.push_back(circleToPicture(circle_.at(start + kTurn * k / count)));
    points.push_back(points.front());
    return points;
}

}  // namespace flow::airfoil
