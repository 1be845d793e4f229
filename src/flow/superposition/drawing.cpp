#include "flow/superposition/drawing.h"

#include <cmath>

#include "flow/arrowhead.h"
#include "flow/equipotentials/equipotential_pen.h"
#include "flow/geometry.h"
#include "flow/streamlines/streamline_conventions.h"
#include "flow/superposition/evenly_spaced.h"
#include "flow/superposition/stagnation.h"
#include "flow/vector_state.h"

namespace flow::superposition {

namespace {

// The work budget of one drawing's lines, in evaluations of one element's
// dW/dz: a hundred elements of every kind at the dialogs' defaults took at
// most 60 % of it.
constexpr long long kWorkPerDrawing = 300'000'000;

constexpr double kFirstArrow = 100;  // arc length to the first arrowhead, pixels
constexpr double kArrowSpacing = 200;
constexpr double kShortestArrowed = 40;  // shorter curves get none
constexpr double kArrowHalfAngle = 20;

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
    double length = 0;
    for (std::size_t k = 1; k < points.size(); ++k) length += std::abs(points[k] - points[k - 1]);
    if (length < kShortestArrowed) return;
    double next = length < kFirstArrow ? length / 2 : kFirstArrow;
    double walked = 0;
    for (std::size_t k = 1; k < points.size(); ++k) {
        const double chord = std::abs(points[k] - points[k - 1]);
        while (chord > 0 && walked + chord >= next) {
            const Complex z =
                points[k - 1] + (points[k] - points[k - 1]) * ((next - walked) / chord);
            const PicturePoint p = toPicture(z);
            const ScreenVelocity v = velocityAt(field, p.x, p.y);
            if (inField(p, width, height) && std::isfinite(v.dx) && std::isfinite(v.dy) &&
                (v.dx != 0 || v.dy != 0)) {
                headingArrowhead(surface, {Round(p.x), Round(p.y)},
                                 toDegrees(std::atan2(-v.dy, v.dx)), kArrowHalfAngle);
            }
            next += kArrowSpacing;
        }
        walked += chord;
    }
}

// What both drawings start from: the elements' field, the picture's size,
// the region curves are kept in and the levels.
struct Job {
    Job(const Canvas& canvas, const std::vector<Element>& elements, int increment, int count)
        : field(elements),
          levels{static_cast<double>(increment), count},
          width(canvas.settings.field.width()),
          height(canvas.settings.field.height()),
          region(Region::aroundField(width, height, kFieldMargin)) {}

    bool possible() const { return !field.empty() && levels.any(); }

    // The stagnation points, found within their own budget.
    std::vector<Complex> stagnation() {
        StepBudget search = stagnationBudget();
        std::vector<Complex> points = stagnationPoints(field, region, search);
        searchComplete = !search.ranOut();
        return points;
    }

    Outcome draw(const Canvas& canvas, const CurveSet& set, bool arrows) const {
        bool any = false;
        for (const Curve& curve : set.curves) {
            if (curve.points.size() < 2) continue;
            any = drawCurve(canvas.surface, curve.points, width, height) || any;
            if (arrows) drawArrows(canvas.surface, field, curve.points, width, height);
            canvas.gauge.advance(1);
        }
        if (!any) return set.crowded ? Outcome::TooDense : Outcome::NothingToDraw;
        return set.complete && searchComplete ? Outcome::Drawn : Outcome::Truncated;
    }

    const Field field;
    const Levels levels;
    const double width, height;
    const Region region;
    bool searchComplete = true;
};

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
    Job job(canvas, elements, increment, dialog.lineCount());
    if (!job.possible()) return Outcome::NothingToDraw;
    const std::vector<Complex> stagnation = job.stagnation();
    StepBudget budget = lineBudget();
    const CurveSet set =
        options.evenlySpaced
            ? evenlySpacedStreamlines(job.field, job.region, increment, stagnation, budget)
            : levelCurves(job.field, Quantity::StreamFunction, job.region, job.levels, stagnation,
                          budget);
    return job.draw(canvas, set, dialog.directionArrows());
}

Outcome drawEquipotentials(const Canvas& canvas, const std::vector<Element>& elements) {
    clearUpperVectorState();
    const EquipotentialSettings& dialog = canvas.settings.equipotentials;
    setEquipotentialPen(canvas);
    const int increment = dialog.increment();
    Job job(canvas, elements, increment, dialog.lineCount());
    if (!job.possible()) return Outcome::NothingToDraw;
    StepBudget budget = lineBudget();
    const CurveSet set = levelCurves(job.field, Quantity::Potential, job.region, job.levels,
                                     job.stagnation(), budget);
    return job.draw(canvas, set, false);
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
