#include "flow/equipotentials/source_in_stream.h"

#include <cstdint>

#include "flow/equipotentials/equipotential_pen.h"
#include "flow/equipotentials/stream_line_geometry.h"

namespace flow {

namespace {

// A chord is drawn only to a following radius whose point lies less than
// this many pixels sideways; farther points belong to another branch.
constexpr std::int64_t kMaxSidewaysJump = 50;

// Draws the line of value c over the radii 1..W: the two closing strokes to
// the axis at its innermost point, then for every radius that meets the line
// the chord pair to the nearest following radius within the sideways limit.
// Keeps the x of the last point in lastX; returns whether any radius met.
bool traceLine(const Canvas& canvas, const StreamLineGeometry& geometry, double c, std::int64_t W,
               std::int64_t& lastX) {
    Surface& surface = canvas.surface;
    bool started = false;
    for (std::int64_t r = 1; r <= W; ++r) {
        const auto here = geometry.meet(c, r);
        if (!here) continue;
        if (!started) {
            surface.line(here->upper, {here->upper.x, geometry.axisY()});
            surface.line(here->lower, {here->lower.x, geometry.axisY()});
            started = true;
        }
        surface.moveTo(here->upper);
        const Point lower = here->lower;
        lastX = lower.x;
        for (std::int64_t next = r + 1; next <= W; ++next) {
            const auto there = geometry.meet(c, next);
            if (!there) continue;
            const std::int64_t jump = there->upper.x - lower.x;
            if (jump <= -kMaxSidewaysJump || jump >= kMaxSidewaysJump) continue;
            surface.lineTo(there->upper);
            surface.line(lower, there->lower);
            break;
        }
    }
    return started;
}

// Draws lines of value 0, A*U, 2*A*U, ... until the last point of a line
// leaves the field on the side the stream carries the lines to, or until a
// line meets no radius and no later line can.
void traceInStream(const Canvas& canvas, int X, int Y, int Q, int direction) {
    setEquipotentialPen(canvas);
    const int speed = canvas.settings.streamSpeed.speed();
    std::int64_t W = canvas.settings.field.width();
    const int increment = canvas.settings.equipotentials.increment();
    const std::int64_t step = std::int64_t{increment} * speed;
    // Later lines lie farther out only while the values grow; otherwise the
    // first line would repeat without end, so it is drawn once.
    const bool valuesGrow = increment > 0 && speed > 0;
    const StreamLineGeometry geometry(X, Y, Q, speed, direction);
    std::int64_t c = 0;
    std::int64_t lastX = X;
    for (;;) {
        const double value = static_cast<double>(c);
        const bool met = traceLine(canvas, geometry, value, W, lastX);
        const bool noLaterLineMeets = !met && valuesGrow && geometry.missesField(value, W);
        c += step;
        canvas.gauge.advance(1);
        W = canvas.settings.field.width();
        if (!valuesGrow || noLaterLineMeets) return;
        const bool lastPointInField = direction > 0 ? W >= lastX : lastX >= 0;
        if (!lastPointInField) return;
    }
}

}  // namespace

void EquipotentialSourceInStream(const Canvas& canvas, int X, int Y, int Q) {
    traceInStream(canvas, X, Y, Q, +1);
}

void EquipotentialSinkInStream(const Canvas& canvas, int X, int Y, int Q) {
    traceInStream(canvas, X, Y, Q, -1);
}

}  // namespace flow
