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

// Signed component lengths in pixels; cosTheta and sinTheta give the
// direction of the point seen from the centre, counter-clockwise on the screen.
Lengths componentLengths(const VelocityInput& in, double r, double cosTheta, double sinTheta) {
    const double k = in.k;
    switch (in.config) {
        case VelocityConfig::CylinderCirculation: {
            // Always a unit stream; the vectors are drawn ten times longer.
            const Speeds v = cylinderFlow(1.0, in.R, r, cosTheta, sinTheta);
            const double vt = v.tangential + overTwoPi(in.gamma, r);
            return {Round(10 * k * v.radial), Round(10 * k * vt)};
        }
        case VelocityConfig::Cylinder: {
            const Speeds v = cylinderFlow(in.U, in.R, r, cosTheta, sinTheta);
            return {Round(k * v.radial), Round(k * v.tangential)};
        }
        case VelocityConfig::SourceInStream: {
            const double vr = overTwoPi(in.Q, r) + in.U * cosTheta;
            const double vt = -(in.U * sinTheta);
            return {Round(k * vr), Round(k * vt)};
        }
        case VelocityConfig::VortexSource:
            // A positive circulation turns clockwise on the screen here.
            return {Round(2 * k * overTwoPi(in.Q, r)), Round(2 * k * -overTwoPi(in.gamma, r))};
        case VelocityConfig::Dipole: {
            const double strength = overTwoPi(in.M, r * r);
            const double vr = strength * cosTheta;
            const double vt = strength * sinTheta;
            return {Round(10000 * k * vr), Round(10000 * k * vt)};
        }
        case VelocityConfig::Vortex:
            // The speed is rounded to whole pixels before scaling.
            return {0, Round(overTwoPi(in.gamma, r)) * in.k};
        case VelocityConfig::PointSource:
            return {Round(overTwoPi(in.Q, r)) * in.k, 0};
    }
    return {};  // not a configuration: no velocity
}

}  // namespace

std::optional<VelocityResult> ComputeVelocity(const VelocityInput& in) {
    const std::optional<Quadrant> quadrant = quadrantOf(in.p, in.centre);
    if (!quadrant) return std::nullopt;

    double r = chordLength(in.centre, in.p);
    if (Round(r) == 0) r = 1;
    // A correctly rounded square root keeps r >= |x - XC| and r >= |y - YC|;
    // the clamp keeps arccos and arcsin in their domain even without that.
    const double a = std::min(1.0, std::abs(static_cast<double>(in.p.x - in.centre.x)) / r);
    const double b = std::min(1.0, std::abs(static_cast<double>(in.p.y - in.centre.y)) / r);
    const double aPrime = std::cos(kHalfPi - std::acos(a));
    const double bPrime = std::sin(kHalfPi - std::asin(b));

    const double sx = in.p.x > in.centre.x ? 1 : -1;
    const double sy = in.p.y > in.centre.y ? 1 : -1;
    const Lengths len = componentLengths(in, r, sx * a, -sy * b);
    const double lr = static_cast<double>(len.radial);
    const double lt = static_cast<double>(len.tangential);
    const double x = static_cast<double>(in.p.x);
    const double y = static_cast<double>(in.p.y);

    VelocityResult res{};
    res.quadrant = *quadrant;
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
