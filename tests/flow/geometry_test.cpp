#include "flow/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "flow/arrowhead.h"
#include "recording_surface.h"

namespace flow {
namespace {

TEST(StrToInt, AcceptsBlanksSignsAndHex) {
    EXPECT_EQ(strToInt("  -12"), -12);
    EXPECT_EQ(strToInt("+7"), 7);
    EXPECT_EQ(strToInt("$1F"), 31);
    EXPECT_EQ(strToInt("-$ff"), -255);
    EXPECT_EQ(strToInt("0"), 0);
    EXPECT_EQ(strToInt("2147483647"), 2147483647);
    EXPECT_EQ(strToInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(strToInt("$7FFFFFFF"), 2147483647);
}

TEST(StrToInt, RejectsEverythingElseWithTheUsersMessage) {
    for (const char* bad : {"$", "+", "-", "", " ", "2147483648", "-2147483649", "12 ", "1.5",
                            "abc", "$G", "ISTOK", "99999999999999999999", "1e3", "--1"}) {
        EXPECT_FALSE(isInteger(bad)) << bad;
        try {
            strToInt(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST(RoundTest, HalvesGoToTheEvenNeighbourSymmetrically) {
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(-3.5), -4);
    EXPECT_EQ(Round(0.49999999999999994), 0);
    EXPECT_EQ(Round(-0.6), -1);
}

TEST(RoundTest, IsDefinedForHugeAndOddValues) {
    EXPECT_EQ(Round(1e300), kRoundLimit);
    EXPECT_EQ(Round(-1e300), -kRoundLimit);
    EXPECT_EQ(Round(std::numeric_limits<double>::infinity()), kRoundLimit);
    EXPECT_EQ(Round(std::nan("")), 0);
    EXPECT_EQ(Round(1e15 + 0.5), 1000000000000000);  // even neighbour
    EXPECT_EQ(Round(-123456789012.0), -123456789012);
}

TEST(Angles, UseTheTruncatedPi) {
    EXPECT_DOUBLE_EQ(theta(180), 3.14);
    EXPECT_DOUBLE_EQ(theta(90), 1.57);
    EXPECT_NEAR(toDegrees(3.14), 180.0, 1e-12);
}

TEST(PolarPoints, FlowAxesPointLeftAndUp) {
    EXPECT_EQ(upperPoint(400, 300, 100, 0), (Point{300, 300}));
    EXPECT_EQ(upperPoint(400, 300, 100, 1.57), (Point{400, 200}));
    EXPECT_EQ(lowerPoint(400, 300, 100, 1.57), (Point{400, 400}));
}

TEST(Arrowheads, DrawTipToCornersThenCornerToCorner) {
    test::RecordingSurface s;
    headingArrowhead(s, {100, 100}, 0, 20);
    // Heading 0 points right: corners behind the tip, above and below.
    const auto seg = s.segments();
    ASSERT_EQ(seg.size(), 3u);
    const Point plus{91, 103}, minus{91, 97};  // 10*cos20 = 9.40, 10*sin20 = 3.42
    EXPECT_EQ(seg[0].from, (Point{100, 100}));
    EXPECT_EQ(seg[0].to, plus);
    EXPECT_EQ(seg[1].from, (Point{100, 100}));
    EXPECT_EQ(seg[1].to, minus);
    EXPECT_EQ(seg[2].from, plus);
    EXPECT_EQ(seg[2].to, minus);

    s.clear();
    screenAngleArrowhead(s, {100, 100}, 90, 20);  // pointing down the screen
    const auto down = s.segments();
    EXPECT_EQ(down[0].to, (Point{103, 91}));
    EXPECT_EQ(down[1].to, (Point{97, 91}));

    s.clear();
    headingArrowhead(s, {100, 100}, 90, 20);  // pointing up the screen
    EXPECT_EQ(s.segments()[0].to, (Point{103, 109}));
}

}  // namespace
}  // namespace flow
