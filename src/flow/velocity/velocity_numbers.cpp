#include "flow/velocity/velocity_numbers.h"

#include <cmath>
#include <numbers>

#include "flow/maps/closed_form_elements.h"

namespace flow {

std::optional<VelocityNumbers> VelocityNumbersAt(const VelocityInput& in, const LeftOut& leftOut) {
    if (in.p.x == in.centre.x || in.p.y == in.centre.y) return std::nullopt;
    namespace sp = superposition;
    const sp::Field field(maps::closedFormElements(in, leftOut));
    const sp::ScreenVelocity v = sp::velocityAt(field, in.p.x, in.p.y);
    const double vx = v.dx, vy = -v.dy;
    return VelocityNumbers{std::hypot(vx, vy), vx, vy, std::atan2(vy, vx) * 180 / std::numbers::pi};
}

}  // namespace flow
