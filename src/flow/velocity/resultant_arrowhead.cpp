#include "flow/velocity/resultant_arrowhead.h"

#include <algorithm>
#include <cmath>

#include "flow/arrowhead.h"
#include "flow/geometry.h"

namespace flow {

namespace {

constexpr double kHalfAngle = 20;
constexpr double kGuardLength = 20;  // shorter resultants get no arrowhead
constexpr double kDegreesPerRadian = 180 / 3.14;

// Barb signs by configuration (rows 1..7) and quadrant (right-above,
// left-above, left-below, right-below).
constexpr LegSigns kSigns[7][4] = {
    {{-1, 1}, {-1, 1}, {-1, 1}, {-1, 1}},    // cylinder with circulation
    {{-1, 1}, {-1, -1}, {-1, 1}, {-1, -1}},  // cylinder
    {{-1, 1}, {-1, 1}, {-1, 1}, {-1, 1}},    // source in a stream
    {{-1, 1}, {1, 1}, {1, -1}, {-1, -1}},    // vortex-source
    {{-1, 1}, {-1, -1}, {-1, 1}, {-1, -1}},  // dipole
    {{1, 1}, {1, -1}, {-1, -1}, {-1, 1}},    // plane vortex
    {{-1, 1}, {1, 1}, {1, -1}, {-1, -1}},    // point source
};

// Angle of a resultant taken from its own direction: its upward sine, with
// the left half-plane reached through -180 degrees.
std::int64_t directionAngle(Point p, Point tip, double length) {
    // |dy| <= length, as the length is a correctly rounded square root; the
    // clamp keeps arcsin in its domain even without that.
    const double up = std::clamp(static_cast<double>(p.y - tip.y) / length, -1.0, 1.0);
    const double degrees = toDegrees(std::asin(up));
    return tip.x > p.x ? Round(degrees) : Round(-180 - degrees);
}

// Angle between the radial direction and the resultant, built from the
// angle of the point and the share of the tangential vector.
std::optional<std::int64_t> componentAngle(const VelocityInput& in, const VelocityResult& res,
                                           double length) {
    const double tangential = static_cast<double>(Round(chordLength(in.p, res.tangentialTip)));
    if (length <= kGuardLength || tangential >= length) return std::nullopt;
    const double alpha = toDegrees(std::acos(res.a));
    const double beta = toDegrees(std::asin(tangential / length));
    const bool turnsClockwise =
        in.config == VelocityConfig::Cylinder ||
        (in.config == VelocityConfig::VortexSource &&
         (res.quadrant == Quadrant::RightAbove || res.quadrant == Quadrant::LeftBelow));
    return Round(turnsClockwise ? alpha - beta : alpha + beta);
}

// The arrowhead's angle in whole degrees, or nothing when it is left out.
std::optional<std::int64_t> arrowAngle(const VelocityInput& in, const VelocityResult& res,
                                       Point tip) {
    const double length = chordLength(in.p, tip);
    switch (in.config) {
        case VelocityConfig::CylinderCirculation:
            // Left out for a vertical resultant and one of length 0.
            if (std::abs(static_cast<double>(tip.y - in.p.y)) >= length) return std::nullopt;
            return directionAngle(in.p, tip, length);
        case VelocityConfig::SourceInStream:
            if (length == 0) return std::nullopt;
            return directionAngle(in.p, tip, length);
        case VelocityConfig::Cylinder:
        case VelocityConfig::VortexSource:
        case VelocityConfig::Dipole:
            return componentAngle(in, res, length);
        case VelocityConfig::Vortex:
            return Round(std::acos(res.aPrime) * kDegreesPerRadian);
        case VelocityConfig::PointSource:
            return Round(std::acos(res.a) * kDegreesPerRadian);
    }
    return std::nullopt;  // not a configuration
}

}  // namespace

void drawResultantArrowhead(Surface& surface, const VelocityInput& input,
                            const VelocityResult& result, Point tip) {
    const std::optional<std::int64_t> phi = arrowAngle(input, result, tip);
    if (!phi) return;
    const LegSigns signs =
        kSigns[static_cast<int>(input.config) - 1][static_cast<int>(result.quadrant)];
    drawArrowhead(surface, tip, static_cast<double>(*phi), kHalfAngle, signs);
}

}  // namespace flow
