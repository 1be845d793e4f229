// The landmarks of a free superposition against the formulas of the known
// flows, written with pi exact, the program's screen directions
// (angles counterclockwise from the right, positive circulation
// counterclockwise) and its strengths; and their text.
#include "flow/landmarks/superposition_landmarks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "flow/landmarks/landmark_text.h"

namespace flow {
namespace {

namespace sp = superposition;

constexpr int kWidth = 800, kHeight = 600;  // the centre is (400, 300)
constexpr double kPi = std::numbers::pi;

std::vector<Landmark> stagnation(const std::vector<sp::Element>& elements) {
    return superpositionStagnationLandmarks(elements, kWidth, kHeight);
}

// A stagnation point at the picture point (x, y), to a tenth of a pixel,
// and the same point about the field's centre.
void expectAt(const Landmark& l, double x, double y) {
    ASSERT_TRUE(l.place);
    EXPECT_EQ(l.kind, LandmarkKind::StagnationPoint);
    EXPECT_EQ(l.place->origin, LandmarkOrigin::FieldCentre);
    EXPECT_NEAR(l.place->picture.x, x, 0.1);
    EXPECT_NEAR(l.place->picture.y, y, 0.1);
    EXPECT_NEAR(l.place->flow.x, l.place->picture.x - 400, 1e-9);
    EXPECT_NEAR(l.place->flow.y, 300 - l.place->picture.y, 1e-9);
}

TEST(SuperpositionLandmarks, RankineHalfBodyAndOval) {
    // Q / (2 pi U) upstream of the source, whichever way the stream runs.
    const double d = 1500 / (2 * kPi * 2.5);
    auto points = stagnation({sp::source(400, 300, 1500), sp::stream(2.5, 0)});
    ASSERT_EQ(points.size(), 1u);
    expectAt(points[0], 400 - d, 300);
    points = stagnation({sp::source(400, 300, 1500), sp::stream(2.5, 90)});  // upwards
    ASSERT_EQ(points.size(), 1u);
    expectAt(points[0], 400, 300 + d);
    // Upstream beyond the field's edge: none inside it.
    EXPECT_TRUE(stagnation({sp::source(100, 300, 1500), sp::stream(1, 0)}).empty());

    // The oval of a source and a sink 2b apart: a^2 = b^2 + Q b / (pi U),
    // listed from left to right.
    const double b = 100, a = std::sqrt(b * b + 1500 * b / kPi);
    points = stagnation({sp::source(300, 300, 1500), sp::sink(500, 300, 1500), sp::stream(1, 0)});
    ASSERT_EQ(points.size(), 2u);
    expectAt(points[0], 400 - a, 300);
    expectAt(points[1], 400 + a, 300);
}

TEST(SuperpositionLandmarks, CylinderFromDipoleVortexAndStream) {
    // A dipole of moment 2 pi U R^2 against the stream makes a cylinder of
    // radius R; the vortex's circulation G puts the stagnation points on the
    // circle where sin(angle) = G / (4 pi U R), above the centre for a
    // counterclockwise G in a stream to the right.
    const double R = 100, U = 1;
    const auto cylinder = [&](double G) {
        return stagnation({sp::dipole(400, 300, 2 * kPi * U * R * R, 180), sp::vortex(400, 300, G),
                           sp::stream(U, 0)});
    };
    for (const double G : {0.0, 600.0, -1200.0}) {
        SCOPED_TRACE(G);
        const double s = G / (4 * kPi * U * R), c = std::sqrt(1 - s * s);
        const auto points = cylinder(G);
        ASSERT_EQ(points.size(), 2u);
        expectAt(points[0], 400 - R * c, 300 - R * s);
        expectAt(points[1], 400 + R * c, 300 - R * s);
    }
    // Beyond 4 pi U R one point leaves the circle, straight above it, at
    // r = h + sqrt(h^2 - R^2), h = G / (4 pi U); its image R^2 / r lies inside.
    const double G = 2000, h = G / (4 * kPi * U), r = h + std::sqrt(h * h - R * R);
    const auto points = cylinder(G);
    ASSERT_EQ(points.size(), 2u);
    expectAt(points[0], 400, 300 - r);
    expectAt(points[1], 400, 300 - R * R / r);
}

TEST(SuperpositionLandmarks, NoneWhereTheFlowNeverRests) {
    // Counter-rotating vortices with no stream: their velocities never cancel.
    EXPECT_TRUE(stagnation({sp::vortex(300, 300, 1000), sp::vortex(500, 300, -1000)}).empty());
    EXPECT_TRUE(stagnation({}).empty());
}

TEST(SuperpositionLandmarks, TextOfStagnationAndVelocity) {
    const std::vector<sp::Element> source{sp::source(400, 300, 1500)};
    // A source alone: Q / (2 pi r) outwards, here up and to the right.
    std::vector<Landmark> all = stagnation({sp::source(400, 300, 1500), sp::stream(1, 0)});
    for (const Point p : {Point{500, 300}, Point{460, 220}})
        all.push_back(*superpositionVelocityLandmark(source, kWidth, kHeight, p));
    EXPECT_EQ(landmarksText(all),
              "Критическая точка: (161.3, 300.0) пикс.; (-238.7, 0.0) от центра поля\n"
              "Скорость в точке (500.0, 300.0) пикс.; (100.0, 0.0) от центра поля: "
              "|V| = 2.387; Vx = 2.387; Vy = 0.000; угол 0.0°\n"
              "Скорость в точке (460.0, 220.0) пикс.; (60.0, 80.0) от центра поля: "
              "|V| = 2.387; Vx = 1.432; Vy = 1.910; угол 53.1°\n");
    // None at the element itself, nor where the flow rests.
    EXPECT_FALSE(superpositionVelocityLandmark(source, kWidth, kHeight, {400, 300}));
    EXPECT_FALSE(superpositionVelocityLandmark(
        {sp::vortex(300, 300, 1000), sp::vortex(500, 300, 1000)}, kWidth, kHeight, {400, 300}));
}

}  // namespace
}  // namespace flow
