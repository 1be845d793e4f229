// The closed-form configurations as elements against their landmarks, and
// the pressure along a cylinder and a half-body.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "flow/landmarks/flow_landmarks.h"
#include "flow/maps/closed_form_elements.h"
#include "flow/maps/surface_pressure.h"

namespace flow::maps {
namespace {

namespace sp = superposition;

struct ClosedForm {
    const char* name;
    VelocityInput input;
    LeftOut leftOut;
    std::vector<Landmark> landmarks;
};

VelocityInput inputOf(VelocityConfig config, int R, int gamma, int U, int Q) {
    VelocityInput in{config, {}, {400, 300}, 1};
    in.R = R;
    in.gamma = gamma;
    in.U = U;
    in.Q = Q;
    return in;
}

TEST(ClosedFormElements, RestWhereTheLandmarksSayAndRunTwiceTheStreamOverTheCylinder) {
    const Point c{400, 300};
    const std::vector<ClosedForm> cases{
        {"source in stream",
         inputOf(VelocityConfig::SourceInStream, 0, 0, 3, 2000),
         {},
         elementInStreamLandmarks(c, 2000, 3, false)},
        {"sink in stream",
         inputOf(VelocityConfig::SourceInStream, 0, 0, 2, -1500),
         {},
         elementInStreamLandmarks(c, 1500, 2, true)},
        {"cylinder",
         inputOf(VelocityConfig::Cylinder, 80, 0, 4, 0),
         {},
         cylinderLandmarks(c, 80, 4)},
        {"cylinder, slight circulation",
         inputOf(VelocityConfig::CylinderCirculation, 100, 700, 1, 0),
         {},
         circulatingCylinderLandmarks(c, 100, 700)},
        {"cylinder, strong circulation",
         inputOf(VelocityConfig::CylinderCirculation, 50, -900, 1, 0),
         {},
         circulatingCylinderLandmarks(c, 50, -900)},
        {"source-sink pair",
         inputOf(VelocityConfig::SourceInStream, 0, 0, 1, 2500),
         {PointElement{{550, 300}, -1000}, true},
         sourceSinkPairLandmarks(c, 150, 2500, 1000)},
    };
    for (const ClosedForm& f : cases) {
        SCOPED_TRACE(f.name);
        const sp::Field field(closedFormElements(f.input, f.leftOut));
        for (const Landmark& l : f.landmarks) {
            if (!l.place) continue;
            const sp::ScreenVelocity v =
                sp::velocityAt(field, l.place->picture.x, l.place->picture.y);
            const double speed = std::hypot(v.dx, v.dy);
            if (l.kind == LandmarkKind::StagnationPoint) {
                EXPECT_NEAR(speed, 0, 1e-9);
            } else if (l.kind == LandmarkKind::GreatestSurfaceSpeed) {
                EXPECT_NEAR(speed, l.value, 1e-9);
            }
        }
    }
}

TEST(CylinderPressure, FieldAgreesWithTheExactCurve) {
    for (const int gamma : {0, 600, -1000, 2000}) {
        SCOPED_TRACE(gamma);
        const VelocityInput in =
            inputOf(gamma ? VelocityConfig::CylinderCirculation : VelocityConfig::Cylinder, 100,
                    gamma, gamma ? 1 : 2, 0);
        const Cylinder cylinder = *cylinderOf(in);
        const CylinderPressure p = cylinderPressure(closedFormElements(in), cylinder, 73);
        ASSERT_EQ(p.sampled.size(), 73u);
        for (std::size_t k = 0; k < p.sampled.size(); ++k)
            EXPECT_NEAR(p.sampled[k].cp, p.exact[k].cp, 1e-9) << p.sampled[k].at;
        for (const double angle : p.stagnationAngles)
            EXPECT_NEAR(exactCylinderCp(cylinder, angle), 1, 1e-12);
        // Lifted off the surface beyond 4 pi R U.
        EXPECT_EQ(p.stagnationAngles.size(),
                  std::abs(gamma) <= 4 * std::numbers::pi * 100 ? 2u : 0u);
        const double share = std::abs(gamma) / (2 * std::numbers::pi * 100);
        EXPECT_NEAR(p.lowest.cp, 1 - (2 + share) * (2 + share), 1e-12);
        for (const PressurePoint& e : p.exact) EXPECT_GE(e.cp, p.lowest.cp - 1e-12);
    }
    EXPECT_NEAR(exactCylinderCp({0, 0, 100, 1, 0}, 90), -3, 1e-12);
}

TEST(HalfBodyPressure, FromTheStagnationPointToTheStreamDownstream) {
    for (const double Q : {2000.0, -2000.0}) {
        const std::vector<sp::Element> elements{
            sp::stream(2, 0), Q > 0 ? sp::source(400, 300, Q) : sp::sink(400, 300, -Q)};
        const double end = Q > 0 ? 800 : 0;
        const auto line = halfBodyPressure(elements, {400, 300}, Q, 2, end);
        ASSERT_EQ(line.size(), 200u);
        const PressurePoint stagnation = Q > 0 ? line.front() : line.back();
        const PressurePoint far = Q > 0 ? line.back() : line.front();
        EXPECT_NEAR(stagnation.cp, 1, 1e-9);
        EXPECT_NEAR(stagnation.at, 400 - Q / (2 * std::numbers::pi * 2), 1e-9);
        EXPECT_NEAR(far.at, end, 1e-6);
        double lowest = 1;
        for (std::size_t k = 1; k < line.size(); ++k) {
            EXPECT_LT(line[k - 1].at, line[k].at);
            lowest = std::min(lowest, line[k].cp);
        }
        EXPECT_NEAR(lowest, -0.587, 0.002);  // the textbook's lowest on a half-body
    }
}

TEST(RankineOvalPressure, AtRestAtBothEndsFastestAtTheMiddle) {
    const std::vector<sp::Element> elements{sp::stream(1, 0), sp::source(300, 300, 1500),
                                            sp::sink(500, 300, 1500)};
    const auto line = rankineOvalPressure(elements, {300, 300}, {500, 300}, 1, 101);
    ASSERT_EQ(line.size(), 101u);
    // The ends at x = +-sqrt(a^2 + Q a / (pi U)) about the middle.
    const double end = std::sqrt(100 * 100 + 1500 * 100 / std::numbers::pi);
    EXPECT_NEAR(line.front().at, 400 - end, 1e-6);
    EXPECT_NEAR(line.back().at, 400 + end, 1e-6);
    for (std::size_t k = 0; k < line.size(); ++k) {
        EXPECT_NEAR(line[k].cp, line[line.size() - 1 - k].cp, 1e-6);
        EXPECT_GE(line[k].cp, line[50].cp - 1e-12);
    }
    EXPECT_NEAR(line.front().cp, 1, 1e-6);
}

}  // namespace
}  // namespace flow::maps
