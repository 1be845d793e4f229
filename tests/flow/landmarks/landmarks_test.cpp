// The landmarks against their formulas, against the velocity the program
// shows, and against the lines the streamline routines draw.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "fake_settings.h"
#include "flow/landmarks/flow_landmarks.h"
#include "flow/landmarks/landmark_marks.h"
#include "flow/landmarks/landmark_text.h"
#include "flow/streamlines/combined_flows.h"
#include "flow/streamlines/cylinder_circulation.h"
#include "recording_surface.h"

namespace flow::test {
namespace {

std::vector<Landmark> ofKind(const std::vector<Landmark>& all, LandmarkKind kind) {
    std::vector<Landmark> found;
    std::copy_if(all.begin(), all.end(), std::back_inserter(found),
                 [kind](const Landmark& l) { return l.kind == kind; });
    return found;
}

// Every place must be the same point on the picture and about the centre.
void expectPlace(const Landmark& l, Point centre, double x, double y) {
    ASSERT_TRUE(l.place);
    EXPECT_NEAR(l.place->flow.x, x, 1e-9);
    EXPECT_NEAR(l.place->flow.y, y, 1e-9);
    EXPECT_NEAR(l.place->picture.x, static_cast<double>(centre.x) + x, 1e-9);
    EXPECT_NEAR(l.place->picture.y, static_cast<double>(centre.y) - y, 1e-9);
}

double distanceToSegment(PlanePoint p, const Segment& s) {
    const double ax = static_cast<double>(s.from.x), ay = static_cast<double>(s.from.y);
    const double dx = static_cast<double>(s.to.x) - ax, dy = static_cast<double>(s.to.y) - ay;
    const double length2 = dx * dx + dy * dy;
    const double t =
        length2 == 0 ? 0 : std::clamp(((p.x - ax) * dx + (p.y - ay) * dy) / length2, 0.0, 1.0);
    return std::hypot(p.x - (ax + t * dx), p.y - (ay + t * dy));
}

double distanceToDrawing(PlanePoint p, const std::vector<Segment>& segments) {
    double nearest = std::numeric_limits<double>::infinity();
    for (const Segment& s : segments) nearest = std::min(nearest, distanceToSegment(p, s));
    return nearest;
}

// The speed the program shows for a point, by the velocity's own numbers.
double shownSpeed(VelocityConfig config, Point centre, Point p, int R, int U, int gamma) {
    VelocityInput in{config, p, centre, 10};
    in.R = R;
    in.U = U;
    in.gamma = gamma;
    return VelocityNumbersAt(in)->speed;
}

struct InStream {
    int Q, U;
    bool sink;
};

TEST(ElementInStreamLandmarks, LieWhereTheDividingLineIsDrawn) {
    for (const InStream& c :
         {InStream{1500, 1, false}, InStream{3000, 2, false}, InStream{1000, 7, false},
          InStream{1500, 1, true}, InStream{2500, 3, true}}) {
        SCOPED_TRACE(testing::Message() << "Q=" << c.Q << " U=" << c.U << " sink=" << c.sink);
        const Point centre{400, 300};
        const std::vector<Landmark> all = elementInStreamLandmarks(centre, c.Q, c.U, c.sink);
        const auto stagnation = ofKind(all, LandmarkKind::StagnationPoint);
        ASSERT_EQ(stagnation.size(), 1u);
        // Upstream of a source, downstream of a sink.
        const double distance = c.Q / (2 * std::numbers::pi * c.U);
        expectPlace(stagnation[0], centre, c.sink ? distance : -distance, 0);
        const auto width = ofKind(
            all, c.sink ? LandmarkKind::HalfWidthUpstream : LandmarkKind::HalfWidthDownstream);
        ASSERT_EQ(width.size(), 1u);
        EXPECT_DOUBLE_EQ(width[0].value, c.Q / (2.0 * c.U));

        // Only the dividing line, on a field wide enough for its far end.
        FakeSettings fake;
        fake.stream.count = 1;
        fake.stream.arrows = false;
        fake.streamSpeed.u = c.U;
        fake.field.widthText = fake.field.heightText = "1000000";
        RecordingSurface surface;
        const Settings settings = fake.settings();
        StreamSourceInStream({surface, settings, fake.gauge}, 400, 300, c.Q,
                             c.sink ? kSinkInStream : kSourceInStream);
        std::vector<Segment> line = surface.segments();
        // The routine begins both halves one degree step off the axis; the
        // point lies in the gap between their first ends.
        const PlanePoint point = stagnation[0].place->picture;
        const auto nearer = [&](Point a, Point b) {
            return std::hypot(static_cast<double>(a.x) - point.x,
                              static_cast<double>(a.y) - point.y) <
                   std::hypot(static_cast<double>(b.x) - point.x,
                              static_cast<double>(b.y) - point.y);
        };
        Point nose = line.front().from;
        for (const Segment& s : line) nose = std::min({nose, s.from, s.to}, nearer);
        line.push_back({nose, {nose.x, 2 * centre.y - nose.y}, {}, 1, PenStyle::Solid});
        EXPECT_LE(distanceToDrawing(point, line), 1.0);
        std::int64_t widest = 0;
        for (const Segment& s : line) widest = std::max(widest, std::abs(s.to.y - centre.y));
        EXPECT_NEAR(static_cast<double>(widest), width[0].value, 1.0);
    }
}

TEST(CylinderLandmarks, StagnationInFrontAndBehindAndTwiceTheStreamAtTopAndBottom) {
    for (const auto& [R, U] : {std::pair{100, 1}, std::pair{50, 4}, std::pair{150, 10}}) {
        SCOPED_TRACE(testing::Message() << "R=" << R << " U=" << U);
        const Point centre{300, 250};
        const std::vector<Landmark> all = cylinderLandmarks(centre, R, U);
        const auto stagnation = ofKind(all, LandmarkKind::StagnationPoint);
        ASSERT_EQ(stagnation.size(), 2u);
        expectPlace(stagnation[0], centre, -R, 0);
        expectPlace(stagnation[1], centre, R, 0);
        const auto fastest = ofKind(all, LandmarkKind::GreatestSurfaceSpeed);
        ASSERT_EQ(fastest.size(), 2u);
        expectPlace(fastest[0], centre, 0, R);
        expectPlace(fastest[1], centre, 0, -R);
        for (const Landmark& l : fastest) {
            EXPECT_DOUBLE_EQ(l.value, 2.0 * U);
            // One pixel beside the top: the velocity shown there is nearly 2U.
            const Point beside{Round(l.place->picture.x) + 1, Round(l.place->picture.y)};
            EXPECT_NEAR(shownSpeed(VelocityConfig::Cylinder, centre, beside, R, U, 0), 2.0 * U,
                        0.01 * U);
        }
    }
}

TEST(CirculatingCylinderLandmarks, TwoPointsOnTheCircleOnTheDrawnDividingLine) {
    for (const auto& [R, gamma] :
         {std::pair{100, 1000}, std::pair{100, 300}, std::pair{150, 1800}, std::pair{50, 600}}) {
        SCOPED_TRACE(testing::Message() << "R=" << R << " gamma=" << gamma);
        const Point centre{400, 300};
        const std::vector<Landmark> all = circulatingCylinderLandmarks(centre, R, gamma);
        const auto stagnation = ofKind(all, LandmarkKind::StagnationPoint);
        ASSERT_EQ(stagnation.size(), 2u);
        const double sine = gamma / (4 * 3.141592653589793 * R);
        const double x = R * std::sqrt(1 - sine * sine);
        expectPlace(stagnation[0], centre, -x, R * sine);
        expectPlace(stagnation[1], centre, x, R * sine);

        // A field too narrow for any line but the dividing one.
        FakeSettings fake;
        fake.cylinder.gamma = gamma;
        fake.field.widthText = "10";
        RecordingSurface surface;
        const Settings settings = fake.settings();
        StreamCylinderCirculation({surface, settings, fake.gauge}, R, 400, 300);
        // The line begins at 1.01 R: within a pixel of the circle up to R = 100.
        const double reach = std::max(1.0, 0.01 * R + 0.5);
        for (const Landmark& l : stagnation)
            EXPECT_LE(distanceToDrawing(l.place->picture, surface.segments()), reach);
    }
}

TEST(CirculatingCylinderLandmarks, StrongCirculationLeavesOnePointAtRestAboveTheCircle) {
    for (const auto& [R, gamma] : {std::pair{50, 1000}, std::pair{100, 2000}, std::pair{50, 640}}) {
        SCOPED_TRACE(testing::Message() << "R=" << R << " gamma=" << gamma);
        const Point centre{400, 300};
        const auto stagnation =
            ofKind(circulatingCylinderLandmarks(centre, R, gamma), LandmarkKind::StagnationPoint);
        ASSERT_EQ(stagnation.size(), 1u);
        const LandmarkPlace& place = *stagnation[0].place;
        EXPECT_EQ(place.flow.x, 0);
        EXPECT_GT(place.flow.y, R);
        // The velocity shown next to it is almost nothing.
        const Point beside{centre.x + 1, Round(place.picture.y)};
        EXPECT_LT(shownSpeed(VelocityConfig::CylinderCirculation, centre, beside, R, 1, gamma),
                  0.02);
    }
}

TEST(CirculatingCylinderLandmarks, FastestBelowWhereStreamAndCirculationAgree) {
    for (const auto& [R, gamma] :
         {std::pair{100, 1000}, std::pair{50, 2000}, std::pair{150, 100}}) {
        SCOPED_TRACE(testing::Message() << "R=" << R << " gamma=" << gamma);
        const Point centre{400, 300};
        const auto fastest = ofKind(circulatingCylinderLandmarks(centre, R, gamma),
                                    LandmarkKind::GreatestSurfaceSpeed);
        ASSERT_EQ(fastest.size(), 1u);
        expectPlace(fastest[0], centre, 0, -R);
        EXPECT_NEAR(fastest[0].value, 2 + gamma / (2 * std::numbers::pi * R), 1e-9);
        const Point beside{centre.x + 1, centre.y + R};
        EXPECT_NEAR(shownSpeed(VelocityConfig::CylinderCirculation, centre, beside, R, 1, gamma),
                    fastest[0].value, 0.01);
    }
}

TEST(SourceSinkPairLandmarks, OnePointOnTheLineBeyondTheWeakerElement) {
    const Point centre{200, 300};
    // Source at 0 and sink at D: Qs / x = Qk / (x - D).
    const auto stronger = sourceSinkPairLandmarks(centre, 200, 2000, 1000);
    ASSERT_EQ(stronger.size(), 1u);
    expectPlace(stronger[0], centre, 400, 0);
    const auto weaker = sourceSinkPairLandmarks(centre, 300, 1000, 3000);
    ASSERT_EQ(weaker.size(), 1u);
    expectPlace(weaker[0], centre, -150, 0);
    EXPECT_TRUE(sourceSinkPairLandmarks(centre, 300, 1500, 1500).empty());
    EXPECT_TRUE(sourceSinkPairLandmarks(centre, 0, 2000, 1000).empty());
}

TEST(VelocityLandmark, AtTheClickedPointWithTheNumbersShownThere) {
    VelocityInput in{VelocityConfig::CylinderCirculation, {520, 210}, {400, 300}, 10};
    in.R = 100;
    in.gamma = 1000;
    const std::optional<Landmark> l = velocityLandmark(in);
    ASSERT_TRUE(l && l->velocity);
    expectPlace(*l, in.centre, 120, 90);
    EXPECT_EQ(l->value, VelocityNumbersAt(in)->speed);
    in.p = {400, 100};  // on the vertical through the centre: no numbers
    EXPECT_FALSE(velocityLandmark(in));
}

TEST(LandmarksText, OneLinePerLandmarkInPixelsAndAboutTheCentre) {
    std::vector<Landmark> landmarks = elementInStreamLandmarks({400, 300}, 1500, 1, false);
    VelocityInput in{VelocityConfig::SourceInStream, {500, 200}, {400, 300}, 10};
    in.Q = 1500;
    in.U = 1;
    landmarks.push_back(*velocityLandmark(in));
    EXPECT_EQ(landmarksText(landmarks),
              "Критическая точка: (161.3, 300.0) пикс.; (-238.7, 0.0) от центра\n"
              "Полуширина полутела вниз по потоку: 750.0 пикс.\n"
              "Скорость в точке (500.0, 200.0) пикс.; (100.0, 100.0) от центра: |V| = 2.497; "
              "Vx = 2.194; Vy = 1.194; угол 28.6°\n");
    EXPECT_EQ(landmarksText({}), "");
}

TEST(VelocityNumbersText, ThreeSignificantDigitsAndNeverFewerThanThreeDecimals) {
    struct Case {
        VelocityNumbers velocity;
        const char* text;
    };
    for (const Case& c : {
             Case{{2, 2, 0, 0}, "|V| = 2.000; Vx = 2.000; Vy = 0.000; угол 0.0°"},
             Case{{0.5, 0, -0.5, -90}, "|V| = 0.500; Vx = 0.000; Vy = -0.500; угол -90.0°"},
             Case{{0.0123456, 0.0123456, -1e-17, 0},
                  "|V| = 0.0123; Vx = 0.0123; Vy = 0.0000; угол 0.0°"},
             Case{{0.00035, 0.00021, 0.00028, 53.13},
                  "|V| = 0.000350; Vx = 0.000210; Vy = 0.000280; угол 53.1°"},
             Case{{0, 0, 0, 0}, "|V| = 0.000; Vx = 0.000; Vy = 0.000; угол 0.0°"},
         }) {
        EXPECT_EQ(velocityNumbersText(c.velocity), c.text);
    }
    // The landmarks print a velocity so, and a dipole's far field is small.
    VelocityInput in{VelocityConfig::Dipole, {700, 100}, {400, 300}, 10};
    in.M = 50;
    EXPECT_EQ(landmarksText({*velocityLandmark(in)}),
              "Скорость в точке (700.0, 100.0) пикс.; (300.0, 200.0) от центра: |V| = 0.000385; "
              "Vx = 0.000148; Vy = 0.000355; угол 67.4°\n");
}

TEST(MarkLandmarks, CrossesAtThePlacesWithTheOwnPenThenThePenAsFound) {
    RecordingSurface surface;
    surface.setPenColor(Color::fromRgb(1, 2, 3));
    surface.setPenWidth(3);
    surface.setPenStyle(PenStyle::Dot);
    std::vector<Landmark> landmarks = elementInStreamLandmarks({400, 300}, 1500, 1, false);
    landmarks.push_back(cylinderLandmarks({100, 100}, 50, 1)[3]);
    markLandmarks(surface, landmarks);

    const auto cross = [](std::int64_t x, std::int64_t y) {
        return std::vector<Segment>{
            {{x - 4, y - 4}, {x + 4, y + 4}, kLandmarkColor, 1, PenStyle::Solid},
            {{x + 4, y - 4}, {x - 4, y + 4}, kLandmarkColor, 1, PenStyle::Solid}};
    };
    std::vector<Segment> expected = cross(161, 300);  // the half-width has no place
    for (const Segment& s : cross(100, 150)) expected.push_back(s);
    EXPECT_EQ(surface.segments(), expected);
    EXPECT_EQ(surface.penColor(), Color::fromRgb(1, 2, 3));
    EXPECT_EQ(surface.penWidth(), 3);
    EXPECT_EQ(surface.penStyle(), PenStyle::Dot);
}

}  // namespace
}  // namespace flow::test
