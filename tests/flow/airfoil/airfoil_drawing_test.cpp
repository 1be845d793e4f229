#include "flow/airfoil/airfoil_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fake_settings.h"
#include "flow/airfoil/airfoil_map.h"
#include "flow/airfoil/airfoil_picture_flow.h"
#include "flow/maps/automatic_range.h"
#include "flow/time_marks/time_marks.h"
#include "recording_surface.h"

namespace flow::airfoil {
namespace {

using flow::test::FakeSettings;
using flow::test::RecordingSurface;

double distanceToChord(PicturePoint a, PicturePoint b, double x, double y) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(a.x + t * dx - x, a.y + t * dy - y);
}

PicturePoint at(Point p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

// Distance from (x, y) to the polygon's chords, negative inside it
// (infinite outside its bounding box).
double signedDistance(const std::vector<PicturePoint>& polygon, double x, double y) {
    const auto [left, right] = std::minmax_element(polygon.begin(), polygon.end(),
                                                   [](auto a, auto b) { return a.x < b.x; });
    const auto [top, bottom] = std::minmax_element(polygon.begin(), polygon.end(),
                                                   [](auto a, auto b) { return a.y < b.y; });
    if (x < left->x || x > right->x || y < top->y || y > bottom->y) return INFINITY;
    bool inside = false;
    double nearest = INFINITY;
    for (std::size_t k = 1; k < polygon.size(); ++k) {
        const PicturePoint a = polygon[k - 1], b = polygon[k];
        if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y))
            inside = !inside;
        nearest = std::min(nearest, distanceToChord(a, b, x, y));
    }
    return inside ? -nearest : nearest;
}

struct Case {
    AirfoilShape shape;
    AirfoilStream stream;
};

const Case kCases[] = {{{400, 0.1, 0.05}, {8, 1, true}},
                       {{400, 0.1, 0.05}, {8, 1, false, 0}},
                       {{300, 0.25, 0.2}, {-10, 2, true}},
                       {{500, 0.2, 0}, {15, 1, false, 3000}},
                       {{900, 0.15, 0.1}, {4, 1, true}}};

TEST(AirfoilDrawing, LinesStayOutsideTheClosedOutlineAndMeetTheStagnationPoints) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.shape.chord);
        const AirfoilGeometry geometry(c.shape, 800, 600);
        const AirfoilFlow flow(geometry, c.stream);
        const std::vector<PicturePoint> outline = geometry.outline();
        ASSERT_GT(outline.size(), 100u);
        EXPECT_EQ(outline.front().x, outline.back().x);
        EXPECT_EQ(outline.front().y, outline.back().y);

        FakeSettings fake;
        fake.stream.step = fake.equi.step = 30;
        const Settings settings = fake.settings();
        RecordingSurface streamlines, equipotentials;
        EXPECT_EQ(drawAirfoilStreamlines({streamlines, settings, fake.gauge}, flow),
                  Outcome::Drawn);
        EXPECT_EQ(drawAirfoilEquipotentials({equipotentials, settings, fake.gauge}, flow),
                  Outcome::Drawn);
        for (const RecordingSurface* drawn : {&streamlines, &equipotentials}) {
            ASSERT_GT(drawn->segments().size(), 1000u);
            for (const auto& s : drawn->segments()) {
                ASSERT_GT(signedDistance(outline, s.to.x, s.to.y), -1) << s;
            }
        }
        // The dividing streamline runs through every stagnation point in the field.
        for (const Complex z : flow.stagnationPoints()) {
            const PicturePoint p = geometry.circleToPicture(z);
            if (p.x < 0 || p.x > 800 || p.y < 0 || p.y > 600) continue;
            double nearest = INFINITY;
            for (const auto& s : streamlines.segments())
                nearest = std::min(nearest, distanceToChord(at(s.from), at(s.to), p.x, p.y));
            EXPECT_LT(nearest, 1.5) << p.x << " " << p.y;
        }
    }
}

// The pressure map: Cp = 1 at the front stagnation point, the top of the
// automatic range; the inside marked as the body; no NaN. Time marks on the
// streamlines: none inside the outline, crowding at the front stagnation
// point, far apart over the upper surface.
TEST(AirfoilDrawing, PressureMapAndTimeMarks) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.shape.chord);
        const AirfoilGeometry geometry(c.shape, 800, 600);
        const AirfoilFlow flow(geometry, c.stream);
        maps::ValueMap map;
        ASSERT_TRUE(
            maps::fillValueMap(map, airfoilSpeedRows(flow), 800, 600, maps::MapQuantity::Pressure));
        EXPECT_TRUE(map.isInside(400, 300));
        EXPECT_EQ(maps::automaticRange(map).high, 1);
        EXPECT_TRUE(std::none_of(map.values.begin(), map.values.end(),
                                 [](float v) { return std::isnan(v); }));
        const PicturePoint front = geometry.circleToPicture(flow.stagnationPoints().front());
        if (front.x < 2 || front.x > 797 || front.y < 2 || front.y > 597) continue;
        float highest = -1;
        for (int y = front.y - 2; y <= front.y + 2; ++y)
            for (int x = front.x - 2; x <= front.x + 2; ++x)
                if (!map.isInside(x, y)) highest = std::max(highest, map.at(x, y));
        EXPECT_GT(highest, 0.99);

        FakeSettings fake;
        fake.stream.step = 30;
        fake.stream.arrows = false;
        time_marks::LineCapture capture;
        drawAirfoilStreamlines({capture, fake.settings(), fake.gauge}, flow);
        const AirfoilPictureFlow moving(flow);
        double nearFront = INFINITY, overTop = INFINITY;
        int marks = 0;
        for (const time_marks::Polyline& line : capture.lines()) {
            const auto m = time_marks::marksAlong(moving, line, 20).marks;
            marks += static_cast<int>(m.size());
            for (std::size_t k = 0; k < m.size(); ++k) {
                ASSERT_GT(moving.bodyDistance(m[k].x, m[k].y), -0.5) << m[k].x << " " << m[k].y;
                if (k == 0) continue;
                const double gap = std::hypot(m[k].x - m[k - 1].x, m[k].y - m[k - 1].y);
                if (std::hypot(m[k].x - front.x, m[k].y - front.y) < 15)
                    nearFront = std::min(nearFront, gap);
                else if (std::abs(m[k].x - 400) < 50 && m[k].y < 300 &&
                         moving.bodyDistance(m[k].x, m[k].y) < 30)
                    overTop = std::min(overTop, gap);
            }
        }
        EXPECT_GT(marks, 200);
        EXPECT_GT(overTop, 2 * nearFront);
        EXPECT_LT(overTop, INFINITY);
    }
}

}  // namespace
}  // namespace flow::airfoil
