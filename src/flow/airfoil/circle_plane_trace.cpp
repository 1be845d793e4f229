#include "flow/airfoil/circle_plane_trace.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace flow::airfoil {

namespace {

using superposition::Region;

// Traced points this far (pixels) inside the circle still count as on it:
// the tracer leaves its points well within this of the level.
constexpr double kSurfaceBand = 0.05;
constexpr double kLongestChord = 2;    // pixels of picture between drawn points, at most
constexpr int kBoundarySamples = 400;  // per side of the field, for the preimage region
constexpr int kCrossingSteps = 40;

// The tracer's plane is a picture (y downwards) whose flow plane is
// -(x + i y); the circle plane sits on it at x = Re z, y = -Im z.
Complex toTracer(Complex z) {
    return -std::conj(z);
}
Complex fromTracer(Complex t) {
    return -std::conj(t);
}

std::vector<superposition::Element> circleElements(const AirfoilFlow& flow) {
    const JoukowskiCircle& circle = flow.geometry().circle();
    const double x = circle.centre.real(), y = -circle.centre.imag();
    const double degrees = flow.alpha() * 180 / std::numbers::pi;
    const double a = circle.radius, U = flow.speed();
    // W = U e^{-i alpha} w + U a^2 e^{i alpha} / w + i G / (2 pi) log w: the
    // dipole's source side faces upstream, and G counts clockwise.
    return {superposition::stream(U, degrees),
            superposition::dipole(x, y, 2 * std::numbers::pi * U * a * a, degrees + 180),
            superposition::vortex(x, y, -flow.circulation())};
}

// The bounding box, in the tracer's picture, of the circle and of the
// preimage of the field's boundary plus the margin: the part of the circle
// plane whose image covers the field.
Region preimageRegion(const AirfoilGeometry& geometry) {
    const JoukowskiCircle& circle = geometry.circle();
    double left = circle.centre.real() - circle.radius,
           right = circle.centre.real() + circle.radius;
    double low = circle.centre.imag() - circle.radius, high = circle.centre.imag() + circle.radius;
    const double m = superposition::kFieldMargin;
    const double w = geometry.width() + 2 * m, h = geometry.height() + 2 * m;
    const auto take = [&](double x, double y) {
        const std::optional<Complex> z = geometry.pictureToCircle(x, y);
        if (!z) return;
        left = std::min(left, z->real());
        right = std::max(right, z->real());
        low = std::min(low, z->imag());
        high = std::max(high, z->imag());
    };
    for (int k = 0; k <= kBoundarySamples; ++k) {
        const double s = static_cast<double>(k) / kBoundarySamples;
        take(-m + s * w, -m);
        take(-m + s * w, -m + h);
        take(-m, -m + s * h);
        take(-m + w, -m + s * h);
    }
    return {left - m, -high - m, right + m, -low + m};
}

// z moved onto the circle when it lies inside.
Complex ontoCircle(const JoukowskiCircle& circle, Complex z) {
    const Complex r = z - circle.centre;
    const double length = std::abs(r);
    return length < circle.radius && length > 0 ? circle.centre + r * (circle.radius / length) : z;
}

bool outside(const JoukowskiCircle& circle, Complex z) {
    return std::abs(z - circle.centre) >= circle.radius - kSurfaceBand;
}

// The point where the chord from `in` (outside the circle) to `out` (inside)
// meets the circle, on it.
Complex crossing(const JoukowskiCircle& circle, Complex in, Complex out) {
    for (int k = 0; k < kCrossingSteps; ++k) {
        const Complex mid = (in + out) / 2.0;
        (outside(circle, mid) ? in : out) = mid;
    }
    return ontoCircle(circle, in);
}

// The runs of the curve outside the circle, each ending on the circle where
// the curve enters it.
std::vector<std::vector<Complex>> outsideRuns(const JoukowskiCircle& circle,
                                              const std::vector<Complex>& traced) {
    std::vector<std::vector<Complex>> runs;
    std::vector<Complex> run;
    Complex previous;
    for (std::size_t k = 0; k < traced.size(); ++k) {
        const Complex z = fromTracer(traced[k]);
        if (outside(circle, z)) {
            if (run.empty() && k > 0) run.push_back(crossing(circle, z, previous));
            run.push_back(ontoCircle(circle, z));
        } else if (!run.empty()) {
            run.push_back(crossing(circle, previous, z));
            runs.push_back(std::move(run));
            run.clear();
        }
        previous = z;
    }
    if (!run.empty()) runs.push_back(std::move(run));
    return runs;
}

// The run on the picture, each chord split until its picture is short.
std::vector<CurvePoint> mapped(const AirfoilGeometry& geometry, const std::vector<Complex>& run) {
    const JoukowskiCircle& circle = geometry.circle();
    std::vector<CurvePoint> points{{run.front(), geometry.circleToPicture(run.front())}};
    for (std::size_t k = 1; k < run.size(); ++k) {
        const PicturePoint p = geometry.circleToPicture(run[k]);
        const PicturePoint& last = points.back().p;
        const int parts = static_cast<int>(
            std::min(1e4, std::ceil(std::hypot(p.x - last.x, p.y - last.y) / kLongestChord)));
        for (int j = 1; j < parts; ++j) {
            const Complex z =
                ontoCircle(circle, run[k - 1] + (run[k] - run[k - 1]) * (1.0 * j / parts));
            points.push_back({z, geometry.circleToPicture(z)});
        }
        points.push_back({run[k], p});
    }
    return points;
}

// The parts of the mapped curve that meet the field plus the margin, each
// with one point beyond it at either end, so that it reaches the edge.
void keepInField(const AirfoilGeometry& geometry, const std::vector<CurvePoint>& points,
                 std::vector<std::vector<CurvePoint>>& kept) {
    const double m = superposition::kFieldMargin;
    const auto in = [&](std::size_t k) {
        const PicturePoint& p = points[k].p;
        return p.x >= -m && p.x <= geometry.width() + m && p.y >= -m &&
               p.y <= geometry.height() + m;
    };
    std::vector<CurvePoint> part;
    const auto close = [&] {
        if (part.size() >= 2) kept.push_back(std::move(part));
        part.clear();
    };
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (in(k) || (k > 0 && in(k - 1)) || (k + 1 < points.size() && in(k + 1)))
            part.push_back(points[k]);
        else
            close();
    }
    close();
}

}  // namespace

MappedCurves airfoilLevelCurves(const AirfoilFlow& flow, superposition::Quantity quantity,
                                const superposition::Levels& levels) {
    const AirfoilGeometry& geometry = flow.geometry();
    const superposition::Field field(circleElements(flow));
    std::vector<Complex> stagnation;
    for (const Complex z : flow.stagnationPoints()) stagnation.push_back(toTracer(z));
    superposition::StepBudget budget = superposition::lineBudget();
    MappedCurves result{{},
                        superposition::levelCurves(field, quantity, preimageRegion(geometry),
                                                   levels, stagnation, budget)};
    for (const superposition::Curve& curve : result.traced.curves) {
        for (const std::vector<Complex>& run : outsideRuns(geometry.circle(), curve.points))
            if (run.size() >= 2) keepInField(geometry, mapped(geometry, run), result.curves);
    }
    return result;
}

}  // namespace flow::airfoil
