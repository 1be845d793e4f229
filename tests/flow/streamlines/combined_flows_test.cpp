#include "flow/streamlines/combined_flows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "streamline_test_support.h"

namespace flow {
namespace {

using test::Arrowhead;
using test::FakeSettings;
using test::RecordingSurface;
using test::Segment;

const Point kCentre{400, 300};

// Flow coordinates of a pixel about kCentre: x to the left, y upwards.
double flowX(Point p) {
    return static_cast<double>(kCentre.x - p.x);
}
double flowY(Point p) {
    return static_cast<double>(kCentre.y - p.y);
}

// Arrowheads of this kind all point to the right: their corners lie left of the tip.
void expectPointingRight(const std::vector<Arrowhead>& heads) {
    for (const Arrowhead& h : heads)
        EXPECT_LT(h.cornerPlus.x + h.cornerMinus.x, 2 * h.tip.x) << h.tip;
}

// Arrowheads come in pairs: a tip and its mirror image in y = kCentre.y.
void expectMirroredPairs(const std::vector<Arrowhead>& heads) {
    ASSERT_EQ(heads.size() % 2, 0u);
    for (std::size_t i = 0; i < heads.size(); i += 2) {
        EXPECT_EQ(heads[i + 1].tip.x, heads[i].tip.x);
        EXPECT_EQ(heads[i + 1].tip.y, 2 * kCentre.y - heads[i].tip.y);
    }
}

TEST(StreamCylinder, StartsWithTheCylinderCircleWithoutArrowheads) {
    FakeSettings fake;
    fake.stream.count = 1;
    EXPECT_TRUE(test::arrowheadsOf(fake, [](const Canvas& c) {
                    StreamCylinder(c, 100, 400, 300);
                }).empty());
    const auto segs = test::drawn(fake, [](const Canvas& c) { StreamCylinder(c, 100, 400, 300); });
    ASSERT_EQ(segs.size(), 178u * 2);
    EXPECT_EQ(segs[0].from, (Point{300, 298}));
    EXPECT_EQ(segs[0].to, (Point{300, 297}));
    EXPECT_EQ(segs[1].from, (Point{300, 302}));
    EXPECT_EQ(segs[1].to, (Point{300, 303}));
    for (const Segment& seg : segs) EXPECT_NEAR(test::distance(seg.to, kCentre), 100, 1);
}

TEST(StreamCylinder, ChordEndsLieOnTheirStreamlines) {
    FakeSettings fake;
    fake.stream.count = 6;
    fake.stream.arrows = false;
    fake.streamSpeed.u = 10;  // the picture does not depend on the speed
    const auto segs = test::drawn(fake, [](const Canvas& c) { StreamCylinder(c, 100, 400, 300); });
    ASSERT_EQ(segs.size(), 6u * 178 * 2);
    for (std::size_t i = 0; i < segs.size(); ++i) {
        const double psi = 50.0 * static_cast<double>(i / (178 * 2));
        const double sign = i % 2 == 0 ? 1 : -1;  // upper and lower chords alternate
        for (Point p : {segs[i].from, segs[i].to}) {
            // psi = y (1 - R^2 / rho^2); |grad psi| <= 2 outside the cylinder.
            const double rho2 = flowX(p) * flowX(p) + flowY(p) * flowY(p);
            ASSERT_NEAR(flowY(p) * (1 - 100.0 * 100.0 / rho2), sign * psi, 1.5) << i << " " << p;
        }
    }
}

TEST(StreamCylinder, PutsArrowheadsBeyondX50Then200AwayFromTheSurface) {
    FakeSettings fake;
    fake.stream.count = 2;  // only the second line carries arrowheads
    const auto heads =
        test::arrowheadsOf(fake, [](const Canvas& c) { StreamCylinder(c, 100, 400, 300); });
    ASSERT_GE(heads.size(), 8u);
    expectMirroredPairs(heads);
    expectPointingRight(heads);
    for (std::size_t k = 0; k < heads.size() / 2; ++k) {
        const auto& tip = heads[2 * k].tip;
        const std::int64_t beyond = 50 + 150 * static_cast<std::int64_t>(k);
        EXPECT_GT(tip.x, beyond);
        // Chords are short inside the picture: the first end beyond the mark.
        if (beyond < 700) {
            EXPECT_LT(tip.x, beyond + 30);
        }
        EXPECT_GT(test::distance(tip, kCentre), 119);
    }
}

// The flow of a source (mode 1) or sink (mode 2) in a stream, evaluated at a
// pixel off the axis: v = Q theta / 6.28 - U |y|, theta in (0, 3.14) measured
// as the routine's rays are.
double streamValue(Point p, int mode, double Q, double U) {
    const double side = mode == kSourceInStream ? 1 : -1;
    const double y = std::abs(flowY(p));
    return Q * std::atan2(y, side * flowX(p)) / 6.28 - U * y;
}

TEST(StreamSourceInStream, DrawsTheElementsFluidInTheRegionColourAndTheRestInTheLineColour) {
    for (int mode : {kSourceInStream, kSinkInStream}) {
        FakeSettings fake;
        fake.stream.count = 2;
        fake.stream.step = 100;
        fake.stream.arrows = false;
        fake.streamSpeed.u = 2;
        fake.field.widthText = fake.field.heightText = "100000";
        const auto segs = test::drawn(
            fake, [mode](const Canvas& c) { StreamSourceInStream(c, 400, 300, 1500, mode); });
        int region = 0, line = 0;
        for (const Segment& seg : segs) {
            const bool inRegion = seg.color == fake.sourceSink.region;
            ASSERT_TRUE(inRegion || seg.color == fake.stream.color);
            ++(inRegion ? region : line);
            for (Point p : {seg.from, seg.to}) {
                const double rho = std::hypot(flowX(p), flowY(p));
                if (p.y == kCentre.y || rho < 20) continue;
                const double v = streamValue(p, mode, 1500, 2);
                // A pixel's worth of the velocity there.
                const double tolerance = 0.75 * (2 + 1500 / (6.28 * rho)) + 0.5;
                if (inRegion)
                    ASSERT_LT(std::min(std::abs(v), std::abs(v - 100)), tolerance) << p;
                else
                    ASSERT_NEAR(v, -100, tolerance) << p;
            }
        }
        EXPECT_GT(region, 0);
        EXPECT_GT(line, 0);
    }
}

TEST(StreamSourceInStream, DividingLineOfASourceStartsAbout239PixelsUpstream) {
    FakeSettings fake;  // Q = 1500, U = 1
    fake.stream.count = 1;
    fake.stream.arrows = false;
    fake.field.widthText = fake.field.heightText = "100000";
    const auto segs = test::drawn(
        fake, [](const Canvas& c) { StreamSourceInStream(c, 400, 300, 1500, kSourceInStream); });
    ASSERT_FALSE(segs.empty());
    EXPECT_EQ(segs[0].from, (Point{400 - 239, 296}));
    // Far downstream it approaches Y +- 750.
    std::int64_t widest = 0;
    for (const Segment& seg : segs) widest = std::max(widest, std::abs(seg.to.y - 300));
    EXPECT_GT(widest, 740);
    EXPECT_LE(widest, 750);
}

TEST(StreamSourceInStream, WindowCutsLinesBeyondTheFieldOnTheElementsSide) {
    for (int mode : {kSourceInStream, kSinkInStream}) {
        FakeSettings fake;
        fake.stream.arrows = false;
        const auto run = [mode](const Canvas& c) { StreamSourceInStream(c, 400, 300, 1500, mode); };
        const auto segs = test::drawn(fake, run);
        bool beyondRight = false;
        for (const Segment& seg : segs) {
            if (mode == kSourceInStream)
                ASSERT_LT(seg.to.x, 900);
            else
                ASSERT_GT(seg.to.x, -900);
            beyondRight = beyondRight || seg.to.x >= 900;
        }
        // A sink's lines running off to the right are not cut.
        EXPECT_EQ(beyondRight, mode == kSinkInStream);
        fake.field.widthText = fake.field.heightText = "100000";
        EXPECT_GT(test::drawn(fake, run).size(), segs.size()) << mode;
    }
}

TEST(StreamSourceInStream, AFieldSizeThatIsNoIntegerStopsItAtTheWindowTest) {
    FakeSettings fake;
    test::FieldGoingBad field(50);
    RecordingSurface s;
    Settings set = test::withField(fake, field);
    EXPECT_THROW(StreamSourceInStream(Canvas{s, set, fake.gauge}, 400, 300, 1500, kSourceInStream),
                 ConversionError);
    EXPECT_FALSE(s.segments().empty());
    EXPECT_EQ(fake.gauge.total, 0);
}

TEST(StreamSourceInStream, PutsArrowheadsOnTheDividingLineDownstreamOnly) {
    FakeSettings fake;
    fake.stream.count = 1;
    const auto heads = test::arrowheadsOf(
        fake, [](const Canvas& c) { StreamSourceInStream(c, 400, 300, 1500, kSourceInStream); });
    ASSERT_GE(heads.size(), 2u);
    expectMirroredPairs(heads);
    expectPointingRight(heads);
    for (std::size_t k = 0; k < heads.size() / 2; ++k)
        EXPECT_GT(heads[2 * k].tip.x - 400, 50 + 200 * static_cast<std::int64_t>(k));
}

TEST(StreamSourceInStream, PutsArrowheadsFromTheRightEdgeLeftwardsForASink) {
    FakeSettings fake;
    fake.stream.count = 2;
    const auto heads = test::arrowheadsOf(
        fake, [](const Canvas& c) { StreamSourceInStream(c, 400, 300, 1500, kSinkInStream); });
    ASSERT_GE(heads.size(), 4u);
    expectMirroredPairs(heads);
    expectPointingRight(heads);
    // On the dividing line x + X stays left of W, W - 100, ...
    EXPECT_LT(heads[0].tip.x + 400, 800);
}

TEST(StreamSourceSink, DrawsNothingWhenBothPointsShareTheirX) {
    FakeSettings fake;
    RecordingSurface s;
    Settings set = fake.settings();
    StreamSourceSink(Canvas{s, set, fake.gauge}, 300, 300, 0, 1500, 1500);
    EXPECT_TRUE(s.ops().empty());
    EXPECT_EQ(fake.gauge.total, 80);
}

bool isLevelArrowheadLeg(const Segment& seg, int side) {
    return seg.to == Point{seg.from.x - 9, seg.from.y + 3 * side};
}

TEST(StreamSourceSink, EqualStrengthsDrawTheCircleThroughBothPointsWithOneArrowPair) {
    FakeSettings fake;
    fake.stream.count = 1;
    fake.stream.arrows = false;
    RecordingSurface s;
    Settings set = fake.settings();
    StreamSourceSink(Canvas{s, set, fake.gauge}, 300, 300, 200, 1500, 1500);
    const auto segs = s.segments();
    ASSERT_GE(segs.size(), 2u);
    // The line is closed at the sink, above and below.
    EXPECT_EQ(segs[0].to, (Point{500, 300}));
    EXPECT_EQ(segs[1].to, (Point{500, 300}));
    int arrowheads = 0;
    for (std::size_t i = 0; i < segs.size(); ++i) {
        if (i + 2 < segs.size() && isLevelArrowheadLeg(segs[i], 1) &&
            isLevelArrowheadLeg(segs[i + 1], -1)) {
            ++arrowheads;  // heading 0: points right, drawn with the check box off
            EXPECT_NEAR(std::abs(segs[i].from.y - 300), 100, 3);  // near top and bottom
            i += 2;
            continue;
        }
        EXPECT_NEAR(test::distance(segs[i].to, {400, 300}), 100, 1.5) << segs[i];
    }
    EXPECT_EQ(arrowheads, 2);
    EXPECT_EQ(std::count(fake.reads.begin(), fake.reads.end(), "stream.arrows"), 0);
}

TEST(StreamSourceSink, LeavesOutChordsThatJump400PixelsOrMore) {
    FakeSettings fake;
    fake.stream.count = 4;
    const auto segs =
        test::drawn(fake, [](const Canvas& c) { StreamSourceSink(c, 300, 300, 200, 3000, 1000); });
    ASSERT_GT(segs.size(), 4u * 100);
    for (const Segment& seg : segs) {
        if (seg.to == Point{500, 300}) continue;  // closing a line at the sink
        EXPECT_LT(std::abs(seg.to.y - seg.from.y), 400) << seg;
    }
}

TEST(StreamSourceSink, KeepsPointsFarBeyond32BitsOnTheirRays) {
    // Line 116 of these strengths passes close to its asymptote; its point of
    // step 113 lies more than 2^31 pixels off.
    FakeSettings fake;
    fake.stream.count = 117;
    fake.stream.step = 100;
    RecordingSurface s;
    Settings set = fake.settings();
    StreamSourceSink(Canvas{s, set, fake.gauge}, 300, 300, 3000, 1700, 2000);
    int farPoints = 0;
    for (const auto& op : s.ops()) {
        if (op.kind != test::Op::MoveTo || std::abs(op.a.y - 300) < (std::int64_t{1} << 31))
            continue;
        ++farPoints;
        // On a ray from the source at a whole-degree step of the 3.14 scale.
        const double angle = std::atan2(std::abs(static_cast<double>(op.a.y - 300)),
                                        static_cast<double>(op.a.x - 300));
        const double step = angle / (3.14 / 180);
        EXPECT_NEAR(step, std::round(step), 1e-6) << op.a;
    }
    EXPECT_GT(farPoints, 0);
}

}  // namespace
}  // namespace flow
