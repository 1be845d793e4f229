#include "flow/streamlines/single_elements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "streamline_test_support.h"

namespace flow {
namespace {

using test::Arrowhead;
using test::FakeSettings;
using test::RecordingSurface;
using test::Segment;

constexpr Color kRed = Color::fromRgb(255, 0, 0);

TEST(StreamPointSource, DrawsTheFirstRayAndItsArrowheadsExactly) {
    FakeSettings fake;
    fake.stream.count = 1;
    RecordingSurface s;
    Settings set = fake.settings();
    StreamPointSource(Canvas{s, set, fake.gauge}, 400, 300);
    const auto segs = s.segments();
    ASSERT_EQ(segs.size(), 1u + 4 * 3);
    EXPECT_EQ(segs[0], (Segment{{400, 300}, {1200, 300}, kRed, 1, PenStyle::Solid}));
    // Heading 0, half-angle 20: corners 9 back and 3 to either side.
    EXPECT_EQ(segs[1].from, (Point{500, 300}));
    EXPECT_EQ(segs[1].to, (Point{491, 303}));
    EXPECT_EQ(segs[2].to, (Point{491, 297}));
    EXPECT_EQ(segs[3].from, (Point{491, 303}));
    EXPECT_EQ(segs[3].to, (Point{491, 297}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(segs[1 + 3 * i].from, (Point{500 + 200 * i, 300}));
}

TEST(StreamPointSource, SpreadsRaysOver628RadiansWithArrowsOnEveryRay) {
    FakeSettings fake;
    fake.stream.count = 4;
    const auto heads =
        test::arrowheadsOf(fake, [](const Canvas& c) { StreamPointSource(c, 400, 300); });
    ASSERT_EQ(heads.size(), 16u);
    // The second ray, 1.57 radians up: end (400 + Round(0.637), 300 - 800).
    fake.stream.arrows = false;
    const auto segs = test::drawn(fake, [](const Canvas& c) { StreamPointSource(c, 400, 300); });
    EXPECT_EQ(segs[1].to, (Point{401, -500}));
    // Its arrowheads point up, away from the centre: corners below the tip.
    for (int i = 4; i < 8; ++i) {
        EXPECT_GT(heads[i].cornerPlus.y, heads[i].tip.y);
        EXPECT_GT(heads[i].cornerMinus.y, heads[i].tip.y);
    }
}

TEST(StreamPointSource, ArrowheadsPerRayFollowTheFieldWidth) {
    for (auto [width, perRay] : {std::pair{"800", 4}, {"500", 2}, {"100", 0}, {"-300", 0}}) {
        FakeSettings fake;
        fake.stream.count = 3;
        fake.field.widthText = width;
        const auto heads =
            test::arrowheadsOf(fake, [](const Canvas& c) { StreamPointSource(c, 400, 300); });
        EXPECT_EQ(heads.size(), 3u * perRay) << width;
    }
}

TEST(StreamPointSource, ReadsTheFieldWidthOnceAndTheArrowFlagPerRay) {
    FakeSettings fake;
    fake.stream.count = 2;
    RecordingSurface s;
    Settings set = fake.settings();
    StreamPointSource(Canvas{s, set, fake.gauge}, 0, 0);
    EXPECT_EQ(fake.reads, (test::ReadLog{"stream.width", "stream.color", "stream.count",
                                         "field.width", "stream.arrows", "stream.arrows"}));
}

TEST(StreamVortex, SkipsCirclesAsWideAsTheFieldButKeepsTheirArrowheads) {
    FakeSettings fake;  // A = 50, N = 20, W = 800
    RecordingSurface s;
    Settings set = fake.settings();
    StreamVortex(Canvas{s, set, fake.gauge}, 400, 300);
    std::vector<std::int64_t> radii;
    for (const auto& op : s.ops()) {
        if (op.kind != test::Op::Ellipse) continue;
        EXPECT_TRUE(op.brushClear);
        EXPECT_EQ(op.a.x + op.b.x, 800);
        EXPECT_EQ(op.b.y - op.a.y, op.b.x - op.a.x);
        radii.push_back((op.b.x - op.a.x) / 2);
    }
    std::vector<std::int64_t> expected;
    for (int r = 50; r <= 750; r += 50) expected.push_back(r);
    EXPECT_EQ(radii, expected);
    EXPECT_EQ(s.segments().size(), 20u * 4 * 3);
}

TEST(StreamVortex, PutsFourCounterclockwiseArrowheadsOnEachCircle) {
    FakeSettings fake;
    fake.stream.count = 1;
    RecordingSurface s;
    Settings set = fake.settings();
    StreamVortex(Canvas{s, set, fake.gauge}, 400, 300);
    const auto segs = s.segments();
    ASSERT_EQ(segs.size(), 12u);
    // Lower-right, upper-right, upper-left, lower-left of the circle r = 50.
    EXPECT_EQ(segs[0].from, (Point{435, 335}));
    EXPECT_EQ(segs[3].from, (Point{435, 265}));
    EXPECT_EQ(segs[6].from, (Point{365, 265}));
    EXPECT_EQ(segs[9].from, (Point{365, 335}));
    // Heading 45 at the lower right: the arrow points up and to the right.
    EXPECT_EQ(segs[0].to, (Point{431, 344}));
    EXPECT_EQ(segs[1].to, (Point{426, 339}));
}

TEST(StreamVortex, AFieldWidthThatIsNoIntegerStopsTheRoutineAndKeepsTheLines) {
    FakeSettings fake;
    test::FieldGoingBad field(3);
    RecordingSurface s;
    Settings set = test::withField(fake, field);
    try {
        StreamVortex(Canvas{s, set, fake.gauge}, 400, 300);
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    EXPECT_EQ(std::count_if(s.ops().begin(), s.ops().end(),
                            [](const test::Op& op) { return op.kind == test::Op::Ellipse; }),
              3);
    EXPECT_EQ(s.segments().size(), 3u * 4 * 3);
    EXPECT_EQ(fake.gauge.total, 12);
}

TEST(StreamDipole, DrawsCirclesOfGrowingDiameterAboveAndBelow) {
    FakeSettings fake;  // M = 50, A = 50, N = 20
    fake.stream.arrows = false;
    const auto segs = test::drawn(fake, [](const Canvas& c) { StreamDipole(c, 400, 300, 50); });
    ASSERT_EQ(segs.size(), 20u * 181 * 2);
    // The first chord starts at the centre: rho = 50 sin(theta(1)) = 0.87.
    EXPECT_EQ(segs[0].from, (Point{400, 300}));
    EXPECT_EQ(segs[0].to, (Point{399, 300}));
    for (int line = 0; line < 20; ++line) {
        std::int64_t top = 300, bottom = 300;
        // Upper and lower chords alternate.
        for (int i = 0; i < 181 * 2; i += 2) {
            top = std::min(top, segs[line * 181 * 2 + i].to.y);
            bottom = std::max(bottom, segs[line * 181 * 2 + i + 1].to.y);
        }
        EXPECT_EQ(top, 300 - 50 * (line + 1));
        EXPECT_EQ(bottom, 300 + 50 * (line + 1));
    }
}

TEST(StreamDipole, PointsItsArrowheadsLeftAtTopAndBottom) {
    FakeSettings fake;
    fake.stream.count = 2;
    const auto heads =
        test::arrowheadsOf(fake, [](const Canvas& c) { StreamDipole(c, 400, 300, 50); });
    ASSERT_EQ(heads.size(), 4u);
    EXPECT_EQ(heads[0].tip, (Point{400, 250}));
    EXPECT_EQ(heads[0].cornerPlus, (Point{410, 247}));
    EXPECT_EQ(heads[0].cornerMinus, (Point{410, 253}));
    EXPECT_EQ(heads[1].tip, (Point{400, 350}));
    EXPECT_EQ(heads[2].tip, (Point{400, 200}));
    EXPECT_EQ(heads[3].tip, (Point{400, 400}));
}

TEST(StreamVortexSource, StartsAtTheBoundaryAndEndsBeyondTheFieldDiagonal) {
    FakeSettings fake;  // Q = Gamma = 1000
    fake.stream.count = 1;
    fake.stream.arrows = false;
    const auto segs =
        test::drawn(fake, [](const Canvas& c) { StreamVortexSource(c, 400, 300, 10); });
    ASSERT_FALSE(segs.empty());
    // rho = exp(theta) first exceeds 10 at step 132.
    EXPECT_EQ(segs[0], (Segment{{407, 293}, {407, 293}, kRed, 1, PenStyle::Solid}));
    const Point centre{400, 300};
    for (const Segment& seg : segs) EXPECT_GT(test::distance(seg.from, centre), 9);
    EXPECT_GT(test::distance(segs.back().to, centre), 999);
    EXPECT_LT(test::distance(segs[segs.size() - 2].to, centre), 1001);
}

TEST(StreamVortexSource, PutsArrowheadsBeyondRadius100ThenEvery150) {
    FakeSettings fake;
    fake.stream.count = 2;
    const auto heads =
        test::arrowheadsOf(fake, [](const Canvas& c) { StreamVortexSource(c, 400, 300, 10); });
    const Point centre{400, 300};
    // Per spiral: beyond 100, 250, 400, ... and out to the diagonal 1000; a
    // tip landing on an axis through the centre gets no arrowhead.
    std::vector<double> radii;
    for (const Arrowhead& h : heads) radii.push_back(test::distance(h.tip, centre));
    ASSERT_GE(radii.size(), 8u);
    EXPECT_GT(radii[0], 99);
    EXPECT_LT(radii[0], 104);
    EXPECT_GT(radii[1], 249);
    EXPECT_LT(radii[1], 256);
    // Every arrowhead points along its spiral: outwards and clockwise on the
    // screen, so its corners lie nearer the centre than its tip.
    for (const Arrowhead& h : heads) {
        const Point mid{(h.cornerPlus.x + h.cornerMinus.x) / 2,
                        (h.cornerPlus.y + h.cornerMinus.y) / 2};
        EXPECT_LT(test::distance(mid, centre), test::distance(h.tip, centre)) << h.tip;
        const double cross = static_cast<double>((h.tip.x - centre.x) * (h.tip.y - mid.y) -
                                                 (h.tip.y - centre.y) * (h.tip.x - mid.x));
        EXPECT_GT(cross, 0) << h.tip;
    }
}

TEST(StreamVortexSource, EndsForTheSlowestSpiralsTheDialogsAllow) {
    FakeSettings fake;
    fake.vortexSource.q = 100;
    fake.vortexSource.gamma = 3000;
    fake.stream.count = 150;
    fake.stream.step = 100;
    RecordingSurface s(RecordingSurface::Keep::CountOnly);
    Settings set = fake.settings();
    StreamVortexSource(Canvas{s, set, fake.gauge}, 400, 300, 10);
    EXPECT_GT(s.lineCount(), 150 * 1000);
    EXPECT_EQ(fake.gauge.total, 600);
}

TEST(StreamVortexSource, DrawsNothingWhenTheRadiusCannotGrow) {
    for (auto [q, gamma] : {std::pair{1000, 0}, {0, 1000}, {-100, 1000}, {100, -30}, {0, 0}}) {
        FakeSettings fake;
        fake.vortexSource.q = q;
        fake.vortexSource.gamma = gamma;
        fake.stream.count = 3;
        RecordingSurface s;
        Settings set = fake.settings();
        StreamVortexSource(Canvas{s, set, fake.gauge}, 400, 300, 10);
        EXPECT_TRUE(s.segments().empty()) << q << " " << gamma;
        EXPECT_EQ(fake.gauge.total, 12);
    }
}

}  // namespace
}  // namespace flow
