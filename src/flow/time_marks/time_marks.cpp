#include "flow/time_marks/time_marks.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <optional>

namespace flow::time_marks {

namespace {

using maps::between;
using maps::PicturePoint;

// Marks closer than this (pixels) would merge: the flow has stopped.
constexpr double kStoppedSpacing = 0.05;
// The longest and shortest steps along the line, in pixels; a step also
// spans at most this share of its distance to the nearest element.
constexpr double kLongestStep = 1;
constexpr double kShortestStep = 1.0 / 64;
constexpr double kElementShare = 0.25;
// The relative error allowed for one step's time.
constexpr double kStepTolerance = 1e-4;
// A line ends this close to a singular point.
constexpr double kSingularReach = 1;
// Bounds the work on one line however slow the flow.
constexpr std::size_t kMaxMarks = 100'000;

double length(PicturePoint a, PicturePoint b) {
    return std::sqrt(maps::squaredDistance(a, b));
}

// Walks the line step by step, accumulating the time.
class Walk {
  public:
    Walk(const PictureFlow& flow, double dt) : flow_(flow), dt_(dt) {}

    // False when the walk ended (the flow stopped, an element or a body was
    // reached or too many marks were placed). The walk starts where the line
    // leaves the pixel round an element and ends where it enters one.
    bool segment(PicturePoint a, PicturePoint b) {
        const bool fromElement = near(a);
        const bool toElement = near(b);
        if (fromElement && (toElement || !result_.marks.empty())) return result_.marks.empty();
        // A line drawn along a body's outline may begin inside it by a
        // rounding: its marks start where it leaves, and end where it enters.
        if (flow_.bodyDistance(a.x, a.y) < 0) return result_.marks.empty();
        if (fromElement) a = edge(b, a);
        if (toElement) b = edge(a, b);
        if (result_.marks.empty()) result_.marks.push_back(a);
        double fa = 0;
        if (!slowness(a, fa)) return false;
        double fb = 0;
        if (!slowness(b, fb)) return false;
        return step(a, b, fa, fb) && !toElement;
    }

    LineMarks take() { return std::move(result_); }

  private:
    bool near(PicturePoint p) const { return flow_.singularDistance(p.x, p.y) < kSingularReach; }

    // The point between `outside` and `inside` (a point near an element)
    // where the line meets the pixel round the element.
    PicturePoint edge(PicturePoint outside, PicturePoint inside) const {
        for (int i = 0; i < 40; ++i) {
            const PicturePoint m = between(outside, inside, 0.5);
            (near(m) ? inside : outside) = m;
        }
        return outside;
    }

    // 1 / |V| at p; false where the flow has stopped, an element is near or
    // a body begins.
    bool slowness(PicturePoint p, double& f) {
        if (near(p)) return false;
        const std::optional<superposition::ScreenVelocity> v = flow_.velocityAt(p.x, p.y);
        if (!v) return false;
        const double speed = std::abs(std::complex<double>(v->dx, v->dy));
        if (!(speed * dt_ >= kStoppedSpacing)) {
            result_.stagnated = true;
            return false;
        }
        f = 1 / speed;
        return true;
    }

    bool step(PicturePoint a, PicturePoint b, double fa, double fb) {
        const double L = length(a, b);
        const PicturePoint m = between(a, b, 0.5);
        double fm = 0;
        if (!slowness(m, fm)) return false;
        const double simpson = L / 6 * (fa + 4 * fm + fb);
        const double trapezoid = L / 2 * (fa + fb);
        const double reach = kElementShare * flow_.singularDistance(m.x, m.y);
        const bool split = L > kLongestStep || L > reach ||
                           std::abs(simpson - trapezoid) > kStepTolerance * simpson;
        if (split && L > kShortestStep) return step(a, m, fa, fm) && step(m, b, fm, fb);
        return advance(a, b, simpson);
    }

    // Marks within a step of the given time, placed in proportion to it.
    bool advance(PicturePoint a, PicturePoint b, double time) {
        while (next_ <= elapsed_ + time) {
            if (result_.marks.size() >= kMaxMarks) return false;
            result_.marks.push_back(between(a, b, (next_ - elapsed_) / time));
            next_ += dt_;
        }
        elapsed_ += time;
        return true;
    }

    const PictureFlow& flow_;
    const double dt_;
    double elapsed_ = 0;
    double next_ = dt_;
    LineMarks result_;
};

// Whether the line as given runs against the flow: the velocity along a few
// of its chords.
bool againstFlow(const PictureFlow& flow, const Polyline& line) {
    double along = 0;
    // The first, a middle and the last chord (the line has one at least).
    for (const std::size_t i : {std::size_t{0}, (line.size() - 2) / 2, line.size() - 2}) {
        const PicturePoint m = between(line[i], line[i + 1], 0.5);
        if (const auto v = flow.velocityAt(m.x, m.y))
            along += v->dx * (line[i + 1].x - line[i].x) + v->dy * (line[i + 1].y - line[i].y);
    }
    return along < 0;
}

// The part of the chord from a to b within the box, as shares of the chord
// (Liang and Barsky's clipping); nothing when it misses the box.
std::optional<std::pair<double, double>> within(PicturePoint a, PicturePoint b, const Box& box) {
    double u0 = 0, u1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const std::pair<double, double> sides[] = {{-dx, a.x - static_cast<double>(box.left)},
                                               {dx, static_cast<double>(box.right) - a.x},
                                               {-dy, a.y - static_cast<double>(box.top)},
                                               {dy, static_cast<double>(box.bottom) - a.y}};
    for (const auto& [p, q] : sides) {
        if (p == 0) {
            if (q < 0) return std::nullopt;
            continue;
        }
        const double u = q / p;
        if (p < 0)
            u0 = std::max(u0, u);
        else
            u1 = std::min(u1, u);
    }
    if (u0 > u1) return std::nullopt;
    return std::pair{u0, u1};
}

}  // namespace

std::vector<Polyline> partsWithin(const std::vector<Polyline>& lines, const Box& box) {
    std::vector<Polyline> parts;
    for (const Polyline& line : lines) {
        bool open = false;  // the last part goes on
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            const auto shares = within(line[i], line[i + 1], box);
            if (!shares) {
                open = false;
                continue;
            }
            if (!open || shares->first > 0)
                parts.push_back({between(line[i], line[i + 1], shares->first)});
            parts.back().push_back(between(line[i], line[i + 1], shares->second));
            open = shares->second == 1;
        }
    }
    return parts;
}

LineMarks marksAlong(const PictureFlow& flow, const Polyline& line, double dt) {
    if (line.size() < 2 || !(dt > 0) || flow.still()) return {};
    Polyline ordered = line;
    if (againstFlow(flow, line)) std::reverse(ordered.begin(), ordered.end());
    Walk walk(flow, dt);
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i)
        if (!walk.segment(ordered[i], ordered[i + 1])) break;
    return walk.take();
}

MarkCount drawMarks(Surface& surface, const PictureFlow& flow, const std::vector<Polyline>& lines,
                    const Box& box, const MarkStyle& style) {
    // A dot is a pixel, or a line one pixel long in a pen as wide as the
    // dot (its round caps make it round), so the brush stays as it was.
    const Color pen = surface.penColor();
    const int width = surface.penWidth();
    const PenStyle penStyle = surface.penStyle();
    surface.setPenColor(style.colour);
    surface.setPenWidth(style.size);
    surface.setPenStyle(PenStyle::Solid);
    MarkCount count;
    for (const Polyline& line : partsWithin(lines, box)) {
        const LineMarks marks = marksAlong(flow, line, style.dt);
        count.marks += static_cast<int>(marks.marks.size());
        count.stopped += marks.stagnated ? 1 : 0;
        for (const PicturePoint p : marks.marks) {
            const Point at{std::lround(p.x), std::lround(p.y)};
            surface.line(at, {at.x + (style.size > 1 ? 1 : 0), at.y});
        }
    }
    surface.setPenColor(pen);
    surface.setPenWidth(width);
    surface.setPenStyle(penStyle);
    return count;
}

}  // namespace flow::time_marks
