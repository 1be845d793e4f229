#include "flow/equipotentials/cylinder.h"

#include <cmath>
#include <cstdint>

#include "flow/equipotentials/cylinder_common.h"
#include "flow/geometry.h"

namespace flow {
namespace {

using cylinder::Offsets;

// A quarter of the picture around the centre, by the signs of its offsets.
struct Quarter {
    int xSign;  // -1 left of the centre, +1 right
    int ySign;  // -1 above the centre, +1 below
};

// The passes in drawing order: upper left, lower left, lower right, upper right.
constexpr Quarter kQuarters[] = {{-1, -1}, {-1, +1}, {+1, +1}, {+1, -1}};

Point place(int X, int Y, Quarter q, Offsets o) {
    return {X + q.xSign * o.a, Y + q.ySign * o.b};
}

// The half "radius" of line c on the ray at degree d: c / (2 cos theta).
double lineH(std::int64_t c, int d) {
    return static_cast<double>(c) / (std::cos(theta(d)) * 2.0);
}

Offsets lineOffsets(double h, int R, int d) {
    return cylinder::rayOffsets(cylinder::radialSolution(h, R), theta(d));
}

// Whether p lies past the field edges that bound the quarter. W and H are
// read afresh at every test, only those the quarter's edges need.
bool pastEdge(const Canvas& canvas, Quarter q, Point p) {
    const bool pastX = q.xSign < 0 ? p.x < 0 : p.x > canvas.settings.field.width();
    const bool pastY = q.ySign < 0 ? p.y < 0 : p.y > canvas.settings.field.height();
    return pastX || pastY;
}

// Joins a line's first point, mirrored into all four quarters, to the circle
// when the point lies off the horizontal axis. The pen starts and ends at the
// upper-left point.
void joinToCircle(Surface& surface, int X, int Y, int R, Offsets first) {
    const Offsets foot = cylinder::circleFoot(first, R);
    if (R <= foot.a) return;
    for (const Quarter& q : kQuarters) {
        if (&q != &kQuarters[0]) surface.moveTo(place(X, Y, q, first));
        surface.lineTo(place(X, Y, q, foot));
    }
    surface.moveTo(place(X, Y, kQuarters[0], first));
}

void traceLine(const Canvas& canvas, int X, int Y, int R, Quarter q, bool joinStart,
               std::int64_t c) {
    Surface& surface = canvas.surface;
    const double rSquared = static_cast<double>(R) * R;
    bool stopped = false;
    bool joined = !joinStart;
    for (int d = 0; d < 90; ++d) {
        const double h = lineH(c, d);
        if (h * h <= rSquared) continue;  // the ray misses this line
        const Offsets here = lineOffsets(h, R, d);
        surface.moveTo(place(X, Y, q, here));
        if (!joined) {
            joinToCircle(surface, X, Y, R, here);
            joined = true;
        }
        // |h| grows with d, so the next degree meets the line too.
        const Point next = place(X, Y, q, lineOffsets(lineH(c, d + 1), R, d + 1));
        if (!stopped) surface.lineTo(next);
        if (pastEdge(canvas, q, next)) stopped = true;
    }
}

}  // namespace

void EquipotentialCylinder(const Canvas& canvas, int X, int Y, int R) {
    const EquipotentialSettings& equi = canvas.settings.equipotentials;
    canvas.surface.setPenWidth(equi.lineWidth());
    canvas.surface.setPenColor(equi.lineColor());
    for (const Quarter& q : kQuarters) {
        const bool firstPass = &q == &kQuarters[0];
        std::int64_t c = 0;
        const int lines = equi.lineCount();
        for (int line = 0; line < lines; ++line) {
            traceLine(canvas, X, Y, R, q, firstPass, c);
            c += equi.increment();
            canvas.gauge.advance(1);
        }
    }
}

}  // namespace flow
