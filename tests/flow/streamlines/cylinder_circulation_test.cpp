#include "flow/streamlines/cylinder_circulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "fake_settings.h"
#include "recording_surface.h"

namespace flow {
namespace {

using test::Segment;

constexpr int kR = 100, kX = 400, kY = 300;

struct Arrowhead {
    Point tip, plus, minus;
};

Point mirrored(Point p) {
    return {2 * kX - p.x, p.y};
}

double radiusOf(Point p) {
    return std::hypot(double(p.x - kX), double(p.y - kY));
}

// Stream function of the lines at a pixel; it depends on the radius and the
// height above the centre only, so it holds for both halves.
double streamValue(Point p, int gamma, double pi, double lengthUnit) {
    const double rho = radiusOf(p);
    const double height = double(kY - p.y);
    return gamma * std::log(rho / lengthUnit) / (2 * pi) -
           (rho - double(kR) * kR / rho) * height / rho;
}

// Splits a run with arrows on into the run with arrows off plus arrowheads;
// anything else that differs fails the test.
std::vector<Arrowhead> arrowheadsBetween(const std::vector<Segment>& on,
                                         const std::vector<Segment>& off) {
    std::vector<Arrowhead> heads;
    std::size_t i = 0, j = 0;
    while (i < on.size()) {
        if (j < off.size() && on[i] == off[j]) {
            ++i, ++j;
            continue;
        }
        const bool triangle = i + 2 < on.size() && on[i].from == on[i + 1].from &&
                              on[i + 2].from == on[i].to && on[i + 2].to == on[i + 1].to;
        if (!triangle) {
            ADD_FAILURE() << "segment " << i << " is neither a line nor an arrowhead: " << on[i];
            return heads;
        }
        heads.push_back({on[i].from, on[i].to, on[i + 1].to});
        i += 3;
    }
    EXPECT_EQ(j, off.size()) << "arrows on lost line segments";
    return heads;
}

class StreamCylinderCirculationTest : public ::testing::Test {
  protected:
    test::FakeSettings fake;
    test::RecordingSurface surface;
    Settings settings = fake.settings();
    Canvas canvas{surface, settings, fake.gauge};

    void draw() { StreamCylinderCirculation(canvas, kR, kX, kY); }

    std::vector<Segment> drawSegments() {
        surface.clear();
        draw();
        return surface.segments();
    }

    // Segments of the dividing streamline and of the other lines, told apart
    // by a first run whose field leaves no room for the other lines.
    std::pair<std::vector<Segment>, std::vector<Segment>> drawPhases() {
        const std::string width = fake.field.widthText;
        fake.field.widthText = std::to_string(kR);
        const std::vector<Segment> dividing = drawSegments();
        fake.field.widthText = width;
        const std::vector<Segment> all = drawSegments();
        EXPECT_TRUE(std::equal(dividing.begin(), dividing.end(), all.begin()));
        return {dividing, {all.begin() + long(dividing.size()), all.end()}};
    }
};

TEST_F(StreamCylinderCirculationTest, GaugeCountsRingsOfTheDividingStreamlineAndEveryLine) {
    draw();
    EXPECT_EQ(fake.gauge.total, 47);  // 600 div 100 + 1 rings, 2 x 20 lines

    fake.gauge = {};
    fake.field.heightText = "650";
    fake.stream.count = 3;
    StreamCylinderCirculation(canvas, 60, kX, kY);
    EXPECT_EQ(fake.gauge.total, 11 + 6);

    // A negative height rounds down to no ring at all.
    fake.gauge = {};
    fake.field.heightText = "-50";
    surface.clear();
    fake.field.widthText = "0";
    draw();
    EXPECT_EQ(fake.gauge.total, 6);
    EXPECT_TRUE(surface.ops().empty());
}

TEST_F(StreamCylinderCirculationTest, ReadsEverySettingOnceAtTheStartButTheArrowsWhenDue) {
    fake.stream.width = 3;
    fake.stream.color = Color::fromRgb(0, 128, 0);
    draw();
    const test::ReadLog start(fake.reads.begin(), fake.reads.begin() + 7);
    EXPECT_EQ(start,
              (test::ReadLog{"cylinder.circulation", "stream.increment", "stream.count",
                             "field.width", "field.height", "stream.width", "stream.color"}));
    EXPECT_TRUE(std::all_of(fake.reads.begin() + 7, fake.reads.end(),
                            [](std::string_view r) { return r == "stream.arrows"; }));
    const Segment first = surface.segments().front();
    EXPECT_EQ(first.width, 3);
    EXPECT_EQ(first.color, fake.stream.color);
}

TEST_F(StreamCylinderCirculationTest, NonIntegerFieldTextStopsBeforeAnythingIsDrawn) {
    for (auto field : {&test::FakeField::widthText, &test::FakeField::heightText}) {
        test::FakeSettings bad;
        Settings badSettings = bad.settings();
        test::RecordingSurface untouched;
        bad.field.*field = "8O0";
        Canvas badCanvas{untouched, badSettings, bad.gauge};
        try {
            StreamCylinderCirculation(badCanvas, kR, kX, kY);
            ADD_FAILURE() << "no error";
        } catch (const ConversionError& e) {
            EXPECT_STREQ(e.what(), "'8O0' is not a valid integer value");
        }
        EXPECT_TRUE(untouched.ops().empty());
        EXPECT_EQ(bad.gauge.total, 0);
    }
}

TEST_F(StreamCylinderCirculationTest,
       DividingStreamlineRunsAboveTheCylinderOutToRatioKPlusOneHundredth) {
    const auto [dividing, lines] = drawPhases();
    ASSERT_FALSE(dividing.empty());
    double nearest = 1e9, farthest = 0;
    for (const Segment& s : dividing) {
        for (Point p : {s.from, s.to}) {
            EXPECT_LE(p.y, kY);
            nearest = std::min(nearest, radiusOf(p));
            farthest = std::max(farthest, radiusOf(p));
        }
    }
    // With the defaults q stays below 1 down to the cylinder, so it starts at 1.01 R.
    EXPECT_NEAR(nearest, 101, 1);
    EXPECT_NEAR(farthest, 801, 1);
}

TEST_F(StreamCylinderCirculationTest, EveryPointLiesOnItsStreamline) {
    fake.stream.arrows = false;
    const auto [dividing, lines] = drawPhases();
    ASSERT_FALSE(lines.empty());
    for (const Segment& s : dividing) {
        for (Point p : {s.from, s.to}) {
            ASSERT_NEAR(streamValue(p, 1000, 3.141592653589793, kR), 0, 2) << p;
        }
    }
    for (const Segment& s : lines) {
        for (Point p : {s.from, s.to}) {
            const double psi = streamValue(p, 1000, 3.14, 1);
            ASSERT_NEAR(psi, 50 * std::round(psi / 50), 2) << p;
        }
    }
}

TEST_F(StreamCylinderCirculationTest, EveryChordIsFollowedByItsMirrorImage) {
    fake.stream.arrows = false;
    fake.cylinder.gamma = 1700;
    fake.stream.step = 35;
    const std::vector<Segment> segments = drawSegments();
    ASSERT_FALSE(segments.empty());
    ASSERT_EQ(segments.size() % 2, 0u);
    for (std::size_t i = 0; i < segments.size(); i += 2) {
        ASSERT_EQ(segments[i + 1].from, mirrored(segments[i].from)) << i;
        ASSERT_EQ(segments[i + 1].to, mirrored(segments[i].to)) << i;
    }
}

TEST_F(StreamCylinderCirculationTest, LowLineValuesFindNoRadiusAndTheFirstLineStartsNear770) {
    // psi = 0 .. 250 have no valid radius up to W = 800; psi = 300 begins at
    // the top of its line, about 772 pixels above the centre.
    const auto [dividing, lines] = drawPhases();
    ASSERT_FALSE(lines.empty());
    const Point start = lines.front().from;
    EXPECT_NEAR(radiusOf(start), 772, 3);
    EXPECT_NEAR(double(start.x), kX, 4);
    EXPECT_NEAR(streamValue(start, 1000, 3.14, 1), 300, 2);

    fake.stream.count = 3;  // line values 0 .. 250 only
    const auto [onlyDividing, none] = drawPhases();
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(onlyDividing, dividing);
}

TEST_F(StreamCylinderCirculationTest, NarrowFieldDrawsOnlyTheDividingStreamlineWhateverTheCount) {
    fake.field.widthText = std::to_string(kR);
    fake.stream.count = 1;
    const std::vector<Segment> single = drawSegments();
    ASSERT_FALSE(single.empty());
    fake.gauge = {};
    fake.stream.count = 20;
    EXPECT_EQ(drawSegments(), single);
    EXPECT_EQ(fake.gauge.total, 7 + 40);
}

TEST_F(StreamCylinderCirculationTest, ArrowsOffRemovesOnlyTheArrowheads) {
    const std::vector<Segment> on = drawSegments();
    fake.stream.arrows = false;
    const std::vector<Segment> off = drawSegments();
    const std::vector<Arrowhead> heads = arrowheadsBetween(on, off);

    std::vector<Arrowhead> startHeads, lineHeads;
    for (const Arrowhead& h : heads) {
        const bool start =
            h.plus == Point{h.tip.x - 9, h.tip.y + 3} && h.minus == Point{h.tip.x - 9, h.tip.y - 3};
        (start ? startHeads : lineHeads).push_back(h);
    }
    // Each drawn line starts with a rightward arrowhead where it runs
    // level, close to the vertical through the centre.
    ASSERT_FALSE(startHeads.empty());
    EXPECT_LE(startHeads.size(), 40u);
    for (const Arrowhead& h : startHeads) EXPECT_NEAR(double(h.tip.x), kX, 10) << h.tip;
    // Line arrowheads come in pairs: right and down on the left half, right
    // and up at the mirror image.
    ASSERT_FALSE(lineHeads.empty());
    ASSERT_EQ(lineHeads.size() % 2, 0u);
    EXPECT_LE(lineHeads.size(), 2 * startHeads.size());
    for (std::size_t i = 0; i < lineHeads.size(); i += 2) {
        const Arrowhead& left = lineHeads[i];
        const Arrowhead& right = lineHeads[i + 1];
        EXPECT_GT(left.tip.x, 0);
        EXPECT_LT(left.tip.x, kX);
        EXPECT_LT(left.plus.x + left.minus.x, 2 * left.tip.x);
        EXPECT_LE(left.plus.y + left.minus.y, 2 * left.tip.y);
        EXPECT_EQ(right.tip, mirrored(left.tip));
        EXPECT_EQ(right.plus.x - right.tip.x, left.minus.x - left.tip.x);
        EXPECT_EQ(right.plus.y - right.tip.y, left.tip.y - left.minus.y);
        EXPECT_EQ(right.minus.y - right.tip.y, left.tip.y - left.plus.y);
    }
}

TEST_F(StreamCylinderCirculationTest, LargestFieldAndLineCountFinish) {
    // Counted, not kept: the field is too large to record.
    test::RecordingSurface counting(test::RecordingSurface::Keep::CountOnly);
    Canvas large{counting, settings, fake.gauge};
    fake.field.widthText = fake.field.heightText = "16384";
    fake.cylinder.gamma = 2000;
    fake.stream.count = 150;
    fake.stream.step = 5;
    StreamCylinderCirculation(large, 50, kX, kY);
    EXPECT_EQ(fake.gauge.total, 16384 / 50 + 1 + 300);
    EXPECT_GT(counting.lineCount(), 300 * 2 * 10000L);
}

}  // namespace
}  // namespace flow
