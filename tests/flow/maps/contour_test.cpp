// Circulation and flux around circles and polygons against the strengths
// of the elements inside.
#include <gtest/gtest.h>

#include <cmath>

#include "flow/maps/closed_form_elements.h"
#include "flow/maps/contour_integrals.h"

namespace flow::maps {
namespace {

namespace sp = superposition;

struct Case {
    const char* name;
    std::vector<sp::Element> elements;
    std::optional<Circle> circle;
    std::vector<PicturePoint> polygon;
    double circulation, flux;
    std::size_t inside;
};

std::vector<sp::Element> cylinderWithCirculation() {
    VelocityInput in{VelocityConfig::CylinderCirculation, {}, {400, 300}, 1};
    in.R = 100;
    in.gamma = 700;
    return closedFormElements(in);
}

TEST(ContourIntegrals, TheStrengthsInsideAndNothingBeside) {
    const std::vector<PicturePoint> square{{300, 200}, {500, 200}, {500, 400}, {300, 400}};
    const std::vector<PicturePoint> triangle{{390, 290}, {420, 300}, {400, 330}};
    const std::vector<Case> cases{
        {"vortex", {sp::vortex(400, 300, 800)}, Circle{{400, 300}, 50}, {}, 800, 0, 1},
        {"vortex, square", {sp::stream(3, 30), sp::vortex(402, 301, -800)}, {}, square, -800, 0, 1},
        {"source, tight triangle",
         {sp::source(401, 301, 1500), sp::stream(2, 0)},
         {},
         triangle,
         0,
         1500,
         1},
        {"sink and dipole",
         {sp::sink(400, 300, 700), sp::dipole(450, 250, 5e4, 60)},
         {},
         square,
         0,
         -700,
         2},
        {"vortex-source",
         {sp::vortexSource(400, 300, 600, 900)},
         Circle{{410, 290}, 20},
         {},
         900,
         600,
         1},
        {"cylinder with circulation",
         cylinderWithCirculation(),
         Circle{{400, 300}, 150},
         {},
         700,
         0,
         2},
        {"close beside a vortex",
         {sp::vortex(502, 300, 800), sp::source(300, 150, 900)},
         {},
         square,
         0,
         0,
         0},
        {"beside the cylinder", cylinderWithCirculation(), Circle{{650, 300}, 140}, {}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ContourIntegrals r = c.circle ? contourIntegrals(c.elements, *c.circle)
                                            : contourIntegrals(c.elements, c.polygon);
        ASSERT_EQ(r.problem, ContourProblem::None);
        EXPECT_NEAR(r.circulation, c.circulation, 1e-6 * 800);
        EXPECT_NEAR(r.flux, c.flux, 1e-6 * 800);
        EXPECT_EQ(r.inside.size(), c.inside);
    }
    // Corners running the other way measure the same.
    const std::vector<PicturePoint> clockwise(square.rbegin(), square.rend());
    EXPECT_NEAR(contourIntegrals({sp::vortexSource(400, 300, 600, 900)}, clockwise).flux, 600,
                1e-4);
}

TEST(ContourIntegrals, RefusedThroughASingularPointOrWithoutArea) {
    const std::vector<sp::Element> vortex{sp::vortex(400, 300, 800)};
    const ContourIntegrals through = contourIntegrals(vortex, Circle{{400, 250}, 50.8});
    EXPECT_EQ(through.problem, ContourProblem::ThroughSingularPoint);
    EXPECT_EQ(through.singularPoint, (PicturePoint{400, 300}));
    EXPECT_EQ(contourIntegrals(vortex, {{300, 300.5}, {500, 300.5}, {400, 200}}).problem,
              ContourProblem::ThroughSingularPoint);
    EXPECT_EQ(contourIntegrals(vortex, {{0, 0}, {10, 10}, {20, 20}}).problem,
              ContourProblem::NoArea);
    EXPECT_EQ(contourIntegrals(vortex, Circle{{0, 0}, 0}).problem, ContourProblem::NoArea);
}

// A disc wholly inside a circle or a polygon, its rim touching at most.
TEST(ContourIntegrals, EnclosesAWholeDisc) {
    const Circle disc{{400, 300}, 100};
    const std::vector<PicturePoint> square{{290, 190}, {510, 190}, {510, 410}, {290, 410}};
    EXPECT_TRUE(encloses(Circle{{400, 300}, 100}, disc));
    EXPECT_TRUE(encloses(Circle{{420, 300}, 121}, disc));
    EXPECT_FALSE(encloses(Circle{{420, 300}, 119}, disc));
    EXPECT_TRUE(encloses(square, disc));
    EXPECT_FALSE(encloses(square, Circle{{400, 300}, 111}));
    EXPECT_FALSE(encloses(square, Circle{{700, 300}, 10}));
}

}  // namespace
}  // namespace flow::maps
