#include "flow/streamlines/cylinder_circulation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "flow/arrowhead.h"
#include "flow/geometry.h"

namespace flow {
namespace {

// The dividing streamline is the one curve drawn with the exact value of pi.
constexpr double kExactPi = 3.141592653589793;
// It is drawn ring by ring, one radius ratio per ring in 100 steps.
constexpr int kStepsPerRing = 100;
constexpr double kRingStep = 0.01;

constexpr double kArrowHalfAngle = 20;
// A line gets its arrowhead where its next point passes left of this x.
constexpr std::int64_t kLineArrowX = 50;
// Chords shorter than this give too rough a direction for that arrowhead.
constexpr double kMinArrowChord = 5;

Point mirrored(Point p, std::int64_t centreX) {
    return {2 * centreX - p.x, p.y};
}

// H div R rounded down, for R > 0.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// The streamline through the stagnation points, above the cylinder only, in
// radius ratios s = rho / R from 1.01 out to (H div R + 1) + 1.01.
void drawDividingStreamline(const Canvas& canvas, int R, int X, int Y, int gamma, int H) {
    struct Sample {
        double q;      // sine of the angle at this ratio
        Point offset;  // of the point on the right half, from the centre
    };
    const double radius = R;
    const auto sampleAt = [&](double s) {
        const double q = std::log(s) * s * gamma / ((s * s - 1) * 2 * kExactPi * radius);
        const double phi = std::asin(q);
        return Sample{q, {Round(std::cos(phi) * s * radius), Round(std::sin(phi) * (-s * radius))}};
    };
    Surface& surface = canvas.surface;
    const std::int64_t rings = floorDiv(H, R) + 1;
    for (std::int64_t k = 1; k <= rings; ++k) {
        canvas.gauge.advance(1);
        const double ring = static_cast<double>(k);
        Sample from = sampleAt(ring + 1 * kRingStep);
        for (int j = 1; j <= kStepsPerRing; ++j) {
            const Sample to = sampleAt(ring + (j + 1) * kRingStep);
            // q falls as s grows: below 1 here, it stays below 1 at the chord's end.
            if (std::abs(from.q) < 1) {
                surface.line({X + from.offset.x, Y + from.offset.y},
                             {X + to.offset.x, Y + to.offset.y});
                surface.line({X - from.offset.x, Y + from.offset.y},
                             {X - to.offset.x, Y + to.offset.y});
            }
            from = to;
        }
    }
}

// Draws the lines psi = const by marching outwards one whole radius at a
// time: at each radius the stream function gives the sine of the angle.
class LineTracer {
  public:
    LineTracer(const Canvas& canvas, int R, int X, int Y, int gamma, int W)
        : canvas_(canvas), R_(R), X_(X), Y_(Y), gamma_(gamma), W_(W) {}

    void trace(std::int64_t psi);

  private:
    // The point of the line at radius rho on the left half, or nothing where
    // the sine would leave [-1, 1] (or the radius is the cylinder's own).
    std::optional<Point> pointAt(double rho) const;
    // Refines the start of the line between radii r - 1 and r; returns the
    // point the line continues from.
    Point searchStart(std::int64_t r, Point atR);
    // The arrowhead at `atR` and its mirror image, aimed along the chord to
    // the first point at least a few pixels away.
    void drawLineArrow(Point atR, std::int64_t r2, Point next);
    bool arrowsOn() const { return canvas_.settings.streamlines.directionArrows(); }

    const Canvas& canvas_;
    const std::int64_t R_, X_, Y_;
    const double gamma_;
    const std::int64_t W_;
    double psi_ = 0;
};

std::optional<Point> LineTracer::pointAt(double rho) const {
    const double span = rho - static_cast<double>(R_ * R_) / rho;
    if (span == 0) return std::nullopt;
    const double q = (std::log(rho) * gamma_ * 0.5 * kInvPi - psi_) / span;
    if (!(std::abs(q) <= 1)) return std::nullopt;
    return upperPoint(X_, Y_, rho, std::asin(q));
}

void LineTracer::trace(std::int64_t psi) {
    psi_ = static_cast<double>(psi);
    canvas_.gauge.advance(1);
    Surface& surface = canvas_.surface;
    bool searching = true;
    bool arrowPending = true;
    struct Reached {
        std::int64_t r;
        Point point;
        Point lineEnd;  // where the drawn line stands, normally `point`
    };
    std::optional<Reached> last;
    for (std::int64_t r = R_ + 1; r <= W_; ++r) {
        const std::optional<Point> point = pointAt(static_cast<double>(r));
        if (!point) continue;
        if (last) {
            // The chord bridges any radii in between that have no point.
            surface.line(last->lineEnd, *point);
            surface.line(mirrored(last->lineEnd, X_), mirrored(*point, X_));
            if (point->x < kLineArrowX && last->point.x > 0 && arrowPending && arrowsOn()) {
                drawLineArrow(last->point, r, *point);
                arrowPending = false;
            }
        }
        surface.moveTo(*point);
        Point lineEnd = *point;
        if (searching) {
            lineEnd = searchStart(r, *point);
            searching = false;
        }
        last = Reached{r, *point, lineEnd};
    }
}

Point LineTracer::searchStart(std::int64_t r, Point atR) {
    Surface& surface = canvas_.surface;
    const double radius = static_cast<double>(r);
    // Fine radii r - m / r for m = r down to 1, then r itself.
    const auto fineAt = [&](std::int64_t m) {
        return m == 0 ? std::optional<Point>(atR)
                      : pointAt(radius - static_cast<double>(m) / radius);
    };
    bool startArrowPending = true;
    Point lineEnd = atR;
    std::optional<Point> current = fineAt(r);
    for (std::int64_t m = r; m >= 1; --m) {
        const std::optional<Point> next = fineAt(m - 1);
        if (current) {
            const Point start = *current;
            surface.moveTo(start);
            lineEnd = start;
            if (startArrowPending && arrowsOn()) {
                headingArrowhead(surface, start, 0, kArrowHalfAngle);
                startArrowPending = false;
            }
            if (!next) return lineEnd;
            surface.line(start, *next);
            surface.line(mirrored(start, X_), mirrored(*next, X_));
            surface.moveTo(*next);
            lineEnd = *next;
        }
        current = next;
    }
    return lineEnd;
}

void LineTracer::drawLineArrow(Point atR, std::int64_t r2, Point next) {
    double length = chordLength(atR, next);
    if (length < kMinArrowChord) {
        // Radii grow without bound and far out every radius has a point, so
        // the chord soon gets long enough.
        std::int64_t r = r2;
        do {
            if (const std::optional<Point> further = pointAt(static_cast<double>(++r))) {
                next = *further;
                length = chordLength(atR, next);
            }
        } while (length <= kMinArrowChord);
    }
    const double rise = static_cast<double>(std::abs(atR.y - next.y));
    const double angle = toDegrees(std::asin(std::min(1.0, rise / length)));
    screenAngleArrowhead(canvas_.surface, atR, angle, kArrowHalfAngle);
    screenAngleArrowhead(canvas_.surface, mirrored(atR, X_), -angle, kArrowHalfAngle);
}

}  // namespace

void StreamCylinderCirculation(const Canvas& canvas, int R, int X, int Y) {
    // The radius comes from a placed cylinder and is always positive; the
    // formulas divide by it.
    if (R <= 0) return;
    const Settings& settings = canvas.settings;
    const int gamma = settings.cylinder.circulation();
    const int increment = settings.streamlines.increment();
    const int count = settings.streamlines.lineCount();
    const int W = settings.field.width();
    const int H = settings.field.height();
    canvas.surface.setPenWidth(settings.streamlines.lineWidth());
    canvas.surface.setPenColor(settings.streamlines.lineColor());

    drawDividingStreamline(canvas, R, X, Y, gamma, H);

    LineTracer tracer(canvas, R, X, Y, gamma, W);
    std::int64_t psi = 0;
    for (std::int64_t line = 0; line < 2 * std::int64_t{count}; ++line) {
        tracer.trace(psi);
        psi += increment;
    }
}

}  // namespace flow
