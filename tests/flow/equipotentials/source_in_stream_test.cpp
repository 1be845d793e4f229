#include "flow/equipotentials/source_in_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "fake_settings.h"
#include "recording_surface.h"

namespace flow {
namespace {

using test::Op;

// Splits the recorded drawing into lines: the tracer advances the gauge by
// one after every line.
struct LineSplitter : Gauge {
    explicit LineSplitter(const test::RecordingSurface& surface) : surface(surface) {}
    void advance(int steps) override {
        EXPECT_EQ(steps, 1);
        ends.push_back(surface.ops().size());
    }
    std::vector<Op> line(std::size_t index) const {
        const auto& ops = surface.ops();
        const std::size_t begin = index == 0 ? 0 : ends[index - 1];
        return {ops.begin() + static_cast<long>(begin),
                ops.begin() + static_cast<long>(ends[index])};
    }
    const test::RecordingSurface& surface;
    std::vector<std::size_t> ends;
};

// Field dialog whose width text turns bad after a number of good reads.
struct FieldTurningBad : test::FakeField {
    mutable int goodReads = 1;
    int width() const override {
        if (goodReads-- <= 0) return strToInt("8OO");
        return FakeField::width();
    }
};

// Source at x = 400 of an 800 x 600 field, Q = 1500, U = 1, A = 50.
class SourceInStreamTest : public ::testing::Test {
  protected:
    static constexpr int kY = 300;
    static constexpr int kQ = 1500;

    test::FakeSettings fake;
    test::RecordingSurface surface;
    Settings settings = fake.settings();
    LineSplitter lines{surface};
    Canvas canvas{surface, settings, lines};
};

TEST_F(SourceInStreamTest, ExampleDrawsFortyOneLinesEndingPastTheRightEdge) {
    fake.equi.width = 2;
    fake.equi.color = Color::fromRgb(0, 0, 255);
    EquipotentialSourceInStream(canvas, 400, kY, kQ);

    ASSERT_EQ(lines.ends.size(), 41u);  // c = 0 .. 2000
    const std::vector<Op> first = lines.line(0);
    ASSERT_GE(first.size(), 4u);
    EXPECT_EQ(first[0].a, (Point{400, kY - 1}));  // closing strokes at r = 1
    EXPECT_EQ(first[1].a, (Point{400, kY}));
    EXPECT_EQ(first[2].a, (Point{400, kY + 1}));
    EXPECT_EQ(first[3].a, (Point{400, kY}));
    // c = 50 .. 450 meet no whole radius up to 800; c = 500 meets r = 8.
    for (std::size_t i = 1; i < 10; ++i) EXPECT_TRUE(lines.line(i).empty()) << i;
    for (std::size_t i = 10; i < 41; ++i) EXPECT_FALSE(lines.line(i).empty()) << i;
    // From c = 650 on, every vertex lies further right than the one before.
    for (std::size_t i = 14; i < 41; ++i)
        EXPECT_GT(lines.line(i).front().a.x, lines.line(i - 1).front().a.x) << i;
    // A line's last step moves to its last point (r = 800 from c = 800 on).
    EXPECT_EQ(lines.line(39).back().a.x, 753);
    EXPECT_EQ(lines.line(40).back().a.x, 803);
    for (const Op& op : surface.ops()) {
        EXPECT_EQ(op.penWidth, 2);
        EXPECT_EQ(op.penColor, Color::fromRgb(0, 0, 255));
    }
}

TEST_F(SourceInStreamTest, ReadsSpeedWidthAndIncrementOnceAndWidthAfterEveryLine) {
    EquipotentialSourceInStream(canvas, 400, kY, kQ);

    const test::ReadLog start(fake.reads.begin(), fake.reads.begin() + 5);
    EXPECT_EQ(start, (test::ReadLog{"equi.width", "equi.color", "streamSpeed", "field.width",
                                    "equi.increment"}));
    EXPECT_EQ(std::count(fake.reads.begin(), fake.reads.end(), "field.width"), 1 + 41);
    EXPECT_EQ(std::count(fake.reads.begin(), fake.reads.end(), "equi.increment"), 1);
    EXPECT_EQ(std::count(fake.reads.begin(), fake.reads.end(), "equi.count"), 0);
}

TEST_F(SourceInStreamTest, StepIsIncrementTimesSpeed) {
    fake.streamSpeed.u = 10;
    EquipotentialSourceInStream(canvas, 400, kY, kQ);
    EXPECT_EQ(lines.ends.size(), 13u);  // c = 0 .. 6000 in steps of 500
}

TEST_F(SourceInStreamTest, PointsLieOnTheirLevelLinesOfPotential) {
    EquipotentialSourceInStream(canvas, 400, kY, kQ);

    // phi = U*x + Q/(2*3.14)*ln r; half a pixel each way moves phi by at most
    // |grad phi| * 0.71 <= (U + Q/(6.28 r)) * 0.71.
    for (std::size_t i = 0; i < lines.ends.size(); ++i) {
        const double c = 50.0 * static_cast<double>(i);
        for (const Op& op : lines.line(i)) {
            const double x = static_cast<double>(op.a.x - 400);
            const double y = static_cast<double>(op.a.y - kY);
            const double r = std::hypot(x, y);
            if (r < 50 || op.a.y == kY) continue;  // near the source; strokes to the axis
            const double phi = x + kQ / 6.28 * std::log(r);
            EXPECT_NEAR(phi, c, (1 + kQ / (6.28 * r)) * 0.71) << i << " " << op.a;
        }
    }
}

TEST_F(SourceInStreamTest, PointsJumpingFiftyPixelsSidewaysAreNotJoined) {
    // In a 2000-wide field the line c = 0 meets r = 1 next to the source and
    // again from r = 1790 on, about 1790 pixels to the left.
    fake.field.widthText = "2000";
    EquipotentialSourceInStream(canvas, 400, kY, kQ);

    // After the two closing strokes at r = 1, every chord is on the far branch.
    const std::vector<Op> first = lines.line(0);
    ASSERT_GT(first.size(), 8u);
    for (std::size_t i = 4; i < first.size(); ++i) {
        if (first[i].kind == Op::LineTo) {
            EXPECT_LT(first[i].a.x, -1000) << i;
        }
    }
}

TEST_F(SourceInStreamTest, SinkIsTheMirrorImageOfTheSource) {
    EquipotentialSourceInStream(canvas, 400, kY, kQ);
    const std::vector<Op> source = surface.ops();
    surface.clear();
    lines.ends.clear();
    EquipotentialSinkInStream(canvas, 400, kY, kQ);

    ASSERT_EQ(lines.ends.size(), 41u);
    ASSERT_EQ(surface.ops().size(), source.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        EXPECT_EQ(surface.ops()[i].kind, source[i].kind);
        EXPECT_EQ(surface.ops()[i].a, (Point{800 - source[i].a.x, source[i].a.y})) << i;
    }
    // The last line's point at r = 800 lies just left of the field.
    EXPECT_EQ(lines.line(40).back().a.x, -3);
}

TEST_F(SourceInStreamTest, SourceNearTheLeftEdgeEndsAfterTheFirstLineThatCannotMeetTheField) {
    // The last point never leaves the field: c = 2350 is the last line with
    // points, c = 2400 lies beyond every radius up to 800.
    EquipotentialSourceInStream(canvas, 20, kY, kQ);
    ASSERT_EQ(lines.ends.size(), 49u);
    EXPECT_FALSE(lines.line(47).empty());
    EXPECT_TRUE(lines.line(48).empty());
    EXPECT_LE(lines.line(47).back().a.x, 800);

    // The sink near the right edge behaves as its mirror image.
    const std::vector<Op> source = surface.ops();
    surface.clear();
    lines.ends.clear();
    EquipotentialSinkInStream(canvas, 780, kY, kQ);
    ASSERT_EQ(lines.ends.size(), 49u);
    ASSERT_EQ(surface.ops().size(), source.size());
    for (std::size_t i = 0; i < source.size(); ++i)
        EXPECT_EQ(surface.ops()[i].a, (Point{800 - source[i].a.x, source[i].a.y})) << i;
}

TEST_F(SourceInStreamTest, BadFieldWidthAfterALineStopsTheRunAndKeepsTheLine) {
    FieldTurningBad field;
    Settings turning{fake.stream,     fake.equi,        field,
                     fake.sourceSink, fake.streamSpeed, fake.vortexSource,
                     fake.cylinder,   fake.vectorStyle, fake.vectorScale};
    try {
        EquipotentialSourceInStream({surface, turning, lines}, 400, kY, kQ);
        ADD_FAILURE() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'8OO' is not a valid integer value");
    }
    EXPECT_EQ(lines.ends.size(), 1u);
    EXPECT_FALSE(surface.ops().empty());
}

TEST_F(SourceInStreamTest, EveryRunEndsWhateverTheSettings) {
    struct Case {
        int increment, speed, q;
        const char* width;
        std::size_t lines;
    };
    // Values that cannot grow draw the first line once; no radius at all
    // ends after one empty line; a negative strength is taken as the
    // smallest the dialog gives, and the run ends.
    for (const Case& k :
         {Case{0, 1, kQ, "800", 1}, Case{50, 0, kQ, "800", 1}, Case{50, 1, kQ, "0", 1},
          Case{50, 1, kQ, "-5", 1}, Case{50, 1, -kQ, "800", 0}}) {
        fake.equi.step = k.increment;
        fake.streamSpeed.u = k.speed;
        fake.field.widthText = k.width;
        lines.ends.clear();
        EquipotentialSourceInStream(canvas, 400, kY, k.q);
        EquipotentialSinkInStream(canvas, 400, kY, k.q);
        if (k.lines > 0)
            EXPECT_EQ(lines.ends.size(), 2 * k.lines) << k.increment << k.width;
        else
            EXPECT_GE(lines.ends.size(), 2u);
    }
}

TEST_F(SourceInStreamTest, LargeFieldRunsToItsEnd) {
    fake.field.widthText = "2000";
    EquipotentialSourceInStream(canvas, 100, kY, 3000);
    ASSERT_FALSE(lines.ends.empty());
    EXPECT_GT(lines.line(lines.ends.size() - 1).back().a.x, 2000);
    EXPECT_LE(lines.line(lines.ends.size() - 2).back().a.x, 2000);
}

}  // namespace
}  // namespace flow
