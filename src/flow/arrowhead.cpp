#include "flow/arrowhead.h"

#include <cmath>

#include "flow/geometry.h"

namespace flow {

namespace {

Point corner(Point tip, double degrees, LegSigns signs) {
    const double angle = theta(degrees);
    return {Round(static_cast<double>(tip.x) + signs.x * kArrowheadLeg * std::cos(angle)),
            Round(static_cast<double>(tip.y) + signs.y * kArrowheadLeg * std::sin(angle))};
}

}  // namespace

void drawArrowhead(Surface& surface, Point tip, Point cornerPlus, Point cornerMinus) {
    surface.line(tip, cornerPlus);
    surface.line(tip, cornerMinus);
    surface.line(cornerPlus, cornerMinus);
}

void drawArrowhead(Surface& surface, Point tip, double angle, double half, LegSigns signs) {
    drawArrowhead(surface, tip, corner(tip, angle + half, signs), corner(tip, angle - half, signs));
}

void headingArrowhead(Surface& surface, Point tip, double heading, double half) {
    drawArrowhead(surface, tip, heading, half, {-1, 1});
}

void screenAngleArrowhead(Surface& surface, Point tip, double angle, double half) {
    drawArrowhead(surface, tip, angle, half, {-1, -1});
}

}  // namespace flow
