#include "flow/superposition/velocity_vector.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "flow/arrowhead.h"
#include "flow/geometry.h"

namespace flow::superposition {

namespace {

constexpr double kShortestArrowed = 20;  // shorter resultants get no arrowhead
constexpr double kArrowHalfAngle = 20;
constexpr double kLongest = 100'000;  // pixels; a vector beside an element stays drawable
constexpr double kStill = 1e-9;       // slower counts as no flow

}  // namespace

std::optional<VelocityNumbers> velocityNumbersAt(const std::vector<Element>& elements, Point p) {
    const Field field(elements);
    const auto x = static_cast<double>(p.x), y = static_cast<double>(p.y);
    if (field.empty() || field.distanceToSingularity(toFlow(x, y)) < 0.5) return std::nullopt;
    const ScreenVelocity v = velocityAt(field, x, y);
    const double vx = v.dx, vy = -v.dy;
    const double speed = std::hypot(vx, vy);
    // A stagnation point has no direction to draw.
    if (!std::isfinite(speed) || speed < kStill) return std::nullopt;
    return VelocityNumbers{speed, vx, vy, std::atan2(vy, vx) * 180 / std::numbers::pi};
}

bool drawVelocity(const Canvas& canvas, const std::vector<Element>& elements, Point p) {
    const std::optional<VelocityNumbers> v = velocityNumbersAt(elements, p);
    if (!v) return false;
    drawResultant(canvas, *v, p);
    return true;
}

void drawResultant(const Canvas& canvas, const VelocityNumbers& v, Point p) {
    const double k = canvas.settings.vectorScale.scale();
    const double length = std::min(k * v.speed, kLongest);
    const Point tip{p.x + Round(length * v.vx / v.speed), p.y - Round(length * v.vy / v.speed)};
    Surface& surface = canvas.surface;
    surface.setPenWidth(canvas.settings.vectorStyle.resultantWidth());
    surface.setPenColor(canvas.settings.vectorStyle.resultantColor());
    surface.line(p, tip);
    // The arrowheads take their angles on the 3.14 scale.
    if (length >= kShortestArrowed)
        headingArrowhead(surface, tip, toDegrees(std::atan2(v.vy, v.vx)), kArrowHalfAngle);
}

}  // namespace flow::superposition
