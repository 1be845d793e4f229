#include "flow/airfoil/airfoil_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fake_settings.h"
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

TEST(AirfoilDrawing, LinesStayOutsideTheClosedOutlineAndMeetTheStagnationPoints) {
    const Case cases[] = {{{400, 0.1, 0.05}, {8, 1, true}},
                          {{400, 0.1, 0.05}, {8, 1, false, 0}},
                          {{300, 0.25, 0.2}, {-10, 2, true}},
                          {{500, 0.2, 0}, {15, 1, false, 3000}},
                          {{900, 0.15, 0.1}, {4, 1, true}}};
    for (const Case& c : cases) {
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

}  // namespace
}  // namespace flow::airfoil
