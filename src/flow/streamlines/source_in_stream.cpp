#include <cmath>
#include <cstdint>

#include "flow/geometry.h"
#include "flow/streamlines/combined_flows.h"
#include "flow/streamlines/streamline_conventions.h"

namespace flow {

namespace {

// The flow v = U' rho sin(theta) + Q theta / 6.28 about (X, Y), with U' = -U
// for a source and U' = U for a sink.
struct ElementInStream {
    const Canvas& canvas;
    std::int64_t X;
    std::int64_t Y;
    double strength;
    double speed;  // U'
    bool sink;

    double radius(double angle, double value) const {
        return (value - angle * strength * 0.5 * kInvPi) / (speed * std::sin(angle));
    }

    // Chords ending far beyond the field are left out: beyond its right and
    // bottom edges for a source, beyond its left and top edges for a sink.
    // The field size is read at every test.
    bool inWindow(Point p) const {
        const std::int64_t width = canvas.settings.field.width();
        const std::int64_t height = canvas.settings.field.height();
        if (sink) return p.x > -(width + 100) && p.y > -(height + 100);
        return p.x < width + 100 && p.y < height + 100;
    }

    // The line v from step angle a0 (where its radius is rho0) to a1, and its
    // mirror image; both halves are kept or left out on the upper end point.
    // Returns whether they were drawn.
    bool drawChords(double value, double rho0, double a0, double a1, Point& upper0,
                    Point& upper1) const {
        Surface& surface = canvas.surface;
        upper0 = upperPoint(X, Y, rho0, a0);
        surface.moveTo(upper0);
        const double rho1 = radius(a1, value);
        upper1 = upperPoint(X, Y, rho1, a1);
        if (inWindow(upper1)) surface.lineTo(upper1);
        surface.moveTo(lowerPoint(X, Y, rho0, a0));
        if (!inWindow(upper1)) return false;
        surface.lineTo(lowerPoint(X, Y, rho1, a1));
        return true;
    }
};

}  // namespace

void StreamSourceInStream(const Canvas& canvas, int X, int Y, int Q, int mode) {
    canvas.surface.setPenWidth(canvas.settings.streamlines.lineWidth());
    const int lines = canvas.settings.streamlines.lineCount();
    if (lines <= 0) return;
    const bool sink = mode == kSinkInStream;
    const double speed = canvas.settings.streamSpeed.speed();
    const ElementInStream flow{canvas, X, Y, static_cast<double>(Q), sink ? speed : -speed, sink};

    double psi = 0;
    // The arrow flag and the last drawn chord of the oncoming fluid carry
    // over from one line to the next until an arrowhead pair uses them.
    bool chordSinceArrow = false;
    Point arrowFrom;  // start of this step's upper chord of the oncoming fluid
    Point arrowTip;   // end of the last such chord drawn
    for (int line = 0; line < lines; ++line) {
        std::int64_t nextArrowX = sink ? canvas.settings.field.width() : 50;
        for (int step = 1; step <= 179; ++step) {
            const double a0 = theta(step);
            const double a1 = theta(step + 1);

            // The element's own fluid, v = +psi, only on its side of the element.
            canvas.surface.setPenColor(canvas.settings.sourceSink.regionColor());
            const double rho0 = flow.radius(a0, psi);
            if (sink ? rho0 < 0 : rho0 > 0) {
                Point upper0, upper1;
                flow.drawChords(psi, rho0, a0, a1, upper0, upper1);
            }

            // The oncoming fluid, v = -psi; for psi = 0 it is the dividing line
            // again, in the region colour.
            if (psi != 0) canvas.surface.setPenColor(canvas.settings.streamlines.lineColor());
            Point upper1;
            if (flow.drawChords(-psi, flow.radius(a0, -psi), a0, a1, arrowFrom, upper1)) {
                arrowTip = upper1;
                chordSinceArrow = true;
            }

            // Arrowheads line by line beyond the next x (rightwards for a
            // source, leftwards for a sink); on the dividing line only past its
            // middle step, with the element's X taken into the comparison.
            const bool beyond = sink ? (psi == 0 ? step > 90 && arrowTip.x + X < nextArrowX
                                                 : arrowTip.x < nextArrowX)
                                     : (psi == 0 ? step > 90 && arrowTip.x - X > nextArrowX
                                                 : arrowTip.x > nextArrowX);
            if (chordSinceArrow && beyond && canvas.settings.streamlines.directionArrows()) {
                const double rise = static_cast<double>(arrowTip.y - arrowFrom.y);
                mirroredArrowheads(canvas.surface, Y, arrowTip, sink ? -rise : rise,
                                   chordLength(arrowFrom, arrowTip));
                nextArrowX += sink ? -100 : 200;
                chordSinceArrow = false;
            }
        }
        psi += canvas.settings.streamlines.increment();
        canvas.gauge.advance(kGaugeStepPerLine);
    }
}

}  // namespace flow
