#include "flow/airfoil/airfoil_flow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "flow/airfoil/airfoil_summary.h"
#include "flow/airfoil/circle_plane_trace.h"

namespace flow::airfoil {
namespace {

struct Case {
    double thickness, camber, alpha;
};

const Case kCases[] = {{0.1, 0.05, 5},  {0, 0, 0},       {0.25, 0.2, 20}, {0.12, 0, -15},
                       {0.05, 0.1, -4}, {0.2, 0.15, 10}, {0, 0.2, 2.5}};

constexpr double kW = 800, kH = 600;

double distance(PicturePoint a, PicturePoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The chord as the outline's horizontal extent.
double outlineChord(const AirfoilGeometry& geometry) {
    const std::vector<PicturePoint> outline = geometry.outline();
    const auto [lo, hi] = std::minmax_element(outline.begin(), outline.end(),
                                              [](auto a, auto b) { return a.x < b.x; });
    return hi->x - lo->x;
}

TEST(AirfoilFlow, KuttaLiftStagnationAndPressureOverShapesAndAngles) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.thickness << " " << c.camber << " " << c.alpha);
        const AirfoilGeometry geometry({400, c.thickness, c.camber}, kW, kH);
        const JoukowskiCircle& circle = geometry.circle();
        const double chord = outlineChord(geometry);
        EXPECT_NEAR(chord, 400, 0.05);
        const AirfoilFlow kutta(geometry, {c.alpha, 2, true});
        const double alpha = c.alpha * std::numbers::pi / 180;
        EXPECT_NEAR(kutta.liftCoefficient(),
                    8 * std::numbers::pi * circle.radius * std::sin(alpha + circle.beta()) / chord,
                    1e-3);
        // The rear stagnation point is the trailing edge, where the flow
        // leaves the cusp with a finite speed, the limit of the speeds near it.
        const std::vector<Complex> points = kutta.stagnationPoints();
        ASSERT_EQ(points.size(), 2u);
        EXPECT_LT(distance(geometry.circleToPicture(points[1]),
                           geometry.toPicture(geometry.trailingEdge())),
                  1e-9);
        EXPECT_LT(std::abs(kutta.circleVelocity(points[1])), 1e-9);
        const Complex near = circle.at(circle.trailingAngle() + 1e-4);
        EXPECT_LT(std::abs(kutta.velocity(circle.c) - kutta.velocity(near)), 1e-2);
        // Stagnation points off the sharp edges (the map's fold points ±c)
        // have the full stagnation pressure.
        const auto stagnant = [&](const AirfoilFlow& flow, Complex z) {
            if (std::abs(std::abs(z) - circle.c) > 1e-6 * circle.c) {
                EXPECT_NEAR(flow.pressureCoefficient(z), 1, 1e-9);
            }
        };
        stagnant(kutta, points[0]);
        // Along both surfaces from edge to edge, never above the stagnation
        // pressure nor below the lowest found.
        const double lowest = lowestPressure(kutta).cp;
        int upper = 0;
        for (const SurfacePressure& p : pressureAlongSurface(kutta, 360)) {
            EXPECT_TRUE(p.cp <= 1 + 1e-9 && p.cp >= lowest - 1e-9) << p.cp;
            EXPECT_TRUE(p.chordFraction > -1e-9 && p.chordFraction < 1 + 1e-9);
            upper += p.upper;
        }
        EXPECT_NEAR(upper, 180, 40);
        // A click: none at the stagnation point, no flow inside the airfoil
        // (a thin one's two sides are one curve).
        if (c.thickness > 0) {
            const PicturePoint front = geometry.circleToPicture(points[0]);
            EXPECT_LT(std::abs(*kutta.velocityAtPicture(front.x, front.y)), 1e-6);
            EXPECT_FALSE(kutta.velocityAtPicture(400, 300));
        }
        // The surface pressure lifts as Kutta and Joukowski say and, as
        // d'Alembert says, does not drag (a thin airfoil's sharp leading
        // edge sucks with a force no surface integral gives).
        const std::optional<PressureForce> force = pressureForce(kutta);
        EXPECT_EQ(force.has_value(), c.thickness > 0 || (c.camber == 0 && c.alpha == 0));
        if (force) {
            EXPECT_NEAR(force->lift, kutta.liftCoefficient(), 1e-3);
            EXPECT_NEAR(force->drag, 0, 1e-3);
        }
        // Without the circulation the rear point leaves the edge, and the
        // flow turns round the edge at infinite speed.
        const AirfoilFlow plain(geometry, {c.alpha, 2, false, 0});
        const std::vector<Complex> off = plain.stagnationPoints();
        ASSERT_EQ(off.size(), 2u);
        for (const Complex z : off) stagnant(plain, z);
        if (std::abs(alpha + circle.beta()) > 0.01) {
            EXPECT_GT(std::abs(off[1] - circle.c), 0.01 * circle.radius);
            EXPECT_EQ(lowestPressure(plain).cp, -std::numeric_limits<double>::infinity());
            EXPECT_FALSE(pressureForce(plain));
        }
    }
}

TEST(AirfoilFlow, InverseMapTakesTheBranchOutsideTheCircleEverywhere) {
    for (const Case& c : kCases) {
        const AirfoilGeometry geometry({300, c.thickness, c.camber}, kW, kH);
        const JoukowskiCircle& circle = geometry.circle();
        // A thin airfoil's two sides are one curve, reached from both.
        for (double r : {1.0, 1.001, 1.3, 3.0, 20.0}) {
            if (r == 1 && c.thickness == 0) continue;
            for (int k = 0; k < 360; ++k) {
                const Complex z =
                    circle.centre + std::polar(circle.radius * r, k * std::numbers::pi / 180);
                const std::optional<Complex> back = circle.inverse(circle.map(z));
                ASSERT_TRUE(back) << r << " " << k;
                EXPECT_LT(std::abs(*back - z), 1e-6 * circle.radius) << r << " " << k;
            }
        }
        // Inside the airfoil there is no point of the flow.
        if (c.thickness >= 0.1) {
            EXPECT_FALSE(circle.inverse((circle.map(circle.at(std::numbers::pi / 2)) +
                                         circle.map(circle.at(-std::numbers::pi / 2))) /
                                        2.0));
        }
    }
}

// The traced lines are the flow's own level curves, a whole number of
// increments apart.
TEST(AirfoilFlow, StreamlinesAreLevelsOfTheFlowSpacedByTheIncrement) {
    const AirfoilGeometry geometry({400, 0.1, 0.1}, kW, kH);
    const AirfoilFlow flow(geometry, {8, 1, true});
    const double step = 30;
    const MappedCurves set =
        airfoilLevelCurves(flow, superposition::Quantity::StreamFunction, {step, 10});
    ASSERT_GT(set.curves.size(), 10u);
    // The dividing streamline's value lies off the levels.
    const double dividing = flow.potential(flow.stagnationPoints()[0]).imag();
    std::vector<double> values;
    for (const auto& curve : set.curves) {
        const double value = flow.potential(curve.front().z).imag();
        for (const CurvePoint& p : curve) EXPECT_NEAR(flow.potential(p.z).imag(), value, 0.25);
        if (std::abs(value - dividing) > 1e-6) values.push_back(value);
    }
    ASSERT_GT(values.size(), 10u);
    for (const double value : values) {
        const double steps = (value - values.front()) / step;
        EXPECT_NEAR(steps, std::round(steps), 1e-3);
    }
}

}  // namespace
}  // namespace flow::airfoil
