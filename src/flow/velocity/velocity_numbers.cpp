#include "flow/velocity/velocity_numbers.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "flow/superposition/elements.h"

namespace flow {

namespace {

namespace sp = superposition;

constexpr double kExactTwoPi = 2 * std::numbers::pi;

// The configuration's flow as superposition elements at its centre. A
// dipole of moment m pointing along the stream is the pole m / z^2 of dW/dz;
// the cylinder's is -U R^2, pointing against it.
std::vector<sp::Element> elementsOf(const VelocityInput& in, bool stream) {
    const double x = in.centre.x, y = in.centre.y;
    const double R2 = static_cast<double>(in.R) * in.R;
    switch (in.config) {
        case VelocityConfig::CylinderCirculation:
            return {sp::stream(1, 0), sp::dipole(x, y, kExactTwoPi * R2, 180),
                    sp::vortex(x, y, in.gamma)};
        case VelocityConfig::Cylinder:
            return {sp::stream(in.U, 0), sp::dipole(x, y, kExactTwoPi * in.U * R2, 180)};
        case VelocityConfig::SourceInStream:
            if (stream) return {sp::stream(in.U, 0), sp::source(x, y, in.Q)};
            return {sp::source(x, y, in.Q)};
        case VelocityConfig::VortexSource:
            return {sp::vortexSource(x, y, in.Q, -in.gamma)};
        case VelocityConfig::Dipole:
            return {sp::dipole(x, y, kExactTwoPi * in.M, 0)};
        case VelocityConfig::Vortex:
            return {sp::vortex(x, y, in.gamma)};
        case VelocityConfig::PointSource:
            return {sp::source(x, y, in.Q)};
    }
    return {};
}

}  // namespace

std::optional<VelocityNumbers> VelocityNumbersAt(const VelocityInput& in, const LeftOut& leftOut) {
    if (in.p.x == in.centre.x || in.p.y == in.centre.y) return std::nullopt;
    std::vector<sp::Element> elements = elementsOf(in, !leftOut.noStream);
    if (const auto& e = leftOut.element)
        elements.push_back(e->Q >= 0 ? sp::source(e->at.x, e->at.y, e->Q)
                                     : sp::sink(e->at.x, e->at.y, -e->Q));
    const sp::ScreenVelocity v = sp::velocityAt(sp::Field(elements), in.p.x, in.p.y);
    const double vx = v.dx, vy = -v.dy;
    return VelocityNumbers{std::hypot(vx, vy), vx, vy, std::atan2(vy, vx) * 180 / std::numbers::pi};
}

}  // namespace flow
