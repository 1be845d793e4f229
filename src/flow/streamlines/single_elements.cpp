#include "flow/streamlines/single_elements.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "flow/arrowhead.h"
#include "flow/geometry.h"
#include "flow/streamlines/streamline_conventions.h"

namespace flow {

namespace {

constexpr double kArrowHalfAngle = 20;

bool arrowsWanted(const Canvas& canvas) {
    return canvas.settings.streamlines.directionArrows();
}

}  // namespace

void StreamPointSource(const Canvas& canvas, int X, int Y) {
    setStreamlinePen(canvas);
    const int lines = canvas.settings.streamlines.lineCount();
    if (lines <= 0) return;
    const double width = canvas.settings.field.width();
    const double step = kTwoPi / lines;
    double angle = 0;
    for (int line = 0; line < lines; ++line) {
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        canvas.surface.line({X, Y}, {X + Round(width * c), Y - Round(width * s)});
        if (arrowsWanted(canvas)) {
            // Arrowheads at 100, 300, 500, ... pixels out, pointing away from the centre.
            const double heading = static_cast<double>(Round(toDegrees(angle)));
            const std::int64_t count = Round(width * 0.005);
            for (std::int64_t i = 0; i < count; ++i) {
                const double r = 100 + 200 * static_cast<double>(i);
                headingArrowhead(canvas.surface, {Round(X + r * c), Round(Y - r * s)}, heading,
                                 kArrowHalfAngle);
            }
        }
        angle += step;
        canvas.gauge.advance(kGaugeStepPerLine);
    }
}

void StreamVortex(const Canvas& canvas, int X, int Y) {
    setStreamlinePen(canvas);
    const int lines = canvas.settings.streamlines.lineCount();
    if (lines <= 0) return;
    canvas.surface.setBrushClear();
    std::int64_t r = canvas.settings.streamlines.increment();
    for (int line = 0; line < lines; ++line) {
        if (canvas.settings.field.width() > r) canvas.surface.ellipse(X - r, Y - r, X + r, Y + r);
        if (arrowsWanted(canvas)) {
            // Tips at the lower-right, upper-right, upper-left and lower-left of
            // the circle; the heading equals the tip's angle, so the arrows show
            // counterclockwise rotation on the screen.
            const double radius = static_cast<double>(r);
            const auto arrowAt = [&](double degrees, double side) {
                const double a = theta(degrees);
                headingArrowhead(canvas.surface,
                                 {Round(X + side * radius * std::cos(a)),
                                  Round(Y + side * radius * std::sin(a))},
                                 degrees, kArrowHalfAngle);
            };
            arrowAt(45, 1);
            arrowAt(135, -1);
            arrowAt(225, 1);
            arrowAt(315, -1);
        }
        r += canvas.settings.streamlines.increment();
        canvas.gauge.advance(kGaugeStepPerLine);
    }
}

void StreamDipole(const Canvas& canvas, int X, int Y, int M) {
    setStreamlinePen(canvas);
    const int lines = canvas.settings.streamlines.lineCount();
    if (lines <= 0) return;
    std::int64_t diameter = M;
    for (int line = 0; line < lines; ++line) {
        // rho = D sin(theta): a circle of diameter D through the centre, drawn
        // with 181 chords and mirrored below.
        const double d = static_cast<double>(diameter);
        for (int step = 0; step <= 180; ++step) {
            const double a0 = theta(step);
            const double a1 = theta(step + 1);
            const double rho0 = d * std::sin(a0);
            const double rho1 = d * std::sin(a1);
            canvas.surface.line(upperPoint(X, Y, rho0, a0), upperPoint(X, Y, rho1, a1));
            canvas.surface.line(lowerPoint(X, Y, rho0, a0), lowerPoint(X, Y, rho1, a1));
        }
        if (arrowsWanted(canvas)) {
            headingArrowhead(canvas.surface, {X, Y - diameter}, 180, 15);
            headingArrowhead(canvas.surface, {X, Y + diameter}, 180, 15);
        }
        diameter += canvas.settings.streamlines.increment();
        canvas.gauge.advance(kGaugeStepPerLine);
    }
}

namespace {

// Arrowhead with its corners placed 10 pixels along the screen angle a (+-20
// degrees) from the tip, rather than against it.
void arrowheadCornersAlong(Surface& surface, Point tip, int a) {
    drawArrowhead(surface, tip, a, kArrowHalfAngle, {1, 1});
}

// Arrowhead at the end p1 of a spiral chord from p0, pointing along the chord.
// Its angle comes from the quadrant p1 lies in about the centre; on the axes
// through the centre none is drawn.
void spiralArrowhead(Surface& surface, Point centre, Point p0, Point p1) {
    const double length = chordLength(p0, p1);
    const auto dx = [](Point from, Point to) { return static_cast<double>(to.x - from.x); };
    const auto dy = [](Point from, Point to) { return static_cast<double>(to.y - from.y); };
    const bool right = p1.x > centre.x;
    const bool left = p1.x < centre.x;
    const bool above = p1.y < centre.y;
    const bool below = p1.y > centre.y;
    if (right && above) {
        screenAngleArrowhead(surface, p1, arcsinDegrees(dy(p0, p1), length), kArrowHalfAngle);
    } else if (left && above) {
        arrowheadCornersAlong(surface, p1, arccosDegrees(dx(p1, p0), length));
    } else if (left && below) {
        arrowheadCornersAlong(surface, p1, arcsinDegrees(dy(p1, p0), length));
    } else if (right && below) {
        screenAngleArrowhead(surface, p1, arccosDegrees(dx(p0, p1), length), kArrowHalfAngle);
    }
}

double fieldDiagonal(const Canvas& canvas) {
    const double width = canvas.settings.field.width();
    const double height = canvas.settings.field.height();
    return std::sqrt(width * width + height * height);
}

struct Spiral {
    double strength;     // Q
    double circulation;  // Gamma
    double value;        // psi

    double radius(std::int64_t step) const {
        return std::exp(theta(static_cast<double>(step)) * strength / circulation -
                        value * kTwoPi / circulation);
    }
};

// A chord of one degree keeps this share of its ends' radius from the centre.
constexpr double kChordInset = 0.9999;
// Room for the arrowhead at a chord's end.
constexpr double kArrowRoom = 12;

// One spiral from the boundary circle until a chord ends beyond the field
// diagonal, or until the spiral has left the picture for good. The radius
// must grow with the angle, or the line would never end.
void drawSpiral(const Canvas& canvas, Point centre, double boundaryRadius, const Spiral& spiral) {
    const auto pointAt = [&](std::int64_t step, double rho) {
        return upperPoint(centre.x, centre.y, rho, theta(static_cast<double>(step)));
    };
    const double unseenBeyond = reachRadius(canvas.surface, centre) + kArrowRoom;
    double nextArrowRadius = 100;
    // The radius and point at the end of one step are those at the start of
    // the next (same step, same formula), so each is computed once.
    double rho0 = spiral.radius(0);
    std::optional<Point> p0;  // known once the previous step drew its chord
    for (std::int64_t step = 0;; ++step) {
        const double rho1 = spiral.radius(step + 1);
        if (!(rho0 > boundaryRadius)) {
            rho0 = rho1;
            p0.reset();
            continue;
        }
        if (rho0 * kChordInset > unseenBeyond) return;
        const Point from = p0 ? *p0 : pointAt(step, rho0);
        const Point p1 = pointAt(step + 1, rho1);
        canvas.surface.line(from, p1);
        if (rho1 > nextArrowRadius && arrowsWanted(canvas)) {
            spiralArrowhead(canvas.surface, centre, from, p1);
            nextArrowRadius += 150;
        }
        if (rho1 > fieldDiagonal(canvas)) return;
        rho0 = rho1;
        p0 = p1;
    }
}

}  // namespace

void StreamVortexSource(const Canvas& canvas, int X, int Y, int boundaryRadius) {
    setStreamlinePen(canvas);
    const int lines = canvas.settings.streamlines.lineCount();
    if (lines <= 0) return;
    Spiral spiral{static_cast<double>(canvas.settings.vortexSource.strength()),
                  static_cast<double>(canvas.settings.vortexSource.circulation()), 0};
    // The dialogs keep Q and Gamma positive. Should either be zero or their
    // signs differ, the radius would not grow and no spiral could ever reach
    // the field diagonal: such spirals are not drawn at all.
    const bool growsOutwards = spiral.circulation != 0 && spiral.strength / spiral.circulation > 0;
    for (int line = 0; line < lines; ++line) {
        if (growsOutwards) drawSpiral(canvas, {X, Y}, boundaryRadius, spiral);
        spiral.value += canvas.settings.streamlines.increment();
        canvas.gauge.advance(kGaugeStepPerLine);
    }
}

}  // namespace flow
