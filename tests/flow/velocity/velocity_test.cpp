#include "flow/velocity/velocity.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "flow/velocity/velocity_numbers.h"
#include "recording_surface.h"

namespace flow {
namespace {

using C = VelocityConfig;
constexpr Point kCentre{400, 300};
constexpr Point kP{520, 210};  // right-above, r = 150

VelocityInput input(C config, Point p, int k = 10) {
    return {config, p, kCentre, k, 100, 1000, 1, 1000, 50};
}

VelocityResult velocity(const VelocityInput& in) {
    const auto result = ComputeVelocity(in);
    EXPECT_TRUE(result.has_value());
    return result.value_or(VelocityResult{});
}

TEST(ComputeVelocity, WorkedExamples) {
    const VelocityResult cyl = velocity(input(C::CylinderCirculation, kP));
    EXPECT_EQ(cyl.quadrant, Quadrant::RightAbove);
    EXPECT_DOUBLE_EQ(cyl.r, 150);
    EXPECT_EQ(cyl.radialLength, 44);
    EXPECT_EQ(cyl.tangentialLength, 19);
    EXPECT_EQ(cyl.radialTip, (Point{555, 184}));
    EXPECT_EQ(cyl.tangentialTip, (Point{509, 195}));
    EXPECT_EQ(cyl.radialOffset, (Point{35, -26}));
    EXPECT_EQ(cyl.resultantTip, (Point{544, 169}));

    const VelocityResult vs = velocity(input(C::VortexSource, kP));
    EXPECT_EQ(vs.radialLength, 21);
    EXPECT_EQ(vs.tangentialLength, -21);
    EXPECT_EQ(vs.radialTip, (Point{537, 197}));
    EXPECT_EQ(vs.tangentialTip, (Point{533, 227}));
    EXPECT_EQ(vs.resultantTip, (Point{550, 214}));

    const VelocityResult vortex = velocity(input(C::Vortex, kP));
    EXPECT_EQ(vortex.tangentialLength, 10);
    EXPECT_EQ(vortex.tangentialTip, (Point{514, 202}));

    VelocityInput stream = input(C::SourceInStream, {280, 390});
    stream.Q = 1500;
    EXPECT_EQ(velocity(stream).resultantTip, (Point{278, 400}));
    EXPECT_EQ(velocity(input(C::Cylinder, kP)).resultantTip, (Point{528, 215}));
}

TEST(ComputeVelocity, QuadrantsMirrorTheVectors) {
    // A point source pushes straight out, a plane vortex turns counter-clockwise.
    const struct {
        Point p;
        Quadrant q;
        Point radial;
        Point tangential;
    } cases[] = {{{520, 210}, Quadrant::RightAbove, {16, -12}, {-6, -8}},
                 {{280, 210}, Quadrant::LeftAbove, {-16, -12}, {-6, 8}},
                 {{280, 390}, Quadrant::LeftBelow, {-16, 12}, {6, 8}},
                 {{520, 390}, Quadrant::RightBelow, {16, 12}, {6, -8}}};
    for (const auto& c : cases) {
        VelocityInput source = input(C::PointSource, c.p);
        source.Q = 1500;
        const VelocityResult out = velocity(source);
        EXPECT_EQ(out.quadrant, c.q);
        EXPECT_EQ(out.radialOffset, c.radial) << c.p;
        EXPECT_EQ(out.resultantTip, out.radialTip);
        const VelocityResult turn = velocity(input(C::Vortex, c.p));
        EXPECT_EQ(turn.tangentialOffset, c.tangential) << c.p;
        EXPECT_EQ(turn.resultantTip, turn.tangentialTip);
    }
}

TEST(ComputeVelocity, NothingOnTheAxisLinesThroughTheCentre) {
    for (Point p : {Point{520, 300}, Point{250, 300}, Point{400, 100}, Point{400, 450}, kCentre})
        for (C config : {C::CylinderCirculation, C::Cylinder, C::Dipole, C::PointSource})
            EXPECT_FALSE(ComputeVelocity(input(config, p))) << p;
}

TEST(ComputeVelocity, ScaleAndStreamSpeed) {
    for (C config :
         {C::CylinderCirculation, C::Cylinder, C::SourceInStream, C::VortexSource, C::Dipole}) {
        const VelocityResult one = velocity(input(config, kP, 10));
        const VelocityResult two = velocity(input(config, kP, 20));
        EXPECT_LE(std::llabs(two.radialLength - 2 * one.radialLength), 1);
        EXPECT_LE(std::llabs(two.tangentialLength - 2 * one.tangentialLength), 1);
    }
    // Plane vortex and point source: whole speeds times k (1.59 -> 2 at 100
    // pixels); 0 beyond about 318 pixels.
    for (int k : {1, 7, 10, 100}) {
        EXPECT_EQ(velocity(input(C::Vortex, {460, 220}, k)).tangentialLength, 2 * k);
        EXPECT_EQ(velocity(input(C::PointSource, {460, 220}, k)).radialLength, 2 * k);
        EXPECT_EQ(velocity(input(C::Vortex, {630, 530}, k)).tangentialLength, 0);
    }
    // The circulating cylinder always sees a unit stream.
    VelocityInput fast = input(C::CylinderCirculation, kP);
    fast.U = 5;
    EXPECT_EQ(velocity(fast).resultantTip, (Point{544, 169}));
    VelocityInput faster = input(C::Cylinder, kP);
    faster.U = 3;
    EXPECT_EQ(velocity(faster).radialLength, 13);  // Round(10 * 3 * 0.444)
}

TEST(ComputeVelocity, SinkInAStreamDrawsInwards) {
    VelocityInput sink = input(C::SourceInStream, {430, 280});
    sink.Q = -1500;
    const VelocityResult out = velocity(sink);
    EXPECT_LT(out.radialLength, 0);
    EXPECT_LT(out.radialTip.x, 430);
    EXPECT_GT(out.radialTip.y, 280);
}

TEST(ComputeVelocity, HugeVectorsNearTheCentreStayDefined) {
    VelocityInput dipole = input(C::Dipole, {401, 299}, 100);
    dipole.M = 200;
    const VelocityResult near = velocity(dipole);
    EXPECT_GT(near.radialLength, 10'000'000);
    EXPECT_EQ(near.tangentialLength, near.radialLength);  // at 45 degrees

    // Far-apart coordinates: a and b stay within the domain of arccos and arcsin.
    constexpr std::int64_t big = std::numeric_limits<std::int32_t>::max();
    VelocityInput far = input(C::Cylinder, {big, 1}, 100);
    far.centre = {-big - 1, 0};
    const VelocityResult out = velocity(far);
    EXPECT_LE(out.a, 1.0);
    EXPECT_LE(out.b, 1.0);
    EXPECT_FALSE(std::isnan(out.aPrime) || std::isnan(out.bPrime));
}

}  // namespace
}  // namespace flow

namespace flow {
namespace {

VelocityNumbers numbersAt(const VelocityInput& in) {
    const auto numbers = VelocityNumbersAt(in);
    EXPECT_TRUE(numbers.has_value());
    return numbers.value_or(VelocityNumbers{});
}

TEST(VelocityNumbersAt, AgreeWithTheFlowsFormulas) {
    VelocityInput in{VelocityConfig::PointSource, {520, 210}, {400, 300}, 10};
    in.Q = 1000;
    // Straight out of the source, Q / (2 pi r), r = 150.
    VelocityNumbers v = numbersAt(in);
    EXPECT_NEAR(v.speed, 1000 / (2 * M_PI * 150), 1e-12);
    EXPECT_NEAR(v.angle, std::atan2(90.0, 120.0) * 180 / M_PI, 0.1);
    EXPECT_NEAR(v.vx, v.speed * 0.8, 1e-3);
    EXPECT_NEAR(v.vy, v.speed * 0.6, 1e-3);

    // A plane vortex turns the same point's velocity a quarter turn.
    in.config = VelocityConfig::Vortex;
    in.gamma = 1000;
    v = numbersAt(in);
    EXPECT_NEAR(v.speed, 1000 / (2 * M_PI * 150), 1e-12);
    EXPECT_NEAR(v.angle, std::atan2(90.0, 120.0) * 180 / M_PI + 90, 1e-9);

    // On a cylinder without circulation the surface speed is 2U sin(theta).
    in = VelocityInput{VelocityConfig::Cylinder, {471, 229}, {400, 300}, 10, 100};
    in.U = 3;
    v = numbersAt(in);
    EXPECT_NEAR(v.speed, 2 * 3 * std::sqrt(0.5), 0.05);

    // Close to the stagnation point Q / (2 pi U) left of a source in a
    // stream the fluid nearly stands; far from it the stream's speed remains.
    in = VelocityInput{VelocityConfig::SourceInStream, {161, 299}, {400, 300}, 10};
    in.Q = 1500;
    in.U = 1;
    EXPECT_LT(numbersAt(in).speed, 0.01);
    in.p = {400 - 100000, 301};
    EXPECT_NEAR(numbersAt(in).speed, 1, 0.01);

    // Nothing on the lines through the centre, as for the vectors.
    in.p = {300, 300};
    EXPECT_FALSE(VelocityNumbersAt(in).has_value());
}

TEST(VelocityNumbersAt, PointWhereTheDrawnResultantPoints) {
    for (const VelocityConfig config :
         {VelocityConfig::CylinderCirculation, VelocityConfig::Cylinder,
          VelocityConfig::SourceInStream, VelocityConfig::VortexSource, VelocityConfig::Dipole,
          VelocityConfig::Vortex, VelocityConfig::PointSource}) {
        for (const Point p : {Point{700, 100}, Point{150, 80}, Point{120, 520}, Point{690, 560}}) {
            const VelocityInput in{config, p, {400, 300}, 40, 100, 1000, 2, 1500, 50000};
            const auto drawn = ComputeVelocity(in);
            ASSERT_TRUE(drawn.has_value());
            const double dx = static_cast<double>(drawn->resultantTip.x - p.x);
            const double dy = static_cast<double>(p.y - drawn->resultantTip.y);
            if (std::hypot(dx, dy) < 30) continue;  // too short to tell its direction
            const double drawnAngle = std::atan2(dy, dx) * 180 / M_PI;
            const double turn = std::remainder(numbersAt(in).angle - drawnAngle, 360.0);
            EXPECT_LT(std::abs(turn), 4.0) << static_cast<int>(config) << " at " << p.x;
        }
    }
}

}  // namespace
}  // namespace flow
