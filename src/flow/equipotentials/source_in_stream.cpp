#include "flow/equipotentials/source_in_stream.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "flow/bounded_settings.h"
#include "flow/equipotentials/equipotential_pen.h"
#include "flow/equipotentials/stream_line_geometry.h"

namespace flow {

namespace {

// A chord is drawn only to a following radius whose point lies less than
// this many pixels sideways; farther points belong to another branch.
constexpr std::int64_t kMaxSidewaysJump = 50;

// Radii are looked at in blocks of this many. The offset of a line moves one
// way only as the radius grows, so its values at a block's ends bound every
// radius between: a block where no radius can meet the line, or from which
// nothing drawn can reach the picture, is passed over radius by radius
// unseen. What reaches the picture stays exactly as it would be.
constexpr std::int64_t kBlock = 64;

// Room for rounding between an offset and the pixel it gives.
constexpr double kSlack = 2;

// The gauge is full at this step count.
constexpr std::int64_t kGaugeTop = 80;

// Offsets of the radii of one block, widened by the slack.
struct OffsetSpan {
    double low, high;
};

// The part of the plane where a line's points can still draw something.
struct Reach {
    // A point left of `left` or right of `right` draws nothing: its chords
    // end less than the jump limit sideways, still outside the picture.
    double left, right;
    // From this radius on, a point between `left` and `right` lies above the
    // picture and its mirror image below.
    double farRadius;
};

class LineTracer {
  public:
    LineTracer(const Canvas& canvas, const StreamLineGeometry& geometry);

    // Draws the line of value c over the radii 1..W: the two closing strokes
    // to the axis at its innermost point, then for every radius that meets
    // the line the chord pair to the nearest following radius within the
    // sideways limit. Keeps the x of the last point in lastX; returns whether
    // any radius met.
    bool trace(double c, std::int64_t W, std::int64_t& lastX) const;

    // How many lines, from value c on in steps of `step`, can be passed over
    // at once: each lies wholly beside the picture on the side the lines come
    // from, and none of them could end the run.
    std::int64_t unseenLinesFrom(double c, double step, std::int64_t W) const;

  private:
    OffsetSpan span(double c, std::int64_t a, std::int64_t b) const;
    static bool noneMeets(const OffsetSpan& s, std::int64_t b) { return s.low > b || s.high < -b; }
    // Nothing drawn from a radius of the block from a onwards can change a pixel.
    bool unseen(const OffsetSpan& s, std::int64_t a) const;
    // The nearest following radius within the sideways limit of `here`.
    std::optional<RadiusMeeting> chordEnd(double c, std::int64_t r, std::int64_t W,
                                          const RadiusMeeting& here) const;
    // The largest radius from `from` down to above `after` that meets the line.
    std::optional<RadiusMeeting> lastMeeting(double c, std::int64_t from, std::int64_t after) const;

    const Canvas& canvas_;
    const StreamLineGeometry& geometry_;
    std::optional<Reach> reach_;
};

LineTracer::LineTracer(const Canvas& canvas, const StreamLineGeometry& geometry)
    : canvas_(canvas), geometry_(geometry) {
    const std::optional<Box> box = canvas.surface.reach();
    if (!box) return;
    const double X = static_cast<double>(geometry.axisX());
    const double Y = static_cast<double>(geometry.axisY());
    const double left = static_cast<double>(box->left - kMaxSidewaysJump);
    const double right = static_cast<double>(box->right + kMaxSidewaysJump);
    const double sideways = std::max(std::abs(left - X), std::abs(right - X));
    const double upDown =
        std::max({Y - static_cast<double>(box->top), static_cast<double>(box->bottom) - Y, 0.0});
    reach_ = Reach{left, right, std::hypot(sideways + kSlack, upDown + kSlack) + kSlack};
}

OffsetSpan LineTracer::span(double c, std::int64_t a, std::int64_t b) const {
    const double first = geometry_.offset(c, a);
    const double last = geometry_.offset(c, b);
    return {std::min(first, last) - kSlack, std::max(first, last) + kSlack};
}

bool LineTracer::unseen(const OffsetSpan& s, std::int64_t a) const {
    if (!reach_) return false;
    const double X = static_cast<double>(geometry_.axisX());
    const bool right = geometry_.direction() > 0;
    const double xLow = right ? X + s.low : X - s.high;
    const double xHigh = right ? X + s.high : X - s.low;
    return xHigh < reach_->left || xLow > reach_->right ||
           static_cast<double>(a) >= reach_->farRadius;
}

bool LineTracer::trace(double c, std::int64_t W, std::int64_t& lastX) const {
    Surface& surface = canvas_.surface;
    bool started = false;
    std::int64_t lastMet = 0;    // the last radius looked at that met the line
    std::int64_t unseenEnd = 0;  // the end of the last block passed over unseen
    for (std::int64_t a = 1; a <= W; a += kBlock) {
        const std::int64_t b = std::min(W, a + kBlock - 1);
        const OffsetSpan s = span(c, a, b);
        if (noneMeets(s, b)) continue;
        if (started && unseen(s, a)) {
            unseenEnd = b;
            continue;
        }
        for (std::int64_t r = a; r <= b; ++r) {
            const auto here = geometry_.meet(c, r);
            if (!here) continue;
            if (!started) {
                surface.line(here->upper, {here->upper.x, geometry_.axisY()});
                surface.line(here->lower, {here->lower.x, geometry_.axisY()});
                started = true;
            }
            surface.moveTo(here->upper);
            lastX = here->lower.x;
            lastMet = r;
            if (const auto there = chordEnd(c, r, W, *here)) {
                surface.lineTo(there->upper);
                surface.line(here->lower, there->lower);
            }
        }
    }
    if (unseenEnd > lastMet) {
        // The line's last point may lie in a block passed over: the pen ends
        // there, as it would had every radius been drawn.
        if (const auto last = lastMeeting(c, unseenEnd, lastMet)) {
            surface.moveTo(last->upper);
            lastX = last->lower.x;
        }
    }
    return started;
}

std::optional<RadiusMeeting> LineTracer::chordEnd(double c, std::int64_t r, std::int64_t W,
                                                  const RadiusMeeting& here) const {
    const Point lower = here.lower;
    const double offset =
        static_cast<double>(geometry_.direction() * (lower.x - geometry_.axisX()));
    const double limit = static_cast<double>(kMaxSidewaysJump) + kSlack;
    for (std::int64_t next = r + 1; next <= W; ++next) {
        if (const auto there = geometry_.meet(c, next)) {
            const std::int64_t jump = there->upper.x - lower.x;
            if (-kMaxSidewaysJump < jump && jump < kMaxSidewaysJump) return there;
        }
        // Once the offset has moved past the limit it never comes back.
        const double moved = geometry_.offset(c, next) - offset;
        if (geometry_.offsetFalls() ? moved < -limit : moved > limit) return std::nullopt;
    }
    return std::nullopt;
}

std::optional<RadiusMeeting> LineTracer::lastMeeting(double c, std::int64_t from,
                                                     std::int64_t after) const {
    for (std::int64_t b = from; b > after; b -= kBlock) {
        const std::int64_t a = std::max(after + 1, b - kBlock + 1);
        if (noneMeets(span(c, a, b), b)) continue;
        for (std::int64_t r = b; r >= a; --r)
            if (const auto here = geometry_.meet(c, r)) return here;
    }
    return std::nullopt;
}

std::int64_t LineTracer::unseenLinesFrom(double c, double step, std::int64_t W) const {
    const double speed = geometry_.speed();
    if (!reach_ || W < 1 || !(speed > 0) || !(step > 0)) return 0;
    // Every offset of a line is c / speed plus a part fixed by the radius,
    // at most max(0, offset at W) for the radii 1..W.
    const double X = static_cast<double>(geometry_.axisX());
    const double room = geometry_.direction() > 0 ? reach_->left - X : X - reach_->right;
    const double beside = speed * (room - kSlack - std::max(0.0, geometry_.offset(0, W)));
    // A line that meets no radius ends the run only beyond this value.
    const double runGoesOn = std::max(geometry_.valueOnAxis(1), geometry_.valueOnAxis(W));
    const double lines = std::ceil((std::min(beside, runGoesOn) - c) / step);
    // The last of them and one more are traced as usual, so that the last
    // point of a line is exact.
    return lines > 2 ? static_cast<std::int64_t>(std::min(lines - 2, 1e15)) : 0;
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
    // Strengths beyond the source/sink dialog's range would make the run
    // endless: they are taken at its ends.
    static const Range strengths = settingRange("sourceSink.sourceStrength");
    const StreamLineGeometry geometry(X, Y, strengths(Q), speed, direction);
    const LineTracer tracer(canvas, geometry);
    std::int64_t c = 0;
    std::int64_t lastX = X;
    for (;;) {
        if (valuesGrow) {
            const std::int64_t passed =
                tracer.unseenLinesFrom(static_cast<double>(c), static_cast<double>(step), W);
            if (passed > 0) {
                c += passed * step;
                canvas.gauge.advance(static_cast<int>(std::min(passed, kGaugeTop)));
            }
        }
        const double value = static_cast<double>(c);
        const bool met = tracer.trace(value, W, lastX);
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
