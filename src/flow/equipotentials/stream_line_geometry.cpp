#include "flow/equipotentials/stream_line_geometry.h"

#include <algorithm>
#include <cmath>

#include "flow/geometry.h"

namespace flow {

StreamLineGeometry::StreamLineGeometry(int X, int Y, int strength, int speed, int direction)
    : X_(X), Y_(Y), strength_(strength), speed_(speed), direction_(direction) {}

double StreamLineGeometry::cosine(double c, std::int64_t r) const {
    const double radius = static_cast<double>(r);
    return (c - strength_ * 0.5 * kInvPi * std::log(radius)) / (speed_ * radius);
}

double StreamLineGeometry::offset(double c, std::int64_t r) const {
    return (c - strength_ * 0.5 * kInvPi * std::log(static_cast<double>(r))) / speed_;
}

std::optional<RadiusMeeting> StreamLineGeometry::meet(double c, std::int64_t r) const {
    const double s = cosine(c, r);
    if (!(std::abs(s) <= 1)) return std::nullopt;
    const double radius = static_cast<double>(r);
    const std::int64_t x = X_ + direction_ * Round(s * radius);
    const std::int64_t y = Round(std::sqrt(1 - s * s) * radius);
    return RadiusMeeting{{x, Y_ - y}, {x, Y_ + y}};
}

double StreamLineGeometry::valueOnAxis(std::int64_t r) const {
    return strength_ * 0.5 * kInvPi * std::log(static_cast<double>(r)) +
           speed_ * static_cast<double>(r);
}

bool StreamLineGeometry::missesField(double c, std::int64_t W) const {
    if (W < 1) return true;
    // valueOnAxis is increasing or convex in r for a positive speed, so its
    // largest value on 1..W lies at an end; a larger c makes every cosine
    // exceed 1 there.
    return c > std::max(valueOnAxis(1), valueOnAxis(W));
}

}  // namespace flow
