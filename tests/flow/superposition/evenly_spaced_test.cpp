#include "flow/superposition/evenly_spaced.h"

#include <gtest/gtest.h>

#include <numbers>

#include "flow/superposition/segment_index.h"
#include "superposition_test_support.h"

namespace flow::superposition {
namespace {

// Far enough from every element and stagnation point, where streamlines
// crowd together by nature.
bool inOpenFlow(const Field& field, const std::vector<Complex>& stagnation, Complex z) {
    if (field.distanceToSingularity(z) < 40) return false;
    for (const Complex s : stagnation)
        if (std::abs(z - s) < 40) return false;
    const PicturePoint p = toPicture(z);
    return p.x >= 0 && p.x <= test::kWidth && p.y >= 0 && p.y <= test::kHeight;
}

TEST(SuperpositionEvenlySpaced, StreamlinesKeepTheirDistanceAndCoverTheField) {
    const double separation = 25;
    for (const auto& elements : std::vector<std::vector<Element>>{
             {source(300, 300, 1500), sink(500, 300, 1500), stream(1, 0)},
             {vortex(250, 300, 1200), vortex(550, 300, 1200), stream(1, 30)},
             {dipole(400, 300, 2 * std::numbers::pi * 100 * 100, 180), vortex(400, 300, 1000),
              stream(1, 0)}}) {
        const Field field(elements);
        const Region region = test::fieldRegion();
        const std::vector<Complex> stagnation = stagnationPoints(field, region);
        StepBudget budget = lineBudget();
        const CurveSet set = evenlySpacedStreamlines(field, region, separation, stagnation, budget);
        ASSERT_TRUE(set.complete);
        ASSERT_GT(set.curves.size(), 20u);
        // The dividing streamlines come first.
        EXPECT_EQ(set.curves.front().dividing, !stagnation.empty());
        for (std::size_t i = 0; i < set.curves.size(); ++i) {
            const Curve& curve = set.curves[i];
            EXPECT_LE(test::worstStray(field, Quantity::StreamFunction, stagnation, curve), 0.5);
            // A streamline stops half a separation short of those before it.
            SegmentIndex earlier(separation);
            for (std::size_t j = 0; j < i; ++j) earlier.add(set.curves[j].points);
            for (const Complex z : curve.points)
                if (inOpenFlow(field, stagnation, z) && !curve.dividing) {
                    EXPECT_FALSE(earlier.near(z, 0.4 * separation)) << i;
                }
        }
        // No open stretch of the field is left without a line nearby.
        SegmentIndex all(2 * separation);
        for (const Curve& c : set.curves) all.add(c.points);
        for (double y = 10; y < test::kHeight; y += 20)
            for (double x = 10; x < test::kWidth; x += 20)
                if (inOpenFlow(field, stagnation, toFlow(x, y))) {
                    EXPECT_TRUE(all.near(toFlow(x, y), 2 * separation)) << x << " " << y;
                }
    }
}

}  // namespace
}  // namespace flow::superposition
