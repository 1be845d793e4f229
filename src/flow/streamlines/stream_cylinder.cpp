#include <cmath>

#include "flow/geometry.h"
#include "flow/streamlines/combined_flows.h"
#include "flow/streamlines/streamline_conventions.h"

namespace flow {

namespace {

// psi = (rho - R^2 / rho) sin(theta) solved for rho.
double cylinderRadius(double psi, double angle, double R) {
    const double h = psi / (2 * std::sin(angle));
    return h + std::sqrt(h * h + R * R);
}

}  // namespace

void StreamCylinder(const Canvas& canvas, int R, int X, int Y) {
    setStreamlinePen(canvas);
    const int lines = canvas.settings.streamlines.lineCount();
    if (lines <= 0) return;
    const double radius = R;
    double psi = 0;
    for (int line = 0; line < lines; ++line) {
        double nextArrowX = 50;
        for (int step = 1; step <= 178; ++step) {
            const double a0 = theta(step);
            const double a1 = theta(step + 1);
            const double rho0 = cylinderRadius(psi, a0, radius);
            const double rho1 = cylinderRadius(psi, a1, radius);
            const Point u0 = upperPoint(X, Y, rho0, a0);
            const Point u1 = upperPoint(X, Y, rho1, a1);
            canvas.surface.line(u0, u1);
            canvas.surface.line(lowerPoint(X, Y, rho0, a0), lowerPoint(X, Y, rho1, a1));
            // No arrowheads within 20 pixels of the cylinder.
            if (u1.x > nextArrowX && rho1 > radius + 20 &&
                canvas.settings.streamlines.directionArrows()) {
                // At the chord end and its mirror image, pointing along the chord.
                mirroredArrowheads(canvas.surface, Y, u1, static_cast<double>(u1.y - u0.y),
                                   chordLength(u0, u1));
                nextArrowX += 150;
            }
        }
        psi += canvas.settings.streamlines.increment();
        canvas.gauge.advance(kGaugeStepPerLine);
    }
}

}  // namespace flow
