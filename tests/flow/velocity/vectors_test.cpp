#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fake_settings.h"
#include "flow/velocity/velocity.h"
#include "recording_surface.h"

namespace flow {
namespace {

using C = VelocityConfig;
using test::Segment;
constexpr Point kCentre{400, 300};
constexpr Point kP{520, 210};
constexpr Color kGreen = Color::fromRgb(0, 128, 0);
constexpr Color kNavy = Color::fromRgb(0, 0, 128);
constexpr Color kRed = Color::fromRgb(255, 0, 0);
constexpr PenStyle kSolid = PenStyle::Solid;
constexpr PenStyle kDot = PenStyle::Dot;

VelocityInput input(C config, Point p, int k = 10) {
    return {config, p, kCentre, k, 100, 1000, 1, 1000, 50};
}

struct Drawing : ::testing::Test {
    test::FakeSettings fake;
    test::RecordingSurface surface;
    Settings settings = fake.settings();
    Canvas canvas{surface, settings, fake.gauge};

    std::vector<Segment> draw(const VelocityInput& in) {
        surface.clear();
        fake.reads.clear();
        DrawVelocity(canvas, in);
        return surface.segments();
    }
    bool arrowhead(const VelocityInput& in) {
        const std::size_t count = draw(in).size();
        EXPECT_TRUE(count == 5 || count == 8) << count;
        return count == 8;
    }
};

TEST_F(Drawing, CylinderWithCirculationWorkedExample) {
    fake.vectorStyle.component = 3;
    fake.vectorStyle.resultant = 2;
    const std::vector<Segment> expected = {
        {kP, {555, 184}, kGreen, 3, kSolid},       {{509, 195}, {544, 169}, kNavy, 3, kDot},
        {kP, {509, 195}, kGreen, 3, kSolid},       {{555, 184}, {544, 169}, kNavy, 3, kDot},
        {kP, {544, 169}, kRed, 2, kSolid},         {{544, 169}, {542, 179}, kRed, 2, kSolid},
        {{544, 169}, {536, 175}, kRed, 2, kSolid}, {{542, 179}, {536, 175}, kRed, 2, kSolid}};
    EXPECT_EQ(draw(input(C::CylinderCirculation, kP)), expected);

    // Every line is a move followed by a line-to; the pen ends solid.
    ASSERT_EQ(surface.ops().size(), 2 * expected.size());
    for (std::size_t i = 0; i < surface.ops().size(); ++i)
        EXPECT_EQ(surface.ops()[i].kind, i % 2 ? test::Op::LineTo : test::Op::MoveTo);
    EXPECT_EQ(surface.penStyle(), kSolid);

    // The pens are read each time they are set.
    const test::ReadLog reads = {"vector.componentWidth",  "vector.componentColor",
                                 "vector.connectingColor", "vector.componentWidth",
                                 "vector.componentColor",  "vector.connectingColor",
                                 "vector.resultantWidth",  "vector.resultantColor"};
    EXPECT_EQ(fake.reads, reads);
}

TEST_F(Drawing, ArrowheadsOfTheWorkedExamples) {
    VelocityInput stream = input(C::SourceInStream, {280, 390});
    stream.Q = 1500;
    const std::vector<Segment> left = draw(stream);
    ASSERT_EQ(left.size(), 8u);
    EXPECT_EQ(left[4].to, (Point{278, 400}));
    EXPECT_EQ(left[5].to, (Point{276, 390}));
    EXPECT_EQ(left[6].to, (Point{283, 391}));

    const std::vector<Segment> vs = draw(input(C::VortexSource, kP));
    ASSERT_EQ(vs.size(), 8u);
    EXPECT_EQ(vs[5].to, (Point{540, 216}));
    EXPECT_EQ(vs[6].to, (Point{541, 209}));
}

TEST_F(Drawing, SingleVectorOfAPlaneVortexOrAPointSource) {
    fake.vectorStyle.resultant = 3;
    const std::vector<Segment> vortex = {{kP, {514, 202}, kRed, 3, kSolid},
                                         {{514, 202}, {517, 212}, kRed, 3, kSolid},
                                         {{514, 202}, {522, 207}, kRed, 3, kSolid},
                                         {{517, 212}, {522, 207}, kRed, 3, kSolid}};
    EXPECT_EQ(draw(input(C::Vortex, kP)), vortex);
    EXPECT_EQ(fake.reads, (test::ReadLog{"vector.resultantWidth", "vector.resultantColor"}));

    VelocityInput source = input(C::PointSource, kP);
    source.Q = 1500;
    const std::vector<Segment> out = draw(source);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0].to, (Point{536, 198}));
    EXPECT_EQ(out[1].to, (Point{531, 206}));
    EXPECT_EQ(out[2].to, (Point{526, 201}));

    // Far from a vortex the vector has length 0: only an arrowhead on the point.
    const Point far{630, 530};
    const std::vector<Segment> still = draw(input(C::Vortex, far));
    ASSERT_EQ(still.size(), 4u);
    EXPECT_EQ(still[0].to, far);
    EXPECT_EQ(still[1].from, far);
}

TEST_F(Drawing, ArrowheadGuards) {
    EXPECT_FALSE(arrowhead(input(C::Cylinder, kP)));  // 9.4 pixels
    // Cylinder in a stream of 2: 20 pixels, 20.5 pixels, tangential as long as the resultant.
    VelocityInput cylinder = input(C::Cylinder, {501, 228});
    cylinder.U = 2;
    EXPECT_FALSE(arrowhead(cylinder));
    cylinder.p = {492, 239};
    EXPECT_TRUE(arrowhead(cylinder));
    cylinder.p = {401, 0};
    EXPECT_FALSE(arrowhead(cylinder));
    EXPECT_FALSE(arrowhead(input(C::VortexSource, {424, 79})));
    EXPECT_TRUE(arrowhead(input(C::VortexSource, {408, 77})));
    EXPECT_FALSE(arrowhead(input(C::Dipole, {401, 98})));
    EXPECT_TRUE(arrowhead(input(C::Dipole, {405, 101})));
    EXPECT_FALSE(arrowhead(input(C::Dipole, {401, 103})));
    // A vertical resultant around the circulating cylinder.
    const VelocityInput vertical = input(C::CylinderCirculation, {287, 261});
    EXPECT_EQ(ComputeVelocity(vertical)->resultantTip, (Point{287, 344}));
    EXPECT_FALSE(arrowhead(vertical));
}

TEST_F(Drawing, ArrowheadsFollowTheResultantInEveryQuadrant) {
    for (int config = 1; config <= 7; ++config) {
        for (Point offset : {Point{130, -80}, Point{60, -150}}) {
            for (Point side : {Point{1, 1}, Point{-1, 1}, Point{-1, -1}, Point{1, -1}}) {
                VelocityInput in = input(static_cast<C>(config), kCentre, 30);
                in.U = 2;
                in.p = {kCentre.x + side.x * offset.x, kCentre.y + side.y * offset.y};
                const std::vector<Segment> s = draw(in);
                ASSERT_GE(s.size(), 4u);
                const Segment& barb1 = s[s.size() - 3];
                const Segment& barb2 = s[s.size() - 2];
                const Point tip = barb1.from;
                const double ax = tip.x - (barb1.to.x + barb2.to.x) / 2.0;
                const double ay = tip.y - (barb1.to.y + barb2.to.y) / 2.0;
                const double vx = static_cast<double>(tip.x - in.p.x);
                const double vy = static_cast<double>(tip.y - in.p.y);
                const double cosine = (ax * vx + ay * vy) / std::hypot(ax, ay) / std::hypot(vx, vy);
                EXPECT_GT(cosine, std::cos(12 * 3.14 / 180))
                    << "configuration " << config << " at " << in.p;
            }
        }
    }
}

TEST_F(Drawing, NothingOnTheAxisLines) {
    EXPECT_TRUE(draw(input(C::Dipole, {400, 120})).empty());
    EXPECT_TRUE(draw(input(C::CylinderCirculation, {250, 300})).empty());
    EXPECT_TRUE(fake.reads.empty());
}

TEST_F(Drawing, HugeVectorsNearADipoleAreDrawnAsComputed) {
    VelocityInput dipole = input(C::Dipole, {401, 301}, 100);
    dipole.M = 200;
    const std::vector<Segment> s = draw(dipole);
    ASSERT_EQ(s.size(), 8u);
    EXPECT_EQ(s[4].to, ComputeVelocity(dipole)->resultantTip);
    EXPECT_GT(s[4].to.y, 10'000'000);
}

}  // namespace
}  // namespace flow
