#include "flow/superposition/stagnation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "superposition_test_support.h"

namespace flow::superposition {
namespace {

using std::numbers::pi;

std::vector<PicturePoint> found(const std::vector<Element>& elements) {
    std::vector<PicturePoint> points =
        stagnationPointsInField(elements, test::kWidth, test::kHeight);
    std::sort(points.begin(), points.end(),
              [](const PicturePoint& a, const PicturePoint& b) { return a.x < b.x; });
    return points;
}

TEST(SuperpositionStagnation, RankineHalfBodyAndOval) {
    // Q / (2 pi U) upstream of the source.
    for (const double U : {1.0, 2.5}) {
        const auto points = found({source(400, 300, 1500), stream(U, 0)});
        ASSERT_EQ(points.size(), 1u);
        EXPECT_NEAR(points[0].x, 400 - 1500 / (2 * pi * U), 0.1);
        EXPECT_NEAR(points[0].y, 300, 0.1);
    }
    // A sink in the stream: downstream of it.
    const auto sinkPoints = found({sink(400, 300, 1500), stream(1, 0)});
    ASSERT_EQ(sinkPoints.size(), 1u);
    EXPECT_NEAR(sinkPoints[0].x, 400 + 1500 / (2 * pi), 0.1);
    // Rankine oval of half length a: a^2 = b^2 + Q b / (pi U), b = 100.
    const auto oval = found({source(300, 300, 1500), sink(500, 300, 1500), stream(1, 0)});
    ASSERT_EQ(oval.size(), 2u);
    const double a = std::sqrt(100.0 * 100 + 1500 * 100 / pi);
    EXPECT_NEAR(oval[0].x, 400 - a, 0.1);
    EXPECT_NEAR(oval[1].x, 400 + a, 0.1);
}

TEST(SuperpositionStagnation, CylinderWithCirculation) {
    // On the circle where sin(angle) = Gamma / (4 pi U R), above the centre
    // for a counterclockwise circulation in a stream to the right.
    const double R = 100;
    for (const double gamma : {500.0, 1000.0}) {
        const auto points =
            found({dipole(400, 300, 2 * pi * R * R, 180), vortex(400, 300, gamma), stream(1, 0)});
        ASSERT_EQ(points.size(), 2u) << gamma;
        const double s = gamma / (4 * pi * R);
        const double c = std::sqrt(1 - s * s);
        EXPECT_NEAR(points[0].x, 400 - R * c, 0.1);
        EXPECT_NEAR(points[1].x, 400 + R * c, 0.1);
        for (const PicturePoint& p : points) EXPECT_NEAR(p.y, 300 - R * s, 0.1);
    }
    // Beyond 4 pi U R the point leaves the cylinder, straight above it.
    const double gamma = 2000;
    const auto points =
        found({dipole(400, 300, 2 * pi * R * R, 180), vortex(400, 300, gamma), stream(1, 0)});
    const double h = gamma / (4 * pi);
    const double outside = h + std::sqrt(h * h - R * R);
    ASSERT_EQ(points.size(), 2u);  // and its image inside the cylinder
    EXPECT_NEAR(points[0].x, 400, 0.1);
    EXPECT_NEAR(points[1].x, 400, 0.1);
    EXPECT_NEAR(std::max(300 - points[0].y, 300 - points[1].y), outside, 0.1);
}

TEST(SuperpositionStagnation, NearlyCoincidentPointsOnACylinder) {
    // A dipole of moment M against a stream of speed 1 makes a cylinder of
    // radius sqrt(M / (2 pi)); a circulation just short of 4 pi R leaves two
    // points close together at its bottom (clockwise) or top.
    const double M = 62800, R = std::sqrt(M / (2 * pi));
    for (const double gamma : {-1256.0, -1256.3, -1256.315, 1250.0}) {
        SCOPED_TRACE(gamma);
        const auto points =
            found({dipole(400, 300, M, 180), vortex(400, 300, gamma), stream(1, 0)});
        const double s = gamma / (4 * pi * R), c = std::sqrt(1 - s * s);
        ASSERT_EQ(points.size(), 2u);
        EXPECT_NEAR(points[0].x, 400 - R * c, 0.1);
        EXPECT_NEAR(points[1].x, 400 + R * c, 0.1);
        for (const PicturePoint& p : points) EXPECT_NEAR(p.y, 300 - R * s, 0.1);
    }
    // The case worked by hand: (397.75, 399.95) and (402.25, 399.95).
    const auto points = found({dipole(400, 300, M, 180), vortex(400, 300, -1256), stream(1, 0)});
    ASSERT_EQ(points.size(), 2u);
    EXPECT_NEAR(points[0].x, 397.75, 0.01);
    EXPECT_NEAR(points[1].x, 402.25, 0.01);
    EXPECT_NEAR(points[0].y, 399.95, 0.01);
}

TEST(SuperpositionStagnation, NoneWhereTheFlowNeverRests) {
    EXPECT_TRUE(found({source(400, 300, 1500)}).empty());
    EXPECT_TRUE(found({vortex(200, 300, 1000), vortex(600, 300, -1000)}).empty());
    EXPECT_TRUE(found({}).empty());
    // Two like vortices: at rest halfway between them.
    const auto midway = found({vortex(200, 300, 1000), vortex(600, 300, 1000)});
    ASSERT_EQ(midway.size(), 1u);
    EXPECT_NEAR(midway[0].x, 400, 0.1);
    EXPECT_NEAR(midway[0].y, 300, 0.1);
}

}  // namespace
}  // namespace flow::superposition
