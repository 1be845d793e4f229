#include "flow/equipotentials/single_elements.h"

#include <cmath>
#include <cstdint>

#include "flow/equipotentials/equipotential_pen.h"
#include "flow/geometry.h"

namespace flow {

void EquipotentialPointSource(const Canvas& canvas, int X, int Y) {
    setEquipotentialPen(canvas);
    const EquipotentialSettings& dialog = canvas.settings.equipotentials;
    canvas.surface.setBrushClear();
    std::int64_t r = dialog.increment();
    const int lines = dialog.lineCount();
    for (int line = 0; line < lines; ++line) {
        canvas.surface.ellipse(X + r, Y + r, X - r, Y - r);
        r += dialog.increment();
    }
}

void EquipotentialVortex(const Canvas& canvas, int X, int Y) {
    setEquipotentialPen(canvas);
    const double length = canvas.settings.field.width();
    const int lines = canvas.settings.equipotentials.lineCount();
    if (lines <= 0) return;
    const double step = kTwoPi / lines;
    double t = 0;
    for (int ray = 0; ray < lines; ++ray) {
        canvas.surface.moveTo(X, Y);
        canvas.surface.lineTo(upperPoint(X, Y, length, t));
        t += step;
        canvas.gauge.advance(4);
    }
}

namespace {

// One spiral of the vortex-source: its radius at whole degree d.
struct Spiral {
    double c, strength, circulation;
    double radius(std::int64_t d) const {
        return std::exp(2 * kPi * c / strength -
                        theta(static_cast<double>(d)) * circulation / strength);
    }
};

// Draws the chords of one spiral that lie between the boundary circle and
// `outer`, stepping one degree at a time until the radius drops below the
// boundary. Ends because the caller makes sure the spiral winds inwards.
void traceSpiral(const Canvas& canvas, int X, int Y, const Spiral& spiral, double boundary,
                 double outer) {
    for (std::int64_t d = 0;; ++d) {
        double r = spiral.radius(d);
        if (boundary < r && r < outer) {
            canvas.surface.moveTo(upperPoint(X, Y, r, theta(static_cast<double>(d))));
            r = spiral.radius(d + 1);
            canvas.surface.lineTo(upperPoint(X, Y, r, theta(static_cast<double>(d + 1))));
        }
        canvas.gauge.advance(4);
        if (r < boundary) return;
    }
}

}  // namespace

void EquipotentialVortexSource(const Canvas& canvas, int X, int Y, int boundaryRadius) {
    setEquipotentialPen(canvas);
    const EquipotentialSettings& dialog = canvas.settings.equipotentials;
    const int strength = canvas.settings.vortexSource.strength();
    const int circulation = canvas.settings.vortexSource.circulation();
    const int lines = dialog.lineCount();
    // The radius falls below the boundary only when the spiral winds inwards
    // (circulation and strength of one sign) and the boundary is positive;
    // otherwise a spiral would be followed forever, so none is traced.
    const bool windsInwards =
        (strength > 0 && circulation > 0) || (strength < 0 && circulation < 0);
    if (!windsInwards || boundaryRadius <= 0) return;
    const double dx = X, dy = Y;
    const double cornerDistance = std::sqrt(dx * dx + dy * dy);
    std::int64_t c = 0;
    for (int line = 0; line < lines; ++line) {
        traceSpiral(canvas, X, Y,
                    Spiral{static_cast<double>(c), static_cast<double>(strength),
                           static_cast<double>(circulation)},
                    boundaryRadius, cornerDistance);
        c += dialog.increment();
    }
}

namespace {

// Offset of the dipole circle of diameter D at whole degree d.
Point dipoleOffset(double D, int d) {
    const double angle = theta(d);
    const double rho = D * std::cos(angle);
    return {Round(rho * std::cos(angle)), Round(rho * std::sin(angle))};
}

}  // namespace

void EquipotentialDipole(const Canvas& canvas, int X, int Y, int M) {
    setEquipotentialPen(canvas);
    const EquipotentialSettings& dialog = canvas.settings.equipotentials;
    std::int64_t diameter = M;
    const int lines = dialog.lineCount();
    for (int line = 0; line < lines; ++line) {
        for (int d = 0; d <= 180; ++d) {
            const Point from = dipoleOffset(static_cast<double>(diameter), d);
            const Point to = dipoleOffset(static_cast<double>(diameter), d + 1);
            // Mirror the half circle into all four quadrants about (X, Y).
            for (const int sx : {-1, 1}) {
                for (const int sy : {-1, 1}) {
                    canvas.surface.moveTo(X + sx * from.x, Y + sy * from.y);
                    canvas.surface.lineTo(X + sx * to.x, Y + sy * to.y);
                }
            }
            canvas.gauge.advance(4);
        }
        diameter += dialog.increment();
    }
}

}  // namespace flow
