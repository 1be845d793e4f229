// Time marks against the exact motion: a uniform stream, a source, the
// surface of a cylinder; and marks along a routine's own streamlines.
#include "flow/time_marks/time_marks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "fake_settings.h"
#include "flow/maps/closed_form_elements.h"
#include "flow/streamlines/combined_flows.h"
#include "flow/velocity/element_picture_flow.h"

namespace flow::time_marks {
namespace {

namespace sp = superposition;
using maps::PicturePoint;
constexpr double kPi = std::numbers::pi;

// A straight line from `from` to `to` in chords of about `chord` pixels.
Polyline straight(PicturePoint from, PicturePoint to, double chord) {
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    const int n = static_cast<int>(std::ceil(length / chord));
    Polyline line;
    for (int i = 0; i <= n; ++i)
        line.push_back({from.x + (to.x - from.x) * i / n, from.y + (to.y - from.y) * i / n});
    return line;
}

std::vector<sp::Element> cylinder() {
    VelocityInput in{VelocityConfig::Cylinder, {}, {400, 300}, 1};
    in.R = 100;
    in.U = 1;
    return maps::closedFormElements(in);
}

struct StraightCase {
    const char* name;
    std::vector<sp::Element> elements;
    PicturePoint from, to;  // drawn this way, whichever way the flow goes
    PicturePoint upstream;  // where the marks start
    double dt;
    std::function<double(int)> travelled;  // exact distance from `upstream` after k dt
};

TEST(TimeMarks, LieWhereTheExactMotionTakesAParticle) {
    const double r0 = 20, Q = 1500;
    const double c = std::cos(kPi / 6), s = -std::sin(kPi / 6);
    const std::vector<StraightCase> cases{
        {"stream",
         {sp::stream(2, 0)},
         {0, 100},
         {800, 100},
         {0, 100},
         10,
         [](int k) { return 2 * 10.0 * k; }},
        {"stream drawn backwards",
         {sp::stream(3, 0)},
         {790, 50},
         {0, 50},
         {0, 50},
         7,
         [](int k) { return 3 * 7.0 * k; }},
        {"source",
         {sp::source(400, 300, Q)},
         {400 + r0 * c, 300 + r0 * s},
         {400 + 380 * c, 300 + 380 * s},
         {400 + r0 * c, 300 + r0 * s},
         5,
         [=](int k) { return std::sqrt(r0 * r0 + Q * 5 * k / kPi) - r0; }},
    };
    for (const StraightCase& t : cases) {
        SCOPED_TRACE(t.name);
        const LineMarks m =
            marksAlong(ElementPictureFlow(t.elements), straight(t.from, t.to, 7), t.dt);
        ASSERT_GT(m.marks.size(), 5u);
        EXPECT_FALSE(m.stagnated);
        for (std::size_t k = 0; k < m.marks.size(); ++k)
            EXPECT_NEAR(std::sqrt(maps::squaredDistance(m.marks[k], t.upstream)),
                        t.travelled(static_cast<int>(k)), 0.2);
    }
}

TEST(TimeMarks, TakeTheExactTimeOverACylinderAndStopAtItsFront) {
    // Over the top: speed 2U sin(phi), so ln tan(phi / 2) falls by 2 U t / R.
    const double R = 100, dt = 4, from = 170 * kPi / 180;
    Polyline surface;
    for (double phi = from; phi > 10 * kPi / 180; phi -= kPi / 720)
        surface.push_back({400 + R * std::cos(phi), 300 - R * std::sin(phi)});
    const ElementPictureFlow field(cylinder());
    const LineMarks over = marksAlong(field, surface, dt);
    ASSERT_GT(over.marks.size(), 10u);
    for (std::size_t k = 0; k < over.marks.size(); ++k) {
        const double phi = 2 * std::atan(std::tan(from / 2) * std::exp(-2 * dt * k / R));
        EXPECT_NEAR(over.marks[k].x, 400 + R * std::cos(phi), 0.2) << k;
        EXPECT_NEAR(over.marks[k].y, 300 - R * std::sin(phi), 0.2) << k;
    }
    // Along the axis into the front stagnation point: the marks crowd and stop.
    const LineMarks front = marksAlong(field, straight({0, 300}, {300, 300}, 5), dt);
    EXPECT_TRUE(front.stagnated);
    ASSERT_GT(front.marks.size(), 3u);
    EXPECT_LT(front.marks.back().x, 300);
    const auto gap = [&](std::size_t k) { return front.marks[k + 1].x - front.marks[k].x; };
    EXPECT_LT(gap(front.marks.size() - 2), gap(0) / 2);
}

TEST(TimeMarks, OnARoutinesStreamlinesStayOutsideTheBody) {
    test::FakeSettings fake;
    fake.stream.arrows = false;
    test::FakeGauge gauge;
    LineCapture capture;
    const Settings settings = fake.settings();
    StreamCylinder({capture, settings, gauge}, 100, 400, 300);
    // Upper and lower half of each of the 20 lines, each captured whole.
    EXPECT_EQ(capture.lines().size(), 40u);
    const std::vector<Polyline> lines = partsWithin(capture.lines(), {0, 0, 799, 599});
    const ElementPictureFlow field(cylinder());
    std::size_t marks = 0;
    for (const Polyline& line : lines)
        for (const PicturePoint p : marksAlong(field, line, 10).marks) {
            EXPECT_GE(std::sqrt(maps::squaredDistance(p, {400, 300})), 99);
            ++marks;
        }
    EXPECT_GT(marks, 500u);
}

}  // namespace
}  // namespace flow::time_marks
