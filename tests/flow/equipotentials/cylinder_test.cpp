#include "flow/equipotentials/cylinder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "fake_settings.h"
#include "recording_surface.h"

namespace flow {
namespace {

using test::Op;
using test::Segment;

constexpr int kX = 400, kY = 300, kR = 100;  // centre of the default 800 x 600 field

struct CylinderRun {
    test::FakeSettings fake;
    test::RecordingSurface surface;
    Settings settings = fake.settings();
    Canvas canvas{surface, settings, fake.gauge};

    // Lines c = 0 and c = value only.
    void oneLine(int value) {
        fake.equi.count = 2;
        fake.equi.step = value;
    }
    void draw(int x = kX, int y = kY) { EquipotentialCylinder(canvas, x, y, kR); }
    std::vector<Op> drawingOps() const {
        std::vector<Op> ops;
        for (const Op& op : surface.ops())
            if (op.kind == Op::MoveTo || op.kind == Op::LineTo) ops.push_back(op);
        return ops;
    }
    long countReads(const char* name) const {
        return std::count(fake.reads.begin(), fake.reads.end(), name);
    }
};

double distanceFromCentre(Point p, int x = kX, int y = kY) {
    return std::hypot(static_cast<double>(p.x - x), static_cast<double>(p.y - y));
}

bool hasSegment(const std::vector<Segment>& segments, Point from, Point to) {
    return std::any_of(segments.begin(), segments.end(),
                       [&](const Segment& s) { return s.from == from && s.to == to; });
}

TEST(EquipotentialCylinder, LineBeyondTwoRadiiStartsOnTheAxisWithoutJoins) {
    CylinderRun run;
    run.oneLine(250);
    run.draw();
    // c = 250: rho(0) = 125 + 75 = 200; at 1 degree a = 200, b = 3.
    const std::vector<Op> ops = run.drawingOps();
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops[0].kind, Op::MoveTo);
    EXPECT_EQ(ops[0].a, (Point{200, 300}));
    EXPECT_EQ(ops[1].kind, Op::LineTo);
    EXPECT_EQ(ops[1].a, (Point{200, 297}));
    const auto segments = run.surface.segments();
    EXPECT_TRUE(hasSegment(segments, {200, 300}, {200, 303}));
    EXPECT_TRUE(hasSegment(segments, {600, 300}, {600, 303}));
    EXPECT_TRUE(hasSegment(segments, {600, 300}, {600, 297}));
    for (const Segment& s : segments) EXPECT_GE(distanceFromCentre(s.to), 199.0) << s;
}

TEST(EquipotentialCylinder, LineNextToTheCylinderIsJoinedToTheCircleInAllQuarters) {
    CylinderRun run;
    run.oneLine(50);
    run.draw();
    // c = 50 first meets the rays at 76 degrees: (a, b) = (31, 124), circle
    // foot (24, 97); the next point is (36, 154).
    const std::vector<Point> expected = {{369, 176}, {376, 203}, {369, 424}, {376, 397},
                                         {431, 424}, {424, 397}, {431, 176}, {424, 203},
                                         {369, 176}, {364, 146}};
    const std::vector<Op> ops = run.drawingOps();
    ASSERT_GE(ops.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(ops[i].kind, i % 2 == 0 ? Op::MoveTo : Op::LineTo) << i;
        EXPECT_EQ(ops[i].a, expected[i]) << i;
    }
    // Each pass draws from 76 degrees up to the chord that leaves the 600 pixel
    // high field (b = 324 at 82 degrees), plus the four joins.
    EXPECT_EQ(run.surface.segments().size(), 4u * 6 + 4);
}

TEST(EquipotentialCylinder, JoinsOnlyWhereTheFootLiesOffTheAxis) {
    CylinderRun joined;
    joined.oneLine(150);
    joined.draw();
    // c = 150 starts at 42 degrees, (85, 76), foot (75, 66).
    EXPECT_TRUE(hasSegment(joined.surface.segments(), {315, 224}, {325, 234}));

    // c = 200 starts at 1 degree, (102, 2), whose foot rounds to (100, 0) = R:
    // no join, the first chord follows the first move at once.
    CylinderRun level;
    level.oneLine(200);
    level.draw();
    const std::vector<Op> ops = level.drawingOps();
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops[0].a, (Point{298, 298}));
    EXPECT_EQ(ops[1].kind, Op::LineTo);
    EXPECT_EQ(ops[1].a, (Point{297, 296}));

    // Defaults (A = 50, N = 40): only c = 50, 100 and 150 get joins, four each.
    // Joins are the only segments that run towards the centre.
    CylinderRun all;
    all.draw();
    const auto segments = all.surface.segments();
    const auto inward = std::count_if(segments.begin(), segments.end(), [](const Segment& s) {
        return distanceFromCentre(s.to) < distanceFromCentre(s.from);
    });
    EXPECT_EQ(inward, 12);
}

TEST(EquipotentialCylinder, PenAndFourfoldSymmetryAboutTheCentre) {
    CylinderRun run;
    run.fake.equi.width = 3;
    run.fake.equi.color = Color::fromRgb(10, 20, 30);
    run.draw();
    EXPECT_EQ(run.fake.reads[0], "equi.width");
    EXPECT_EQ(run.fake.reads[1], "equi.color");
    auto key = [](Point from, Point to) {
        return std::vector<std::int64_t>{from.x, from.y, to.x, to.y};
    };
    std::vector<std::vector<std::int64_t>> drawn, flippedX, flippedY;
    for (const Segment& s : run.surface.segments()) {
        EXPECT_EQ(s.width, 3);
        EXPECT_EQ(s.color, Color::fromRgb(10, 20, 30));
        drawn.push_back(key(s.from, s.to));
        flippedX.push_back(key({2 * kX - s.from.x, s.from.y}, {2 * kX - s.to.x, s.to.y}));
        flippedY.push_back(key({s.from.x, 2 * kY - s.from.y}, {s.to.x, 2 * kY - s.to.y}));
    }
    ASSERT_FALSE(drawn.empty());
    std::sort(drawn.begin(), drawn.end());
    std::sort(flippedX.begin(), flippedX.end());
    std::sort(flippedY.begin(), flippedY.end());
    EXPECT_EQ(drawn, flippedX);
    EXPECT_EQ(drawn, flippedY);
}

TEST(EquipotentialCylinder, PointsLieOnTheirLevelLine) {
    CylinderRun run;
    run.oneLine(250);
    run.fake.field.widthText = run.fake.field.heightText = "16384";
    run.draw(8000, 8000);
    constexpr double r2 = kR * kR;
    for (const Segment& s : run.surface.segments()) {
        for (Point p : {s.from, s.to}) {
            const double x = std::abs(static_cast<double>(p.x - 8000));
            const double y = std::abs(static_cast<double>(p.y - 8000));
            const double rr = x * x + y * y;
            const double phi = x * (1 + r2 / rr);
            // Gradient of phi = x (1 + R^2 / r^2): a pixel's worth of potential.
            const double gx = 1 + r2 / rr - 2 * r2 * x * x / (rr * rr);
            const double gy = -2 * r2 * x * y / (rr * rr);
            EXPECT_NEAR(phi, 250, std::hypot(gx, gy)) << p;
        }
    }
}

TEST(EquipotentialCylinder, LineCountAndGauge) {
    for (int count : {0, -3}) {
        CylinderRun run;
        run.fake.equi.count = count;
        run.draw();
        EXPECT_TRUE(run.drawingOps().empty()) << count;
        EXPECT_EQ(run.fake.gauge.total, 0) << count;
        EXPECT_EQ(run.countReads("equi.count"), 4) << count;
    }
    CylinderRun single;  // only the line c = 0, which meets no ray
    single.fake.equi.count = 1;
    single.draw();
    EXPECT_TRUE(single.drawingOps().empty());
    EXPECT_EQ(single.fake.gauge.total, 4);

    CylinderRun defaults;
    defaults.draw();
    EXPECT_EQ(defaults.fake.gauge.total, 4 * 40);
    EXPECT_EQ(defaults.countReads("equi.increment"), 4 * 40);
}

TEST(EquipotentialCylinder, FieldSizeIsReadAtEveryEdgeTestThatNeedsIt) {
    CylinderRun run;
    run.oneLine(250);
    run.draw();
    // Pass 1 tests x < 0, y < 0; pass 2 reads H, pass 3 W and H, pass 4 W,
    // once per degree of the one line that meets the rays.
    EXPECT_EQ(run.countReads("field.height"), 2 * 90);
    EXPECT_EQ(run.countReads("field.width"), 2 * 90);
    EXPECT_EQ(run.countReads("equi.count"), 4);
}

TEST(EquipotentialCylinder, EdgeStopsOnlyThePassesThatCrossIt) {
    CylinderRun nearEdge;
    nearEdge.oneLine(250);
    nearEdge.draw(30, kY);
    CylinderRun centred;
    centred.oneLine(250);
    centred.draw();

    std::vector<Segment> left, right;
    for (const Segment& s : nearEdge.surface.segments())
        (s.from.x < 30 ? left : right).push_back(s);
    // Left passes: the chord that leaves the field is drawn, nothing after it.
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0].from, (Point{-170, 300}));
    EXPECT_EQ(left[0].to, (Point{-170, 297}));
    EXPECT_EQ(left[1].to, (Point{-170, 303}));

    std::vector<Segment> centredRight;
    for (Segment s : centred.surface.segments()) {
        if (s.from.x < kX) continue;
        s.from.x -= kX - 30;
        s.to.x -= kX - 30;
        centredRight.push_back(s);
    }
    EXPECT_EQ(right, centredRight);
}

TEST(EquipotentialCylinder, BadFieldTextStopsTheRunAndKeepsTheLines) {
    CylinderRun complete;
    complete.oneLine(250);
    complete.draw();

    CylinderRun run;
    run.oneLine(250);
    run.fake.field.heightText = "abc";
    try {
        run.draw();
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    // Pass 1 needs no field size; pass 2 stops after its first chord.
    const auto drawn = run.surface.segments();
    const auto all = complete.surface.segments();
    ASSERT_FALSE(drawn.empty());
    ASSERT_LT(drawn.size(), all.size());
    EXPECT_TRUE(std::equal(drawn.begin(), drawn.end(), all.begin()));
    EXPECT_EQ(drawn.back().to, (Point{200, 303}));
    EXPECT_EQ(run.fake.gauge.total, 3);
}

}  // namespace
}  // namespace flow
