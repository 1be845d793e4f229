#include "flow/maps/closed_form_elements.h"

#include <numbers>

namespace flow::maps {

namespace sp = superposition;

namespace {

constexpr double kExactTwoPi = 2 * std::numbers::pi;

// A dipole of moment m pointing along the stream is the pole m / z^2 of
// dW/dz; the cylinder's is -U R^2, pointing against it.
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

std::vector<sp::Element> closedFormElements(const VelocityInput& input, const LeftOut& leftOut) {
    std::vector<sp::Element> elements = elementsOf(input, !leftOut.noStream);
    if (const auto& e = leftOut.element)
        elements.push_back(e->Q >= 0 ? sp::source(e->at.x, e->at.y, e->Q)
                                     : sp::sink(e->at.x, e->at.y, -e->Q));
    return elements;
}

std::optional<Cylinder> cylinderOf(const VelocityInput& input) {
    const double x = input.centre.x, y = input.centre.y;
    if (input.config == VelocityConfig::CylinderCirculation)
        return Cylinder{x, y, static_cast<double>(input.R), 1, static_cast<double>(input.gamma)};
    if (input.config == VelocityConfig::Cylinder)
        return Cylinder{x, y, static_cast<double>(input.R), static_cast<double>(input.U), 0};
    return std::nullopt;
}

}  // namespace flow::maps
