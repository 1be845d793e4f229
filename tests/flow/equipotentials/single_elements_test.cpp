#include "flow/equipotentials/single_elements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "fake_settings.h"
#include "recording_surface.h"

namespace flow {
namespace {

using test::Op;

// Equipotential dialog whose increment takes the listed values one read
// after another (the last one repeats), to see when A is read.
struct ChangingIncrement : test::FakeEquipotentials {
    mutable std::vector<int> values;
    mutable std::size_t next = 0;
    int increment() const override {
        FakeEquipotentials::increment();
        const int value = values[std::min(next, values.size() - 1)];
        ++next;
        return value;
    }
};

class SingleElementsTest : public ::testing::Test {
  protected:
    SingleElementsTest() {
        fake.equi.width = 3;
        fake.equi.color = Color::fromRgb(0, 128, 0);
    }

    std::vector<Op> ellipses() const {
        std::vector<Op> result;
        for (const Op& op : surface.ops())
            if (op.kind == Op::Ellipse) result.push_back(op);
        return result;
    }

    bool allDrawnWithDialogPen() const {
        return std::all_of(surface.ops().begin(), surface.ops().end(), [](const Op& op) {
            return op.penWidth == 3 && op.penColor == Color::fromRgb(0, 128, 0);
        });
    }

    test::FakeSettings fake;
    test::RecordingSurface surface;
    Settings settings = fake.settings();
    Canvas canvas{surface, settings, fake.gauge};
};

TEST_F(SingleElementsTest, PointSourceDrawsClearCirclesOfRadiiAToNTimesA) {
    EquipotentialPointSource(canvas, 400, 300);

    const auto circles = ellipses();
    ASSERT_EQ(circles.size(), 40u);
    for (int i = 0; i < 40; ++i) {
        const std::int64_t r = 50 * (i + 1);
        EXPECT_EQ(circles[i].a, (Point{400 + r, 300 + r}));
        EXPECT_EQ(circles[i].b, (Point{400 - r, 300 - r}));
        EXPECT_TRUE(circles[i].brushClear);
    }
    EXPECT_EQ(circles.back().a, (Point{2400, 2300}));
    EXPECT_TRUE(allDrawnWithDialogPen());
    EXPECT_EQ(fake.gauge.total, 0);
    const test::ReadLog start(fake.reads.begin(), fake.reads.begin() + 4);
    EXPECT_EQ(start, (test::ReadLog{"equi.width", "equi.color", "equi.increment", "equi.count"}));
    EXPECT_EQ(std::count(fake.reads.begin(), fake.reads.end(), "equi.increment"), 41);
}

TEST_F(SingleElementsTest, NoLinesForACountOfZeroOrLess) {
    for (const int count : {0, -5}) {
        fake.equi.count = count;
        EquipotentialPointSource(canvas, 400, 300);
        EquipotentialVortex(canvas, 400, 300);
        EquipotentialVortexSource(canvas, 400, 300, 10);
        EquipotentialDipole(canvas, 400, 300, 50);
    }
    EXPECT_TRUE(surface.ops().empty());
    EXPECT_EQ(fake.gauge.total, 0);
    EXPECT_EQ(surface.penWidth(), 3);
}

TEST_F(SingleElementsTest, VortexDrawsRaysOfFieldWidthAtAccumulatedAngles) {
    fake.equi.count = 4;
    EquipotentialVortex(canvas, 400, 300);

    const std::vector<test::Segment> rays = surface.segments();
    ASSERT_EQ(rays.size(), 4u);
    const std::vector<Point> ends{{-400, 300}, {399, -500}, {1200, 299}, {402, 1100}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rays[i].from, (Point{400, 300}));
        EXPECT_EQ(rays[i].to, ends[i]);
    }
    EXPECT_TRUE(allDrawnWithDialogPen());
    EXPECT_EQ(fake.gauge.total, 16);
    EXPECT_EQ(std::count(fake.reads.begin(), fake.reads.end(), "equi.increment"), 0);
}

TEST_F(SingleElementsTest, VortexStopsWithTheUsersMessageOnABadFieldWidth) {
    fake.field.widthText = "8OO";
    try {
        EquipotentialVortex(canvas, 400, 300);
        ADD_FAILURE() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'8OO' is not a valid integer value");
    }
    EXPECT_TRUE(surface.ops().empty());
}

TEST_F(SingleElementsTest, VortexSourceLinesStartOnceTheirRadiusPassesTheBoundary) {
    // Q = 1000, A = 50, Rb = 10: 6.28*c/Q exceeds ln 10 first at c = 400.
    fake.equi.count = 8;
    EquipotentialVortexSource(canvas, 400, 300, 10);
    EXPECT_TRUE(surface.ops().empty());
    EXPECT_EQ(fake.gauge.total, 8 * 4);  // one step per line, nothing drawn

    fake.equi.count = 9;
    EquipotentialVortexSource(canvas, 400, 300, 10);
    ASSERT_FALSE(surface.ops().empty());
    EXPECT_EQ(surface.ops().front().kind, Op::MoveTo);
    EXPECT_EQ(surface.ops().front().a, (Point{400 - 12, 300}));  // r = exp(2.512) = 12.33
    EXPECT_TRUE(allDrawnWithDialogPen());
}

TEST_F(SingleElementsTest, VortexSourceDrawsOnlyBetweenBoundaryAndCornerDistance) {
    // (30, 40) lies 50 pixels from the corner.
    fake.vortexSource.q = 100;
    fake.vortexSource.gamma = 300;
    EquipotentialVortexSource(canvas, 30, 40, 10);

    const auto chords = surface.segments();
    ASSERT_FALSE(chords.empty());
    for (const auto& chord : chords) {
        const double r = std::hypot(chord.from.x - 30.0, chord.from.y - 40.0);
        EXPECT_GT(r, 9.3);
        EXPECT_LT(r, 50.8);
    }
}

TEST_F(SingleElementsTest, VortexSourceWithHugeRadiiRunsEveryLineToItsEnd) {
    // Radii up to about 1e135 (c = 4950, Q = 100), each line tens of
    // thousands of degree steps long.
    fake.vortexSource.q = 100;
    fake.vortexSource.gamma = 30;
    fake.equi.count = 100;
    EquipotentialVortexSource(canvas, 400, 300, 10);

    EXPECT_GT(fake.gauge.total, 100 * 4 * 10000);
    EXPECT_EQ(std::count(fake.reads.begin(), fake.reads.end(), "equi.increment"), 100);
    for (const auto& chord : surface.segments()) {
        EXPECT_LT(std::abs(chord.to.x - 400), 600);
        EXPECT_LT(std::abs(chord.to.y - 300), 600);
    }
}

TEST_F(SingleElementsTest, VortexSourceThatCannotWindInwardsIsNotTraced) {
    fake.vortexSource.gamma = -1000;
    EquipotentialVortexSource(canvas, 400, 300, 10);
    fake.vortexSource.gamma = 1000;
    fake.vortexSource.q = 0;
    EquipotentialVortexSource(canvas, 400, 300, 10);
    fake.vortexSource.q = 1000;
    EquipotentialVortexSource(canvas, 400, 300, 0);
    EXPECT_TRUE(surface.ops().empty());
}

TEST_F(SingleElementsTest, DipoleDrawsCirclePairsOfDiametersMThenMPlusA) {
    fake.equi.count = 2;
    EquipotentialDipole(canvas, 400, 300, 50);

    const auto chords = surface.segments();
    ASSERT_EQ(chords.size(), 2u * 181 * 4);
    EXPECT_EQ(fake.gauge.total, 2 * 181 * 4);
    EXPECT_TRUE(allDrawnWithDialogPen());
    for (int line = 0; line < 2; ++line) {
        const std::int64_t diameter = 50 * (line + 1);
        std::int64_t minX = 400, maxX = 400, minY = 300, maxY = 300;
        bool throughCentre = false;
        for (int i = line * 724; i < (line + 1) * 724; ++i) {
            for (const Point p : {chords[i].from, chords[i].to}) {
                minX = std::min(minX, p.x);
                maxX = std::max(maxX, p.x);
                minY = std::min(minY, p.y);
                maxY = std::max(maxY, p.y);
                throughCentre |= p == Point{400, 300};
            }
        }
        EXPECT_EQ(minX, 400 - diameter);
        EXPECT_EQ(maxX, 400 + diameter);
        EXPECT_EQ(maxY - minY, diameter);
        EXPECT_TRUE(throughCentre);
    }
}

TEST_F(SingleElementsTest, PointSourceAndDipoleAddTheIncrementReadAfterEachLine) {
    ChangingIncrement equi;
    equi.count = 3;
    Settings changing{
        fake.stream,       equi,          fake.field,       fake.sourceSink, fake.streamSpeed,
        fake.vortexSource, fake.cylinder, fake.vectorStyle, fake.vectorScale};
    const Canvas changingCanvas{surface, changing, fake.gauge};

    equi.values = {10, 20, 30};
    EquipotentialPointSource(changingCanvas, 0, 0);
    const auto circles = ellipses();
    ASSERT_EQ(circles.size(), 3u);
    EXPECT_EQ(circles[0].a, (Point{10, 10}));
    EXPECT_EQ(circles[1].a, (Point{30, 30}));
    EXPECT_EQ(circles[2].a, (Point{60, 60}));

    // The first chord of each pair starts at the far end of the left circle.
    surface.clear();
    equi.values = {10, 100};
    equi.next = 0;
    EquipotentialDipole(changingCanvas, 0, 0, 50);
    const auto chords = surface.segments();
    ASSERT_EQ(chords.size(), 3u * 724);
    EXPECT_EQ(chords[0].from, (Point{-50, 0}));
    EXPECT_EQ(chords[724].from, (Point{-60, 0}));
    EXPECT_EQ(chords[1448].from, (Point{-160, 0}));
}

}  // namespace
}  // namespace flow
