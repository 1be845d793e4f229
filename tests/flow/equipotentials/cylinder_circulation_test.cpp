#include "flow/equipotentials/cylinder_circulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "fake_settings.h"
#include "recording_surface.h"

namespace flow {
namespace {

using test::Op;
using test::Segment;

constexpr int kX = 400, kY = 300, kR = 100;  // centre of the default 800 x 600 field

struct CirculationRun {
    test::FakeSettings fake;
    test::RecordingSurface surface;
    Settings settings = fake.settings();
    Canvas canvas{surface, settings, fake.gauge};

    void draw(int R = kR) { EquipotentialCylinderCirculation(canvas, R, kX, kY); }
    long countReads(const char* name) const {
        return std::count(fake.reads.begin(), fake.reads.end(), name);
    }
};

bool hasSegment(const std::vector<Segment>& segments, Point from, Point to) {
    return std::any_of(segments.begin(), segments.end(),
                       [&](const Segment& s) { return s.from == from && s.to == to; });
}

TEST(EquipotentialCylinderCirculation, LineZeroLiesInTheLowerHalfAndStartsOnTheCircle) {
    CirculationRun run;
    run.fake.field.widthText = "40";  // below A: only c = 0 in each half
    run.fake.equi.width = 2;
    run.draw();
    // Gamma = 1000: k / (2 cos) first reaches R at 49 degrees, (a, b) = (86, 99),
    // circle foot (66, 75); the next degree gives (96, 114).
    const std::vector<Segment> segments = run.surface.segments();
    ASSERT_GE(segments.size(), 4u);
    EXPECT_EQ(segments[0].from, (Point{314, 399}));
    EXPECT_EQ(segments[0].to, (Point{334, 375}));
    EXPECT_EQ(segments[1].from, (Point{486, 399}));
    EXPECT_EQ(segments[1].to, (Point{466, 375}));
    EXPECT_EQ(segments[2].from, (Point{314, 399}));
    EXPECT_EQ(segments[2].to, (Point{304, 414}));
    EXPECT_EQ(segments[3].from, (Point{486, 399}));
    EXPECT_EQ(segments[3].to, (Point{496, 414}));
    for (const Segment& s : segments) {
        EXPECT_GE(std::min(s.from.y, s.to.y), kY + 75) << s;
        EXPECT_EQ(s.width, 2);
    }
    EXPECT_EQ(run.fake.gauge.total, 2 * 2);
}

TEST(EquipotentialCylinderCirculation, UpperLineFromTheAxisEndsJoinedToTheCircle) {
    CirculationRun run;
    run.fake.equi.step = 250;
    run.fake.field.widthText = "250";  // c = 0 and 250 in each half
    run.draw();
    const std::vector<Segment> segments = run.surface.segments();
    // c = 250 starts at (200, 0) offsets, 1 degree at (196, 3).
    EXPECT_TRUE(hasSegment(segments, {200, 300}, {204, 297}));
    EXPECT_TRUE(hasSegment(segments, {600, 300}, {596, 297}));
    // The rays stop meeting it after 24 degrees, (99, 44), foot (91, 41).
    EXPECT_TRUE(hasSegment(segments, {301, 256}, {309, 259}));
    EXPECT_TRUE(hasSegment(segments, {499, 256}, {491, 259}));
    const auto upper = std::count_if(segments.begin(), segments.end(), [](const Segment& s) {
        return std::max(s.from.y, s.to.y) <= kY;
    });
    EXPECT_EQ(upper, 2 * 24 + 2);  // chords 0..24 on both sides and the end join
}

TEST(EquipotentialCylinderCirculation, UpperLineMeetingTheRaysAgainIsJoinedAtBothGaps) {
    CirculationRun run;
    run.fake.field.widthText = "300";
    run.draw(130);
    const std::vector<Segment> segments = run.surface.segments();
    // c = 300, R = 130: the rays meet the line up to 20 degrees, (126, 46) with
    // foot (122, 45), and again from 58 degrees, (78, 124) with foot (69, 110).
    EXPECT_TRUE(hasSegment(segments, {274, 254}, {278, 255}));
    EXPECT_TRUE(hasSegment(segments, {526, 254}, {522, 255}));
    EXPECT_TRUE(hasSegment(segments, {322, 176}, {331, 190}));
    EXPECT_TRUE(hasSegment(segments, {478, 176}, {469, 190}));
    EXPECT_TRUE(hasSegment(segments, {322, 176}, {320, 167}));
}

TEST(EquipotentialCylinderCirculation, NoEndJoinBeforeTwoDegrees) {
    CirculationRun run;
    run.fake.field.widthText = "200";
    run.draw(99);
    // c = 200 with R = 99 meets only the ray at 0 degrees in the upper half,
    // (114, 0); neither join applies there, so nothing runs along the axis.
    for (const Segment& s : run.surface.segments())
        EXPECT_FALSE(s.from.y == kY && s.to.y == kY) << s;
}

TEST(EquipotentialCylinderCirculation, HalvesAreMirroredLeftToRight) {
    CirculationRun run;
    run.draw();
    std::vector<Segment> drawn = run.surface.segments(), mirrored;
    ASSERT_FALSE(drawn.empty());
    for (Segment s : drawn) {
        s.from.x = 2 * kX - s.from.x;
        s.to.x = 2 * kX - s.to.x;
        mirrored.push_back(s);
    }
    auto byPoints = [](const Segment& l, const Segment& r) {
        return std::tie(l.from.x, l.from.y, l.to.x, l.to.y) <
               std::tie(r.from.x, r.from.y, r.to.x, r.to.y);
    };
    std::sort(drawn.begin(), drawn.end(), byPoints);
    std::sort(mirrored.begin(), mirrored.end(), byPoints);
    EXPECT_EQ(drawn, mirrored);
}

TEST(EquipotentialCylinderCirculation, NoChordAcrossAJumpOfWOrMore) {
    CirculationRun run;
    run.draw();
    const std::vector<Segment> segments = run.surface.segments();
    for (const Segment& s : segments) EXPECT_LT(std::abs(s.to.y - s.from.y), 800) << s;
    // Lower line c = 800 at 88 and 89 degrees: b jumps from 29256 to 57405.
    EXPECT_FALSE(hasSegment(segments, {-644, 29556}, {-647, 57705}));
}

TEST(EquipotentialCylinderCirculation, LineValuesRunUpToTheFieldWidth) {
    CirculationRun run;
    run.draw();
    // W = 800, A = 50: c = 0 .. 800, 17 lines per half, 2 gauge steps each.
    EXPECT_EQ(run.fake.gauge.total, 2 * 17 * 2);
    EXPECT_EQ(run.countReads("equi.increment"), 2 * 17);
    EXPECT_EQ(run.countReads("field.width"), 1 + 2 * 17);
    EXPECT_EQ(run.countReads("cylinder.circulation"), 1);
    EXPECT_EQ(run.countReads("equi.count"), 0);
    EXPECT_EQ(run.countReads("field.height"), 0);

    CirculationRun fewer;
    fewer.fake.equi.count = 1;
    fewer.draw();
    EXPECT_EQ(fewer.surface.segments(), run.surface.segments());

    // An increment that does not raise c (beyond the dialog's 5..50) ends
    // each half after the line c = 0 instead of repeating it forever.
    CirculationRun still;
    still.fake.equi.step = 0;
    still.draw();
    EXPECT_EQ(still.fake.gauge.total, 2 * 2);
}

// Field width that turns into a bad text at one read.
struct FieldFailingAt : FieldSettings {
    explicit FieldFailingAt(int failingRead) : failingRead(failingRead) {}
    int width() const override {
        if (++reads == failingRead) throw ConversionError("8OO");
        return 800;
    }
    int height() const override { return 600; }
    int failingRead;
    mutable int reads = 0;
};

TEST(EquipotentialCylinderCirculation, BadFieldTextStopsTheRunAndKeepsTheLines) {
    CirculationRun complete;
    complete.draw();

    CirculationRun run;
    // Read 1 comes before drawing, then one after each line: 17 upper lines,
    // so read 20 follows the second lower line.
    FieldFailingAt field(20);
    const Settings settings{run.fake.stream,     run.fake.equi,        field,
                            run.fake.sourceSink, run.fake.streamSpeed, run.fake.vortexSource,
                            run.fake.cylinder,   run.fake.vectorStyle, run.fake.vectorScale};
    const Canvas canvas{run.surface, settings, run.fake.gauge};
    try {
        EquipotentialCylinderCirculation(canvas, kR, kX, kY);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'8OO' is not a valid integer value");
    }
    const auto drawn = run.surface.segments();
    const auto all = complete.surface.segments();
    ASSERT_FALSE(drawn.empty());
    ASSERT_LT(drawn.size(), all.size());
    EXPECT_TRUE(std::equal(drawn.begin(), drawn.end(), all.begin()));
    EXPECT_EQ(run.fake.gauge.total, 2 * (17 + 2));
}

}  // namespace
}  // namespace flow
