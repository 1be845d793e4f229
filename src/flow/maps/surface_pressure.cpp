#include "flow/maps/surface_pressure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace flow::maps {

namespace sp = superposition;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180;

double cpAt(const sp::Field& field, PicturePoint p, double U) {
    const sp::ScreenVelocity v = sp::velocityAt(field, p.x, p.y);
    return 1 - (v.dx * v.dx + v.dy * v.dy) / (U * U);
}

// G / (2 pi R U): the circulation's share of the surface speed.
double circulationShare(const Cylinder& c) {
    return c.circulation / (2 * kPi * c.radius * c.speed);
}

// Halves [a, b] 100 times about the sign change of f, which changes sign
// between them.
template <class F>
double signChange(const F& f, double a, double b) {
    const bool atA = f(a) > 0;
    for (int i = 0; i < 100; ++i) {
        const double mid = 0.5 * (a + b);
        ((f(mid) > 0) == atA ? a : b) = mid;
    }
    return 0.5 * (a + b);
}

// Where the flow along the row y comes to rest between the element at x =
// `element` and `far` (on either side): the element's pull or push wins
// beside it, the stream far from it.
double restOnRow(const sp::Field& field, double y, double element, double far) {
    const double beside = element + (far > element ? 1e-6 : -1e-6);
    return signChange([&](double x) { return sp::velocityAt(field, x, y).dx; }, beside, far);
}

double wrapped(double degrees) {
    return degrees < 0 ? degrees + 360 : degrees;
}

}  // namespace

double exactCylinderCp(const Cylinder& cylinder, double degrees) {
    const double tangential = 2 * std::sin(degrees * kDegree) - circulationShare(cylinder);
    return 1 - tangential * tangential;
}

CylinderPressure cylinderPressure(const std::vector<sp::Element>& elements,
                                  const Cylinder& cylinder, int samples) {
    const sp::Field field(elements);
    CylinderPressure result;
    const int n = std::max(samples, 2);
    for (int k = 0; k < n; ++k) {
        const double degrees = 360.0 * k / (n - 1);
        const PicturePoint p{cylinder.x + cylinder.radius * std::cos(degrees * kDegree),
                             cylinder.y - cylinder.radius * std::sin(degrees * kDegree)};
        result.sampled.push_back({degrees, cpAt(field, p, cylinder.speed), p.y});
        result.exact.push_back({degrees, exactCylinderCp(cylinder, degrees), p.y});
    }
    // At rest where 2 sin theta equals the share; fastest where sin theta
    // = -1 for a counter-clockwise circulation (+1 for a clockwise one).
    const double share = circulationShare(cylinder);
    if (std::abs(share) <= 2) {
        const double first = std::asin(share / 2) / kDegree;
        result.stagnationAngles = {wrapped(first), wrapped(180 - first)};
        std::sort(result.stagnationAngles.begin(), result.stagnationAngles.end());
        // One point at the top or bottom when the circulation is 4 pi R U.
        result.stagnationAngles.erase(
            std::unique(result.stagnationAngles.begin(), result.stagnationAngles.end()),
            result.stagnationAngles.end());
    }
    const double fastest = share >= 0 ? 270 : 90;
    result.lowest = {fastest, exactCylinderCp(cylinder, fastest),
                     cylinder.y - cylinder.radius * std::sin(fastest * kDegree)};
    return result;
}

std::vector<PressurePoint> halfBodyPressure(const std::vector<sp::Element>& elements,
                                            PicturePoint element, double Q, double U,
                                            double downstreamEnd, int samples) {
    // psi = U r sin(theta) + Q theta / (2 pi) = Q / 2 about a source, theta
    // from the downstream direction: r = Q (pi - theta) / (2 pi U sin theta).
    // A sink's line is the source's mirrored across the vertical.
    const sp::Field field(elements);
    const double q = std::abs(Q), side = Q >= 0 ? 1 : -1;
    const auto at = [&](double theta) {
        const double r = q * (kPi - theta) / (2 * kPi * U * std::sin(theta));
        return PicturePoint{element.x + side * r * std::cos(theta),
                            element.y - r * std::sin(theta)};
    };
    // The smallest angle whose point lies within the picture.
    const double reach = side * (downstreamEnd - element.x);
    const auto beyond = [&](double theta) { return side * (at(theta).x - element.x) - reach; };
    const double inside = beyond(1e-9) <= 0 ? 1e-9 : signChange(beyond, 1e-9, kPi);
    std::vector<PressurePoint> line;
    const int n = std::max(samples, 2);
    for (int k = 0; k < n; ++k) {
        const double theta = kPi + (inside - kPi) * k / (n - 1);
        // The stagnation point itself, where the formula is 0 / 0.
        const PicturePoint p =
            k == 0 ? PicturePoint{element.x - side * q / (2 * kPi * U), element.y} : at(theta);
        line.push_back({p.x, cpAt(field, p, U), p.y});
    }
    if (side < 0) std::reverse(line.begin(), line.end());
    return line;
}

std::vector<PressurePoint> rankineOvalPressure(const std::vector<sp::Element>& elements,
                                               PicturePoint source, PicturePoint sink, double U,
                                               int samples) {
    const sp::Field field(elements);
    const double y = source.y, reach = 1e6;
    const double front = restOnRow(field, y, source.x, source.x - reach);
    const double back = restOnRow(field, y, sink.x, sink.x + reach);
    // The stream function along the dividing line, read at the front
    // stagnation point, upstream of both cuts (they run to the right).
    const auto psi = [&](double x, double height) {
        return field.potential(sp::toFlow(x, y - height)).imag();
    };
    const double dividing = psi(front, 0);
    std::vector<PressurePoint> line;
    const int n = std::max(samples, 2);
    for (int k = 0; k < n; ++k) {
        const double x = 0.5 * (front + back) - 0.5 * (back - front) * std::cos(kPi * k / (n - 1));
        double height = 0;
        if (k > 0 && k < n - 1) {
            // Upwards from just above the row until the line is passed.
            const auto off = [&](double h) { return psi(x, h) - dividing; };
            const bool below = off(1e-9) > 0;
            double top = 1e-3;
            while (top < reach && (off(top) > 0) == below) top *= 2;
            height = signChange(off, 1e-9, top);
        }
        line.push_back({x, cpAt(field, {x, y - height}, U), y - height});
    }
    return line;
}

}  // namespace flow::maps
