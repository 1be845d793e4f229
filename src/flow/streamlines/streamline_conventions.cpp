#include "flow/streamlines/streamline_conventions.h"

#include <algorithm>
#include <cmath>

#include "flow/arrowhead.h"
#include "flow/geometry.h"

namespace flow {

void setStreamlinePen(const Canvas& canvas) {
    canvas.surface.setPenWidth(canvas.settings.streamlines.lineWidth());
    canvas.surface.setPenColor(canvas.settings.streamlines.lineColor());
}

namespace {

// The ratio of a chord's side to its length, kept inside [-1, 1] against
// rounding in the length of very long chords.
double sideRatio(double side, double length) {
    return std::clamp(side / length, -1.0, 1.0);
}

int wholeDegrees(double radians) {
    return static_cast<int>(Round(toDegrees(radians)));
}

}  // namespace

int arcsinDegrees(double rise, double length) {
    if (length == 0) return 0;
    return wholeDegrees(std::asin(sideRatio(rise, length)));
}

int arccosDegrees(double run, double length) {
    if (length == 0) return 0;
    return wholeDegrees(std::acos(sideRatio(run, length)));
}

Point mirroredIn(std::int64_t axisY, Point p) {
    return {p.x, 2 * axisY - p.y};
}

void mirroredArrowheads(Surface& surface, std::int64_t axisY, Point tip, double rise,
                        double length) {
    screenAngleArrowhead(surface, tip, arcsinDegrees(rise, length), 20);
    screenAngleArrowhead(surface, mirroredIn(axisY, tip), arcsinDegrees(-rise, length), 20);
}

}  // namespace flow
