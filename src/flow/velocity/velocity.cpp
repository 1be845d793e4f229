#include "flow/velocity/velocity.h"

#include <algorithm>
#include <cmath>

#include "flow/geometry.h"

namespace flow {

namespace {

struct Lengths {
    std::int64_t radial = 0;
    std::int64_t tangential = 0;
};

// strength / (2 * 3.14 * divisor), evaluated in the order the pictures were
// made with.
double overTwoPi(int strength, double divisor) {
    return strength * 0.5 * kInvPi / divisor;
}

struct Speeds {
    double radial;
    double tangential;
};

// A stream of speed u past a cylinder of radius R, at distance r.
Speeds cylinderFlow(double u, int R, double r, double cosTheta, double sinTheta) {
    const double cylinder = u * R * R / (r * r);
    return {cosTheta * (u - cylinder), -sinTheta * (u + cylinder)};
}

std::optional<Quadrant> quadrantOf(Point p, Point centre) {
    if (p.x > centre.x && p.y < centre.y) return Quadrant::RightAbove;
    if (p.x < centre.x && p.y < centre.y) return Quadrant::LeftAbove;
    if (p.x < centre.x && p.y > centre.y) return Quadrant::LeftBelow;
    if (p.x > centre.x && p.y > centre.y) return Quadrant::RightBelow;
    return std::nullopt;
}

// The flow's speeds at distance r, radial (outwards) and tangential;
// cosTheta and sinTheta give the direction of the point seen from the
// centre, counter-clockwise on the screen.
Speeds componentSpeeds(const VelocityInput& in, double r, double cosTheta, double sinTheta) {
    switch (in.config) {
        case VelocityConfig::CylinderCirculation: {
            // Always a unit stream.
            const Speeds v = cylinderFlow(1.0, in.R, r, cosTheta, sinTheta);
            return {v.radial, v.tangential + overTwoPi(in.gamma, r)};
        }
        case VelocityConfig::Cylinder:
            return cylinderFlow(in.U, in.R, r, cosTheta, sinTheta);
        case VelocityConfig::SourceInStream:
            return {overTwoPi(in.Q, r) + in.U * cosTheta, -(in.U * sinTheta)};
        case VelocityConfig::VortexSource:
            // A positive circulation turns clockwise on the screen here.
            return {overTwoPi(in.Q, r), -overTwoPi(in.gamma, r)};
        case VelocityConfig::Dipole: {
            const double strength = overTwoPi(in.M, r * r);
            return {strength * cosTheta, strength * sinTheta};
        }
        case VelocityConfig::Vortex:
            return {0, overTwoPi(in.gamma, r)};
        case VelocityConfig::PointSource:
            return {overTwoPi(in.Q, r), 0};
    }
    return {0, 0};  // not a configuration: no velocity
}

// Signed component lengths in pixels: the speeds scaled by k, and further
// where a configuration's vectors would otherwise be too short to see.
Lengths componentLengths(const VelocityInput& in, const Speeds& v) {
    const double k = in.k;
    switch (in.config) {
        case VelocityConfig::CylinderCirculation:
            return {Round(10 * k * v.radial), Round(10 * k * v.tangential)};
        case VelocityConfig::Cylinder:
        case VelocityConfig::SourceInStream:
            return {Round(k * v.radial), Round(k * v.tangential)};
        case VelocityConfig::VortexSource:
            return {Round(2 * k * v.radial), Round(2 * k * v.tangential)};
        case VelocityConfig::Dipole:
            return {Round(10000 * k * v.radial), Round(10000 * k * v.tangential)};
        case VelocityConfig::Vortex:
        case VelocityConfig::PointSource:
            // The speed is rounded to whole pixels before scaling.
            return {Round(v.radial) * in.k, Round(v.tangential) * in.k};
    }
    return {};
}

// Where the point lies from the centre: its distance, the direction cosines
// of the radial and tangential vectors on the screen and their signs.
struct Frame {
    Quadrant quadrant;
    double r, a, b, aPrime, bPrime, sx, sy;
};

std::optional<Frame> frameOf(const VelocityInput& in) {
    const std::optional<Quadrant> quadrant = quadrantOf(in.p, in.centre);
    if (!quadrant) return std::nullopt;
    double r = chordLength(in.centre, in.p);
    if (Round(r) == 0) r = 1;
    // A correctly rounded square root keeps r >= |x - XC| and r >= |y - YC|;
    // the clamp keeps arccos and arcsin in their domain even without that.
    const double a = std::min(1.0, std::abs(static_cast<double>(in.p.x - in.centre.x)) / r);
    const double b = std::min(1.0, std::abs(static_cast<double>(in.p.y - in.centre.y)) / r);
    return Frame{*quadrant,
                 r,
                 a,
                 b,
                 std::cos(kHalfPi - std::acos(a)),
                 std::sin(kHalfPi - std::asin(b)),
                 in.p.x > in.centre.x ? 1.0 : -1.0,
                 in.p.y > in.centre.y ? 1.0 : -1.0};
}

Speeds speedsIn(const VelocityInput& in, const Frame& f) {
    return componentSpeeds(in, f.r, f.sx * f.a, -f.sy * f.b);
}

}  // namespace

std::optional<VelocityResult> ComputeVelocity(const VelocityInput& in) {
    const std::optional<Frame> frame = frameOf(in);
    if (!frame) return std::nullopt;
    const auto [quadrant, r, a, b, aPrime, bPrime, sx, sy] = *frame;
    const Lengths len = componentLengths(in, speedsIn(in, *frame));
    const double lr = static_cast<double>(len.radial);
    const double lt = static_cast<double>(len.tangential);
    const double x = static_cast<double>(in.p.x);
    const double y = static_cast<double>(in.p.y);

    VelocityResult res{};
    res.quadrant = quadrant;
    res.r = r;
    res.a = a;
    res.b = b;
    res.aPrime = aPrime;
    res.bPrime = bPrime;
    res.radialLength = len.radial;
    res.tangentialLength = len.tangential;
    res.radialTip = {Round(x + sx * a * lr), Round(y + sy * b * lr)};
    res.tangentialTip = {Round(x + sy * aPrime * lt), Round(y - sx * bPrime * lt)};
    res.radialOffset = {Round(sx * a * lr), Round(sy * b * lr)};
    res.tangentialOffset = {Round(sy * aPrime * lt), Round(-sx * bPrime * lt)};
    res.resultantTip = {res.tangentialTip.x + res.radialOffset.x,
                        res.tangentialTip.y + res.radialOffset.y};
    return res;
}

}  // namespace flow
