#include "flow/superposition/level_curves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <set>

#include "flow/superposition/segment_index.h"
#include "superposition_test_support.h"

namespace flow::superposition {
namespace {

using test::curvesOf;

std::vector<Element> randomElements(unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> x(50, 750), y(50, 550), strength(300, 2500),
        angle(0, 360);
    std::uniform_int_distribution<int> kind(0, 4), count(2, 5);
    std::vector<Element> elements;
    for (int n = count(random); n > 0; --n) {
        switch (kind(random)) {
            case 0:
                elements.push_back(source(x(random), y(random), strength(random)));
                break;
            case 1:
                elements.push_back(sink(x(random), y(random), strength(random)));
                break;
            case 2:
                elements.push_back(vortex(x(random), y(random), strength(random) - 1400));
                break;
            case 3:
                elements.push_back(
                    dipole(x(random), y(random), 50 * strength(random), angle(random)));
                break;
            default:
                elements.push_back(
                    vortexSource(x(random), y(random), strength(random), strength(random) - 1400));
        }
    }
    if (seed % 2 == 0) elements.push_back(stream(1 + seed % 3, angle(random)));
    return elements;
}

TEST(SuperpositionLevelCurves, EveryCurveStaysOnItsLevel) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
        const std::vector<Element> elements = randomElements(seed);
        std::string described;
        for (const Element& e : elements)
            described += std::to_string(static_cast<int>(e.kind)) + " (" + std::to_string(e.x) +
                         ", " + std::to_string(e.y) + ") " + std::to_string(e.strength) + " " +
                         std::to_string(e.circulation) + " " + std::to_string(e.angle) + "; ";
        SCOPED_TRACE(described);
        const Field field(elements);
        const std::vector<Complex> stagnation = stagnationPoints(field, test::fieldRegion());
        for (const Quantity q : {Quantity::StreamFunction, Quantity::Potential}) {
            const CurveSet set = curvesOf(field, q, {50, 20});
            EXPECT_TRUE(set.complete) << seed;
            EXPECT_GT(set.curves.size(), 5u) << seed;
            for (const Curve& curve : set.curves) {
                ASSERT_GE(curve.points.size(), 2u);
                EXPECT_LE(test::worstStray(field, q, stagnation, curve), 0.5)
                    << "seed " << seed << " value " << curve.value;
            }
        }
    }
}

TEST(SuperpositionLevelCurves, StopWhenTheStepsRunOut) {
    const Field field({source(400, 300, 1500), stream(1, 0)});
    const Region region = test::fieldRegion();
    StepBudget budget{300};
    const CurveSet set = levelCurves(field, Quantity::StreamFunction, region, {50, 20}, {}, budget);
    EXPECT_FALSE(set.complete);
    EXPECT_FALSE(set.curves.empty());
    EXPECT_LE(budget.remaining, 0);
}

TEST(SuperpositionLevelCurves, LevelsAreEvenlySpacedAroundTheMiddleOfTheField) {
    const Field field({source(400, 300, 1500), stream(1, 0)});
    const CurveSet set = curvesOf(field, Quantity::StreamFunction, {50, 20});
    std::set<long long> levels;
    for (const Curve& curve : set.curves) {
        if (curve.dividing) continue;
        const double k = curve.value / 50;
        EXPECT_EQ(k, std::round(k));
        levels.insert(std::llround(k));
    }
    // psi runs from about -450 to 1050 over the field; the middle level is
    // near 300, so the 39 levels reach from -650 to 1250.
    EXPECT_GE(*levels.begin(), -13);
    EXPECT_LE(*levels.rbegin(), 25);
    EXPECT_GE(levels.size(), 25u);
}

// Curves that run along the horizontal line y of the picture between x0 and
// x1: their chords with both ends within half a pixel of it, a pixel or more
// long, cover 50 pixels or more. (An equipotential crossing the line at a
// shallow angle near a vortex stays within half a pixel of it for some 20.)
std::vector<const Curve*> curvesAlong(const CurveSet& set, double y, double x0, double x1) {
    std::vector<const Curve*> along;
    for (const Curve& curve : set.curves) {
        double covered = 0;
        for (std::size_t k = 1; k < curve.points.size(); ++k) {
            const PicturePoint a = toPicture(curve.points[k - 1]), b = toPicture(curve.points[k]);
            const bool onLine = std::abs(a.y - y) < 0.5 && std::abs(b.y - y) < 0.5;
            if (onLine && std::min(a.x, b.x) >= x0 && std::max(a.x, b.x) <= x1 &&
                std::abs(a.x - b.x) >= 1)
                covered += std::abs(a.x - b.x);
        }
        if (covered >= 50) along.push_back(&curve);
    }
    return along;
}

TEST(SuperpositionLevelCurves, NoLineFollowsABranchCut) {
    // Left of the stagnation point of a source in a stream only the dividing
    // streamline runs along the axis.
    const Field halfBody({source(400, 300, 1500), stream(1, 0)});
    const double stagnationX = 400 - 1500 / (2 * std::numbers::pi);
    const CurveSet streamlines = curvesOf(halfBody, Quantity::StreamFunction, {50, 20});
    const auto along = curvesAlong(streamlines, 300, -20, stagnationX - 1);
    ASSERT_FALSE(along.empty());
    for (const Curve* c : along) EXPECT_TRUE(c->dividing) << c->value;
    // The potential of a vortex in a stream jumps across the line to its
    // right, which is no line of equal potential: nothing runs along it.
    for (const double gamma : {700.0, -1200.0}) {
        const Field spin({vortex(400, 300, gamma), stream(1, 0)});
        EXPECT_TRUE(
            curvesAlong(curvesOf(spin, Quantity::Potential, {50, 40}), 300, 405, 820).empty());
    }
    // Nor do the streamlines of a source and sink pair along their cuts.
    const Field pair({source(300, 300, 1300), sink(500, 300, 900), stream(1, 20)});
    EXPECT_TRUE(
        curvesAlong(curvesOf(pair, Quantity::StreamFunction, {50, 20}), 300, 510, 820).empty());
}

TEST(SuperpositionLevelCurves, CurvesCloseRoundVorticesAndEndAtSourcesAndSinks) {
    const Field spin({vortex(400, 300, 1000)});
    const CurveSet circles = curvesOf(spin, Quantity::StreamFunction, {50, 20});
    ASSERT_FALSE(circles.curves.empty());
    for (const Curve& c : circles.curves) {
        // psi = Gamma ln r / (2 pi): the circle of value c has radius exp(2 pi c / Gamma).
        const double r = std::exp(2 * std::numbers::pi * c.value / 1000);
        if (r < 300) {
            EXPECT_EQ(c.points.front(), c.points.back()) << r;
        }
        for (const Complex z : c.points) EXPECT_NEAR(std::abs(z - toFlow(400, 300)), r, 0.05);
    }
    // Inside a Rankine oval every streamline runs from the source to the sink
    // (the dividing streamline's branches along the axis run from the
    // stagnation points to them).
    const Field oval({source(300, 300, 1500), sink(500, 300, 1500), stream(1, 0)});
    const Complex from = toFlow(300, 300), to = toFlow(500, 300);
    int inside = 0;
    for (const Curve& c : curvesOf(oval, Quantity::StreamFunction, {50, 20}).curves) {
        const bool atSource = c.points.front() == from || c.points.back() == from;
        const bool atSink = c.points.front() == to || c.points.back() == to;
        if ((atSource || atSink) && !c.dividing) {
            EXPECT_TRUE(atSource && atSink) << c.value;
            ++inside;
        }
    }
    EXPECT_GE(inside, 15);
}

// Configurations whose lines pass through their stagnation points (how
// many of them) or wind round elements whose strengths are multiples of the
// increment 50.
struct Flow {
    const char* name;
    std::vector<Element> elements;
    Quantity quantity;
    int crossings = 0;
};
const std::vector<Flow> kExactLevels{
    {"vortex in a stream", {stream(1, 0), vortex(400, 300, -1000)}, Quantity::Potential, 1},
    {"cylinder, G = -2000",
     {dipole(400, 300, 62800, 180), vortex(400, 300, -2000), stream(1, 0)},
     Quantity::Potential,
     2},
    {"vortex-sources",
     {vortexSource(300, 300, 1000, 1000), vortexSource(500, 300, -1000, 1000)},
     Quantity::Potential,
     1},
    {"co-rotating vortices",
     {vortex(300, 300, 1000), vortex(500, 300, 1000)},
     Quantity::Potential,
     1},
    {"co-rotating vortices",
     {vortex(300, 300, 1000), vortex(500, 300, 1000)},
     Quantity::StreamFunction,
     1},
    {"vortex-source", {vortexSource(400, 300, 1000, 1000)}, Quantity::StreamFunction},
    {"vortex-source", {vortexSource(400, 300, 1000, 1000)}, Quantity::Potential},
    {"Rankine oval, sink 3000",
     {stream(1, 0), source(300, 300, 1500), sink(500, 300, 3000)},
     Quantity::StreamFunction,
     1},
};
constexpr Levels kTestLevels{50, 40};

// The distance from z to the nearest chord of the curves.
double distanceToCurves(const CurveSet& set, Complex z) {
    double nearest = INFINITY;
    for (const Curve& c : set.curves)
        for (std::size_t k = 1; k < c.points.size(); ++k)
            nearest = std::min(nearest, distanceToChord(z, c.points[k - 1], c.points[k]));
    return nearest;
}

TEST(SuperpositionLevelCurves, LevelsThroughAStagnationPointCrossThere) {
    for (const Flow& f : kExactLevels) {
        SCOPED_TRACE(f.name);
        const Field field(f.elements);
        const CurveSet set = curvesOf(field, f.quantity, kTestLevels);
        int crossed = 0;
        for (const Complex s : stagnationPoints(field, test::fieldRegion())) {
            // Where the value is a level (or a streamline divides the flow),
            // two lines cross at right angles along arg d = (a - arg W'') / 2
            // (a = 0 for the stream function, pi / 2 for the potential).
            const double level = valueOf(f.quantity, field.potential(s)) / kTestLevels.increment;
            const bool dividing = f.quantity == Quantity::StreamFunction;
            if (!dividing && std::abs(level - std::round(level)) > 1e-6) continue;
            ++crossed;
            EXPECT_LT(distanceToCurves(set, s), 0.5);
            const double a = f.quantity == Quantity::Potential ? std::numbers::pi / 2 : 0;
            const double along = (a - std::arg(field.secondDerivative(s))) / 2;
            for (int k = 0; k < 4; ++k) {
                const Complex z = s + std::polar(4.0, along + k * std::numbers::pi / 2);
                EXPECT_LT(distanceToCurves(set, z), 1.0)
                    << toPicture(z).x << ", " << toPicture(z).y;
            }
        }
        EXPECT_EQ(crossed, f.crossings);
    }
}

TEST(SuperpositionLevelCurves, EachLineIsDrawnOnce) {
    // Where the levels lie more than 4 pixels apart, away from elements and
    // stagnation points, no other curve of a level that differs by a
    // multiple of the increment comes within 1.5 pixels: it would be the
    // same line again.
    for (const Flow& f : kExactLevels) {
        SCOPED_TRACE(f.name);
        const Field field(f.elements);
        const std::vector<Complex> stagnation = stagnationPoints(field, test::fieldRegion());
        const CurveSet set = curvesOf(field, f.quantity, kTestLevels);
        const double A = kTestLevels.increment;
        int twice = 0;
        for (std::size_t i = 0; i < set.curves.size(); ++i) {
            SegmentIndex others(8);
            for (std::size_t j = 0; j < set.curves.size(); ++j) {
                const double apart = std::remainder(set.curves[i].value - set.curves[j].value, A);
                if (j != i && std::abs(apart) < 1e-6) others.add(set.curves[j].points);
            }
            const std::vector<Complex>& points = set.curves[i].points;
            for (std::size_t k = 1; k < points.size(); ++k) {
                const Complex z = 0.5 * (points[k - 1] + points[k]);
                const bool open = A / std::abs(field.derivative(z)) > 4 &&
                                  field.distanceToSingularity(z) > 4 &&
                                  std::ranges::none_of(
                                      stagnation, [&](Complex s) { return std::abs(z - s) < 4; });
                if (open && others.near(z, 1.5)) ++twice;
            }
        }
        EXPECT_EQ(twice, 0);
    }
}

TEST(SuperpositionLevelCurves, DividingStreamlinesRunOutOfStagnationPoints) {
    const Field field({dipole(400, 300, 2 * std::numbers::pi * 100 * 100, 180),
                       vortex(400, 300, 1000), stream(1, 0)});
    const std::vector<Complex> stagnation = stagnationPoints(field, test::fieldRegion());
    ASSERT_EQ(stagnation.size(), 2u);
    int branches = 0;
    for (const Curve& c : curvesOf(field, Quantity::StreamFunction, {50, 20}).curves) {
        if (!c.dividing) continue;
        ++branches;
        EXPECT_TRUE(c.points.front() == stagnation[0] || c.points.front() == stagnation[1]);
        // The dividing streamline holds the cylinder: its value is the circle's.
        EXPECT_NEAR(c.value, field.potential(toFlow(400, 200)).imag(), 1e-6);
    }
    // Out of each point: one branch away from the cylinder, the circle's arcs
    // between the two points (each once), and the arc through the wake.
    EXPECT_GE(branches, 4);
}

}  // namespace
}  // namespace flow::superposition
