#include "flow/airfoil/airfoil_drawing.h"

#include <cmath>
#include <numbers>

#include "flow/airfoil/circle_plane_trace.h"
#include "flow/arrow_places.h"
#include "flow/arrowhead.h"
#include "flow/equipotentials/equipotential_pen.h"
#include "flow/geometry.h"
#include "flow/streamlines/streamline_conventions.h"
#include "flow/vector_state.h"

namespace flow::airfoil {

namespace {

using superposition::Quantity;

constexpr double kDegree = std::numbers::pi / 180;

Point pixel(const PicturePoint& p) {
    return {Round(p.x), Round(p.y)};
}

// The chain of chords between the points rounded to pixels.
void drawChain(Surface& surface, const std::vector<PicturePoint>& points) {
    Point last = pixel(points.front());
    surface.moveTo(last);
    for (const PicturePoint& p : points) {
        const Point next = pixel(p);
        if (next == last) continue;
        surface.lineTo(next);
        last = next;
    }
}

double distance(const PicturePoint& a, const PicturePoint& b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// Whether an arrowhead at p pointing along v keeps its corners off the
// airfoil (on the surface's own streamline one would reach inside).
bool clearOfAirfoil(const AirfoilGeometry& geometry, const PicturePoint& p, Complex v) {
    for (const double side : {-1.0, 1.0}) {
        const Complex leg =
            -std::polar(kArrowheadLeg, std::arg(v) + side * kStreamArrowHalfAngle * kDegree);
        if (!geometry.pictureToCircle(p.x + leg.real(), p.y - leg.imag())) return false;
    }
    return true;
}

// Arrowheads along the flow at 100, 300, 500, ... pixels of arc (at the
// middle of a curve shorter than 100), only inside the field.
void drawArrows(Surface& surface, const AirfoilFlow& flow, const std::vector<CurvePoint>& curve) {
    const AirfoilGeometry& geometry = flow.geometry();
    forEachArrowPlace(
        curve.size(), [&](std::size_t k) { return distance(curve[k - 1].p, curve[k].p); },
        [&](std::size_t k, double s) {
            const PicturePoint p{curve[k - 1].p.x + (curve[k].p.x - curve[k - 1].p.x) * s,
                                 curve[k - 1].p.y + (curve[k].p.y - curve[k - 1].p.y) * s};
            const Complex v =
                std::conj(flow.velocity(curve[k - 1].z + (curve[k].z - curve[k - 1].z) * s));
            if (p.x < 0 || p.x > geometry.width() || p.y < 0 || p.y > geometry.height()) return;
            if (!std::isfinite(std::abs(v)) || v == Complex{} || !clearOfAirfoil(geometry, p, v))
                return;
            headingArrowhead(surface, pixel(p), toDegrees(std::arg(v)), kStreamArrowHalfAngle);
        });
}

// The levels of the dialog's increment A and count N.
template <class Dialog>
superposition::Levels levelsOf(const Dialog& dialog) {
    const int increment = dialog.increment();
    return {static_cast<double>(increment), dialog.lineCount()};
}

Outcome draw(const Canvas& canvas, const AirfoilFlow& flow, Quantity quantity,
             const superposition::Levels& levels, bool arrows) {
    clearUpperVectorState();
    if (!(flow.speed() > 0) || !levels.any()) return Outcome::NothingToDraw;
    const MappedCurves set = airfoilLevelCurves(flow, quantity, levels);
    for (const std::vector<CurvePoint>& curve : set.curves) {
        std::vector<PicturePoint> points;
        for (const CurvePoint& c : curve) points.push_back(c.p);
        drawChain(canvas.surface, points);
        if (arrows) drawArrows(canvas.surface, flow, curve);
        canvas.gauge.advance(1);
    }
    if (set.curves.empty()) return set.traced.crowded ? Outcome::TooDense : Outcome::NothingToDraw;
    return set.traced.complete ? Outcome::Drawn : Outcome::Truncated;
}

}  // namespace

Outcome drawAirfoilStreamlines(const Canvas& canvas, const AirfoilFlow& flow) {
    setStreamlinePen(canvas);
    const superposition::Levels levels = levelsOf(canvas.settings.streamlines);
    return draw(canvas, flow, Quantity::StreamFunction, levels,
                canvas.settings.streamlines.directionArrows());
}

Outcome drawAirfoilEquipotentials(const Canvas& canvas, const AirfoilFlow& flow) {
    setEquipotentialPen(canvas);
    return draw(canvas, flow, Quantity::Potential, levelsOf(canvas.settings.equipotentials), false);
}

void drawAirfoilOutline(Surface& surface, const AirfoilGeometry& geometry, Color color, int width) {
    surface.setPenColor(color);
    surface.setPenWidth(width);
    drawChain(surface, geometry.outline());
}

}  // namespace flow::airfoil
