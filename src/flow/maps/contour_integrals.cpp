#include "flow/maps/contour_integrals.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>

namespace flow::maps {

namespace sp = superposition;

namespace {

using sp::Complex;

ContourIntegrals refusal(ContourProblem problem, std::optional<PicturePoint> at = std::nullopt) {
    ContourIntegrals result;
    result.problem = problem;
    result.singularPoint = at;
    return result;
}

// A point of a piece of the contour and its derivative by the parameter.
struct PathPoint {
    PicturePoint at;
    PicturePoint along;
};
// A piece of the contour for the parameter running over [0, 1].
using Piece = std::function<PathPoint(double)>;

// G + i Q per unit of the parameter: V.dl and V.n dl, n = dl turned a
// quarter turn clockwise on the screen (outwards on a contour that runs
// counter-clockwise on the screen).
Complex density(const sp::Field& field, const PathPoint& p) {
    const sp::ScreenVelocity v = sp::velocityAt(field, p.at.x, p.at.y);
    return {v.dx * p.along.x + v.dy * p.along.y, v.dy * p.along.x - v.dx * p.along.y};
}

// Five-point Gauss-Legendre rule on [a, b].
Complex gauss(const std::function<Complex(double)>& f, double a, double b) {
    static constexpr std::array<double, 3> kNode{0, 0.5384693101056831, 0.9061798459386640};
    static constexpr std::array<double, 3> kWeight{0.5688888888888889, 0.4786286704993665,
                                                   0.2369268850561891};
    const double mid = 0.5 * (a + b), half = 0.5 * (b - a);
    Complex sum = kWeight[0] * f(mid);
    for (std::size_t i = 1; i < kNode.size(); ++i)
        sum += kWeight[i] * (f(mid - half * kNode[i]) + f(mid + half * kNode[i]));
    return half * sum;
}

constexpr int kDeepest = 40;
constexpr int kFirstParts = 16;
// The accepted error of the whole contour against the sum of the sizes of
// its first parts' integrals: far below the 1e-4 asked of the result.
constexpr double kRelativeError = 1e-10;

// Halves [a, b] until the halves' sum agrees with the whole's estimate.
Complex adaptive(const std::function<Complex(double)>& f, double a, double b, Complex whole,
                 double tolerance, int depth) {
    const double mid = 0.5 * (a + b);
    const Complex left = gauss(f, a, mid), right = gauss(f, mid, b);
    if (std::abs(left + right - whole) <= tolerance || depth >= kDeepest) return left + right;
    return adaptive(f, a, mid, left, 0.5 * tolerance, depth + 1) +
           adaptive(f, mid, b, right, 0.5 * tolerance, depth + 1);
}

Complex integral(const sp::Field& field, const std::vector<Piece>& pieces) {
    std::vector<std::function<Complex(double)>> densities;
    for (const Piece& piece : pieces)
        densities.push_back([&field, &piece](double s) { return density(field, piece(s)); });
    std::vector<Complex> first;
    double size = 0;
    for (const auto& f : densities)
        for (int k = 0; k < kFirstParts; ++k) {
            first.push_back(gauss(f, static_cast<double>(k) / kFirstParts,
                                  static_cast<double>(k + 1) / kFirstParts));
            size += std::abs(first.back());
        }
    const double tolerance = kRelativeError * size / static_cast<double>(first.size());
    Complex sum;
    for (std::size_t p = 0; p < densities.size(); ++p)
        for (int k = 0; k < kFirstParts; ++k)
            sum += adaptive(densities[p], static_cast<double>(k) / kFirstParts,
                            static_cast<double>(k + 1) / kFirstParts, first[p * kFirstParts + k],
                            tolerance, 0);
    return sum;
}

std::vector<PicturePoint> singularPointsOf(const sp::Field& field) {
    std::vector<PicturePoint> points;
    for (const sp::Singularity& s : field.singularities()) points.push_back(pictureOf(s.z));
    return points;
}

double distanceToSegment(PicturePoint p, PicturePoint a, PicturePoint b) {
    const double ex = b.x - a.x, ey = b.y - a.y;
    const double length2 = ex * ex + ey * ey;
    const double t =
        length2 > 0 ? std::clamp(((p.x - a.x) * ex + (p.y - a.y) * ey) / length2, 0.0, 1.0) : 0;
    return std::sqrt(squaredDistance(p, {a.x + t * ex, a.y + t * ey}));
}

// Crossings of a ray to the right from p with the polygon's edges.
bool insidePolygon(PicturePoint p, const std::vector<PicturePoint>& polygon) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const PicturePoint a = polygon[i], b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y))
            inside = !inside;
    }
    return inside;
}

// The contour's integrals once it is known to have an area: the singular
// point it passes, or its values and the elements inside.
ContourIntegrals integralsAround(const std::vector<sp::Element>& elements,
                                 const std::function<double(PicturePoint)>& distance,
                                 const std::function<bool(PicturePoint)>& inside,
                                 const std::vector<Piece>& pieces, double orientation) {
    ContourIntegrals result;
    const sp::Field field(elements);
    for (const PicturePoint s : singularPointsOf(field))
        if (distance(s) <= kContourClearance)
            return refusal(ContourProblem::ThroughSingularPoint, s);
    for (std::size_t i = 0; i < elements.size(); ++i)
        if (elements[i].kind != sp::ElementKind::Stream && inside({elements[i].x, elements[i].y}))
            result.inside.push_back(i);
    const Complex value = orientation * integral(field, pieces);
    result.circulation = value.real();
    result.flux = value.imag();
    return result;
}

}  // namespace

ContourIntegrals contourIntegrals(const std::vector<sp::Element>& elements, const Circle& circle) {
    const double R = circle.radius;
    if (!(R > 0)) return refusal(ContourProblem::NoArea);
    const PicturePoint c = circle.centre;
    constexpr double kTurn = 2 * std::numbers::pi;
    // Counter-clockwise on the screen: y grows downwards.
    const Piece round = [c, R](double s) {
        const double cosine = std::cos(kTurn * s), sine = std::sin(kTurn * s);
        return PathPoint{{c.x + R * cosine, c.y - R * sine},
                         {-kTurn * R * sine, -kTurn * R * cosine}};
    };
    return integralsAround(
        elements, [c, R](PicturePoint p) { return std::abs(std::sqrt(squaredDistance(p, c)) - R); },
        [c, R](PicturePoint p) { return squaredDistance(p, c) < R * R; }, {round}, 1);
}

ContourIntegrals contourIntegrals(const std::vector<sp::Element>& elements,
                                  const std::vector<PicturePoint>& polygon) {
    double twiceArea = 0, extent = 0;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        twiceArea += polygon[j].x * polygon[i].y - polygon[i].x * polygon[j].y;
        extent = std::max(extent, squaredDistance(polygon[i], polygon[j]));
    }
    if (polygon.size() < 3 || !(std::abs(twiceArea) > 1e-12 * extent))
        return refusal(ContourProblem::NoArea);
    std::vector<Piece> edges;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const PicturePoint a = polygon[i], b = polygon[(i + 1) % polygon.size()];
        edges.push_back([a, b](double s) {
            return PathPoint{{a.x + s * (b.x - a.x), a.y + s * (b.y - a.y)},
                             {b.x - a.x, b.y - a.y}};
        });
    }
    const auto distance = [&polygon](PicturePoint p) {
        double nearest = INFINITY;
        for (std::size_t i = 0; i < polygon.size(); ++i)
            nearest = std::min(nearest,
                               distanceToSegment(p, polygon[i], polygon[(i + 1) % polygon.size()]));
        return nearest;
    };
    // With y downwards a counter-clockwise turn on the screen has a
    // negative signed area.
    return integralsAround(
        elements, distance, [&polygon](PicturePoint p) { return insidePolygon(p, polygon); }, edges,
        twiceArea < 0 ? 1 : -1);
}

bool encloses(const Circle& contour, const Circle& disc) {
    return std::sqrt(squaredDistance(contour.centre, disc.centre)) + disc.radius <= contour.radius;
}

bool encloses(const std::vector<PicturePoint>& polygon, const Circle& disc) {
    if (polygon.size() < 3 || !insidePolygon(disc.centre, polygon)) return false;
    for (std::size_t i = 0; i < polygon.size(); ++i)
        if (distanceToSegment(disc.centre, polygon[i], polygon[(i + 1) % polygon.size()]) <
            disc.radius)
            return false;
    return true;
}

}  // namespace flow::maps
