// The speed and pressure maps: values at known points, against the field,
// at singular points, with any number of threads; their colours and legend.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

#include "flow/maps/automatic_range.h"
#include "flow/maps/legend.h"
#include "flow/maps/map_colouring.h"

namespace flow::maps {
namespace {

namespace sp = superposition;

// A cylinder of radius 100 in a stream of speed 2 with its centre on a
// pixel's centre, so that pixels' centres fall on its stagnation points.
std::vector<sp::Element> cylinderAt400() {
    return {sp::stream(2, 0), sp::dipole(400.5, 300.5, 2 * std::numbers::pi * 2 * 100 * 100, 180)};
}

std::vector<sp::Element> scattered(int count) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> x(0, 200), q(-2000, 2000);
    std::vector<sp::Element> elements{sp::stream(1.5, 20)};
    for (int i = 0; i < count; ++i) {
        const double s = q(random);
        elements.push_back(i % 4 == 0   ? sp::vortex(x(random), x(random), s)
                           : i % 4 == 1 ? sp::source(x(random), x(random), s)
                           : i % 4 == 2 ? sp::dipole(x(random), x(random), 40 * s, s / 10)
                                        : sp::vortexSource(x(random), x(random), s, -s));
    }
    return elements;
}

int luma(std::uint32_t argb) {
    return (299 * (argb >> 16 & 0xFF) + 587 * (argb >> 8 & 0xFF) + 114 * (argb & 0xFF)) / 1000;
}

TEST(ValueMap, KnownPointsOfTheCylinderAndTheirColours) {
    const auto pressure = valueMap(cylinderAt400(), 800, 600, MapQuantity::Pressure);
    const auto speed = valueMap(cylinderAt400(), 800, 600, MapQuantity::Speed, 1);
    ASSERT_TRUE(pressure && speed);
    EXPECT_EQ(pressure->streamSpeed, 2);
    for (const int x : {300, 500}) EXPECT_NEAR(pressure->at(x, 300), 1, 1e-6);
    for (const int y : {200, 400}) {
        EXPECT_NEAR(pressure->at(400, y), -3, 1e-6);
        EXPECT_NEAR(speed->at(400, y), 2, 1e-6);  // |V| / U
    }
    EXPECT_NEAR(pressure->at(0, 0), 0, 0.05);
    const std::vector<Circle> body{{{400.5, 300.5}, 100}};
    const ColouredMap automatic = colourMap(*pressure, {}, body);
    EXPECT_EQ(automatic.mapping.range().high, 1);
    EXPECT_EQ(automatic.pixels[300 * 800 + 300], scaleColour(ColourScale::Diverging, 1));
    EXPECT_EQ(automatic.pixels[300 * 800 + 400], 0xFFFFFFFFu);  // inside the body
    const ColouredMap fixed = colourMap(*pressure, {MapRange{-3, 1}, 8}, body);
    EXPECT_EQ(fixed.pixels[200 * 800 + 400], scaleColour(ColourScale::Diverging, 1 / 16.0));
    const MapRange speeds = automaticRange(*speed, body);
    EXPECT_EQ(speeds.low, 0);
    EXPECT_GT(speeds.high, 1.95);  // the top and bottom of the cylinder, 2 U
    EXPECT_LE(speeds.high, 2);
    EXPECT_GT(automatic.mapping.range().low, -3);
    EXPECT_LT(automatic.mapping.range().low, -2.8);
}

TEST(ValueMap, AgreesWithTheFieldIsFiniteAtSingularPointsAndIgnoresThreads) {
    // Elements on pixels' centres put singular points under them.
    std::vector<sp::Element> elements = scattered(40);
    for (const auto& e : {sp::source(10.5, 10.5, 900), sp::vortex(20.5, 10.5, 500),
                          sp::dipole(30.5, 10.5, 9000, 45), sp::vortexSource(40.5, 10.5, 300, 300)})
        elements.push_back(e);
    const auto one = valueMap(elements, 203, 151, MapQuantity::Speed, 1);
    const sp::Field field(elements);
    for (const auto& [x, y] : {std::pair{0, 0}, {202, 150}, {77, 91}, {150, 3}}) {
        const sp::ScreenVelocity v = sp::velocityAt(field, x + 0.5, y + 0.5);
        EXPECT_NEAR(one->at(x, y), std::hypot(v.dx, v.dy) / 1.5, 1e-5 * one->at(x, y));
    }
    for (const int threads : {2, 3}) {
        const auto many = valueMap(elements, 203, 151, MapQuantity::Speed, threads);
        EXPECT_EQ(many->values, one->values) << threads;
    }
    const auto cp = valueMap(elements, 203, 151, MapQuantity::Pressure);
    for (const int x : {10, 20, 30, 40}) {
        EXPECT_EQ(one->at(x, 10), std::numeric_limits<float>::max());
        EXPECT_EQ(cp->at(x, 10), std::numeric_limits<float>::lowest());
    }
    for (const float v : cp->values) ASSERT_TRUE(std::isfinite(v));
    const ColouredMap coloured = colourMap(*cp, {}, {}, 2);
    for (const std::uint32_t p : coloured.pixels) ASSERT_EQ(p >> 24, 0xFFu);
    EXPECT_EQ(colourMap(*cp, {}, {}, 1).pixels, coloured.pixels);
    EXPECT_FALSE(valueMap({sp::vortex(5, 5, 100)}, 10, 10, MapQuantity::Pressure));
}

TEST(ColourScales, LighterIsAlwaysLargerAndPressureIsGreyAtZero) {
    for (const MapQuantity q : {MapQuantity::Speed, MapQuantity::Pressure}) {
        const std::vector<std::uint32_t> bands = ScaleMapping(q, {-2, 2}, kMostBands).colours();
        for (std::size_t k = 1; k < bands.size(); ++k)
            EXPECT_GT(luma(bands[k]), luma(bands[k - 1]) + 2) << k;
    }
    const std::uint32_t middle = ScaleMapping(MapQuantity::Pressure, {-3, 1}, 5).colours()[2];
    EXPECT_EQ(middle >> 16 & 0xFF, middle & 0xFF);
    EXPECT_EQ(middle >> 8 & 0xFF, middle & 0xFF);
}

TEST(Legend, TicksAtRoundValuesOrBandEdges) {
    struct Case {
        MapQuantity quantity;
        MapRange range;
        int bands;
        std::vector<std::string> texts;
    };
    const std::vector<Case> cases{
        {MapQuantity::Pressure, {-3, 1}, 0, {"-3", "-2", "-1", "0", "0.5", "1"}},
        {MapQuantity::Speed, {0, 1.87}, 0, {"0", "0.5", "1", "1.5", "1.87"}},
        {MapQuantity::Speed, {0, 2.5}, 5, {"0", "0.5", "1", "1.5", "2", "2.5"}},
        {MapQuantity::Pressure,
         {-9.5, 1},
         6,
         {"-9.5", "-6.33", "-3.17", "0", "0.333", "0.667", "1"}},
        {MapQuantity::Speed,
         {0, 1e4},
         19,
         {"0", "1050", "2110", "3160", "4210", "5260", "6320", "7370", "8420", "10000"}},
    };
    for (const Case& c : cases) {
        const Legend legend = legendOf(ScaleMapping(c.quantity, c.range, c.bands));
        std::vector<std::string> texts;
        for (const LegendTick& t : legend.ticks) texts.push_back(t.text);
        EXPECT_EQ(texts, c.texts);
        EXPECT_EQ(legend.colours.size(), c.bands ? c.bands : kScaleSteps);
        EXPECT_EQ(legend.ticks.front().position, 0);
        EXPECT_EQ(legend.ticks.back().position, 1);
    }
    EXPECT_EQ(tickText(2.5e-5), "2.5e-05");
    EXPECT_EQ(tickText(-0.0123456), "-0.0123");
    EXPECT_EQ(tickText(999.7), "1000");
}

}  // namespace
}  // namespace flow::maps
