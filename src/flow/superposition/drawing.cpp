#include "flow/superposition/drawing.h"

#include <cmath>

#include "flow/arrow_places.h"
#include "flow/arrowhead.h"
#include "flow/equipotentials/equipotential_pen.h"
#include "flow/geometry.h"
#include "flow/streamlines/streamline_conventions.h"
#include "flow/superposition/lines_ahead.h"
#include "flow/superposition/stagnation.h"
#include "flow/vector_state.h"

namespace flow::superposition {

namespace {

// The work budget of one drawing's lines, in evaluations of one element's
// dW/dz: a hundred elements of every kind at the dialogs' defaults took at
// most 60 % of it.
constexpr long long kWorkPerDrawing = 300'000'000;

Point rounded(Complex z) {
    const PicturePoint p = toPicture(z);
    return {Round(p.x), Round(p.y)};
}

bool inField(const PicturePoint& p, double width, double height) {
    return p.x >= 0 && p.x <= width && p.y >= 0 && p.y <= height;
}

// The curve as a chain of chords between its points rounded to pixels.
// Returns whether any point lies in the field.
bool drawCurve(Surface& surface, const std::vector<Complex>& points, double width, double height) {
    bool seen = false;
    Point last = rounded(points.front());
    surface.moveTo(last);
    for (const Complex z : points) {
        seen = seen || inField(toPicture(z), width, height);
        const Point p = rounded(z);
        if (p == last) continue;
        surface.lineTo(p);
        last = p;
    }
    return seen;
}

// Arrowheads along the flow at 100, 300, 500, ... pixels of arc (at the
// middle of a curve shorter than 100), only inside the field.
void drawArrows(Surface& surface, const Field& field, const std::vector<Complex>& points,
                double width, double height) {
    forEachArrowPlace(
        points.size(), [&](std::size_t k) { return std::abs(points[k] - points[k - 1]); },
        [&](std::size_t k, double t) {
            const PicturePoint p = toPicture(points[k - 1] + (points[k] - points[k - 1]) * t);
            const ScreenVelocity v = velocityAt(field, p.x, p.y);
            if (inField(p, width, height) && std::isfinite(v.dx) && std::isfinite(v.dy) &&
                (v.dx != 0 || v.dy != 0))
                headingArrowhead(surface, {Round(p.x), Round(p.y)},
                                 toDegrees(std::atan2(-v.dy, v.dx)), kStreamArrowHalfAngle);
        });
}

// The curves traced, drawn with arrowheads if asked for.
Outcome drawTraced(const Canvas& canvas, const Field& field, const LinesRequest& request,
                   const TracedLines& traced, bool arrows) {
    bool any = false;
    for (const Curve& curve : traced.set.curves) {
        if (curve.points.size() < 2) continue;
        any = drawCurve(canvas.surface, curve.points, request.width, request.height) || any;
        if (arrows) drawArrows(canvas.surface, field, curve.points, request.width, request.height);
        canvas.gauge.advance(1);
    }
    if (!any) return traced.set.crowded ? Outcome::TooDense : Outcome::NothingToDraw;
    return traced.set.complete && traced.searchComplete ? Outcome::Drawn : Outcome::Truncated;
}

// The request of a drawing with the dialog's settings; the field's size is
// read after them.
LinesRequest requestOf(const Canvas& canvas, Quantity quantity, bool evenlySpaced, int increment,
                       int count) {
    return {quantity,
            evenlySpaced,
            increment,
            count,
            static_cast<double>(canvas.settings.field.width()),
            static_cast<double>(canvas.settings.field.height())};
}

bool possible(const Field& field, const LinesRequest& request) {
    return !field.empty() && request.increment > 0 && request.count > 0;
}

}  // namespace

StepBudget lineBudget() {
    return {kWorkPerDrawing};
}

Outcome drawStreamlines(const Canvas& canvas, const std::vector<Element>& elements,
                        StreamlineOptions options) {
    clearUpperVectorState();
    const StreamlineSettings& dialog = canvas.settings.streamlines;
    setStreamlinePen(canvas);
    const int increment = dialog.increment();
    const Field field(elements);
    const LinesRequest request = requestOf(canvas, Quantity::StreamFunction, options.evenlySpaced,
                                           increment, dialog.lineCount());
    if (!possible(field, request)) return Outcome::NothingToDraw;
    const TracedLines traced = tracedLines(field, elements, request);
    return drawTraced(canvas, field, request, traced, dialog.directionArrows());
}

Outcome drawEquipotentials(const Canvas& canvas, const std::vector<Element>& elements) {
    clearUpperVectorState();
    const EquipotentialSettings& dialog = canvas.settings.equipotentials;
    setEquipotentialPen(canvas);
    const int increment = dialog.increment();
    const Field field(elements);
    const LinesRequest request =
        requestOf(canvas, Quantity::Potential, false, increment, dialog.lineCount());
    if (!possible(field, request)) return Outcome::NothingToDraw;
    return drawTraced(canvas, field, request, tracedLines(field, elements, request), false);
}

std::vector<PicturePoint> stagnationPointsInField(const std::vector<Element>& elements,
                                                  double width, double height) {
    const Field field(elements);
    std::vector<PicturePoint> points;
    for (const Complex z :
         stagnationPoints(field, Region::aroundField(width, height, kFieldMargin)))
        points.push_back(toPicture(z));
    return points;
}

}  // namespace flow::superposition
