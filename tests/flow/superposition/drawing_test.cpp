#include "flow/superposition/drawing.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "../streamlines/streamline_test_support.h"
#include "flow/geometry.h"
#include "superposition_test_support.h"

namespace flow::superposition {
namespace {

using flow::test::FakeSettings;
using flow::test::RecordingSurface;

struct Drawing {
    Outcome outcome;
    std::vector<flow::test::Op> ops;
};

Drawing streamlinesOf(FakeSettings& fake, const std::vector<Element>& elements,
                      StreamlineOptions options = {}) {
    RecordingSurface surface;
    const Settings settings = fake.settings();
    const Outcome outcome =
        drawStreamlines(Canvas{surface, settings, fake.gauge}, elements, options);
    return {outcome, surface.ops()};
}

Drawing equipotentialsOf(FakeSettings& fake, const std::vector<Element>& elements) {
    RecordingSurface surface;
    const Settings settings = fake.settings();
    const Outcome outcome = drawEquipotentials(Canvas{surface, settings, fake.gauge}, elements);
    return {outcome, surface.ops()};
}

TEST(SuperpositionDrawing, UsesTheDialogsPensAndDrawsWholePixelChords) {
    FakeSettings fake;
    fake.stream.width = 3;
    fake.stream.color = Color::fromRgb(1, 2, 3);
    fake.equi.width = 2;
    fake.equi.color = Color::fromRgb(4, 5, 6);
    const std::vector<Element> oval{source(300, 300, 1500), sink(500, 300, 1500), stream(1, 0)};
    for (const Drawing& run : {streamlinesOf(fake, oval), equipotentialsOf(fake, oval)}) {
        EXPECT_EQ(run.outcome, Outcome::Drawn);
        ASSERT_GT(run.ops.size(), 1000u);
        Point last;
        for (const auto& op : run.ops) {
            if (op.kind == flow::test::Op::LineTo) {
                EXPECT_NE(op.a, last);
            }
            last = op.a;
        }
    }
    const Drawing s = streamlinesOf(fake, oval), e = equipotentialsOf(fake, oval);
    EXPECT_EQ(s.ops.front().penWidth, 3);
    EXPECT_EQ(s.ops.front().penColor, Color::fromRgb(1, 2, 3));
    EXPECT_EQ(e.ops.front().penWidth, 2);
    EXPECT_EQ(e.ops.front().penColor, Color::fromRgb(4, 5, 6));
}

TEST(SuperpositionDrawing, ArrowheadsPointDownstreamOnStreamlinesOnly) {
    FakeSettings fake;
    const std::vector<Element> flow{stream(1, 0), vortex(400, 300, 300)};
    const auto heads =
        flow::test::arrowheadsOf(fake, [&](const Canvas& c) { drawStreamlines(c, flow); });
    ASSERT_GT(heads.size(), 20u);
    for (const auto& h : heads) {
        // Corners behind the tip, as the fluid moves: check against the velocity.
        const ScreenVelocity v =
            velocityAt(Field(flow), static_cast<double>(h.tip.x), static_cast<double>(h.tip.y));
        const double backX = static_cast<double>(h.cornerPlus.x + h.cornerMinus.x - 2 * h.tip.x);
        const double backY = static_cast<double>(h.cornerPlus.y + h.cornerMinus.y - 2 * h.tip.y);
        EXPECT_LT(backX * v.dx + backY * v.dy, 0) << h.tip;
        EXPECT_TRUE(h.tip.x >= 0 && h.tip.x <= 800 && h.tip.y >= 0 && h.tip.y <= 600);
    }
    // The equipotential dialog has no arrows.
    fake.stream.arrows = true;
    const Drawing withArrows = equipotentialsOf(fake, flow);
    fake.stream.arrows = false;
    EXPECT_EQ(equipotentialsOf(fake, flow).ops.size(), withArrows.ops.size());
}

TEST(SuperpositionDrawing, SaysWhenNothingCanBeDrawn) {
    FakeSettings fake;
    EXPECT_EQ(streamlinesOf(fake, {}).outcome, Outcome::NothingToDraw);
    EXPECT_EQ(equipotentialsOf(fake, {source(100, 100, 0), stream(0, 0)}).outcome,
              Outcome::NothingToDraw);
    EXPECT_EQ(streamlinesOf(fake, {source(100, 100, 900), sink(100, 100, 900)}).outcome,
              Outcome::NothingToDraw);
    const std::vector<Element> some{source(400, 300, 1500), stream(1, 0)};
    fake.stream.count = 0;
    EXPECT_EQ(streamlinesOf(fake, some).outcome, Outcome::NothingToDraw);
    fake.stream.count = 20;
    fake.stream.step = -50;
    EXPECT_EQ(streamlinesOf(fake, some).outcome, Outcome::NothingToDraw);
    fake.field.widthText = "-800";
    fake.equi.step = 50;
    EXPECT_EQ(equipotentialsOf(fake, some).outcome, Outcome::NothingToDraw);
    // A bad field text stops the drawing with the usual message.
    fake.field.widthText = "abc";
    EXPECT_THROW(equipotentialsOf(fake, some), ConversionError);
}

// Settings and element sets far from the usual: each drawing ends (the step
// budget bounds the work) and nothing breaks.
TEST(SuperpositionDrawing, OddInputStillEnds) {
    FakeSettings fake;
    const std::vector<Element> some{source(400, 300, 1500), vortex(410, 290, -800), stream(1, 0)};
    for (const auto& [count, step] :
         {std::pair{INT_MAX, 1}, {1, INT_MAX}, {INT_MAX, INT_MAX}, {3, 1}}) {
        fake.stream.count = fake.equi.count = count;
        fake.stream.step = fake.equi.step = step;
        streamlinesOf(fake, some);
        equipotentialsOf(fake, some);
        streamlinesOf(fake, some, {true});
    }
    fake.stream.count = 20;
    fake.stream.step = 50;
    // Coincident, far-off and extreme elements.
    EXPECT_EQ(
        streamlinesOf(fake, {source(400, 300, 700), source(400, 300, 700), vortex(400, 300, 500)})
            .outcome,
        Outcome::Drawn);
    EXPECT_EQ(streamlinesOf(fake, {vortex(-3000, -2000, 1e6), dipole(1e7, 5, 1e9, 33)}).outcome,
              Outcome::Drawn);
    streamlinesOf(fake,
                  {source(400, 300, 1e300), sink(401, 300, 1e-300), dipole(400, 301, -1e12, 0)});
    fake.field.widthText = "5000";
    fake.field.heightText = "1";
    streamlinesOf(fake, some, {true});
    EXPECT_EQ(equipotentialsOf(fake, some).outcome, Outcome::Drawn);
}

TEST(SuperpositionDrawing, AHundredElements) {
    std::mt19937 random(100);
    std::uniform_real_distribution<double> x(0, 800), y(0, 600), q(-2000, 2000);
    std::vector<Element> elements{stream(1, 15)};
    for (int i = 0; i < 100; ++i) {
        const double px = x(random), py = y(random), s = q(random);
        elements.push_back(i % 3 == 0   ? vortex(px, py, s)
                           : i % 3 == 1 ? source(px, py, s)
                                        : sink(px, py, -s));
    }
    FakeSettings fake;
    EXPECT_EQ(streamlinesOf(fake, elements).outcome, Outcome::Drawn);
    EXPECT_EQ(equipotentialsOf(fake, elements).outcome, Outcome::Drawn);
}

// A stream and `count - 1` sources, sinks, vortices, dipoles and
// vortex-sources at random places on the field.
std::vector<Element> randomElements(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> x(0, 800), y(0, 600), q(0, 2000), turn(-180, 180);
    std::vector<Element> elements{stream(1, 15)};
    for (int i = 1; i < count; ++i) {
        const double px = x(random), py = y(random), s = q(random);
        const Element kinds[] = {source(px, py, s), sink(px, py, s), vortex(px, py, s - 1000),
                                 dipole(px, py, 30 * s, turn(random)),
                                 vortexSource(px, py, s, s - 1000)};
        elements.push_back(kinds[i % 5]);
    }
    return elements;
}

// A hundred elements at the dialogs' defaults get every line; two thousand
// stop at the work budget (the work counted, not the time), say so, and
// still have lines in every third of the picture.
TEST(SuperpositionDrawing, ManyElementsKeepToTheWorkBudget) {
    FakeSettings fake;
    for (const unsigned seed : {1u, 2u}) {
        EXPECT_EQ(streamlinesOf(fake, randomElements(100, seed)).outcome, Outcome::Drawn) << seed;
        EXPECT_EQ(equipotentialsOf(fake, randomElements(100, seed)).outcome, Outcome::Drawn)
            << seed;
    }
    const std::vector<Element> many = randomElements(2000, 3);
    const Field field(many);
    const Region region = test::fieldRegion();
    StepBudget search = stagnationBudget();
    const std::vector<Complex> stagnation = stagnationPoints(field, region, search);
    EXPECT_TRUE(search.ranOut());
    // Past the budget by no more than the last Newton step.
    EXPECT_GT(search.remaining, -3 * workPerEvaluation(field) - 10000);
    StepBudget budget = lineBudget();
    const CurveSet set =
        levelCurves(field, Quantity::StreamFunction, region, {50, 20}, stagnation, budget);
    EXPECT_FALSE(set.complete);
    EXPECT_GT(budget.remaining, -400 * workPerEvaluation(field));
    double thirds[3] = {}, total = 0;
    for (const Curve& curve : set.curves)
        for (std::size_t k = 1; k < curve.points.size(); ++k) {
            const PicturePoint p = toPicture(0.5 * (curve.points[k] + curve.points[k - 1]));
            if (p.x < 0 || p.x > 800 || p.y < 0 || p.y > 600) continue;
            const double length = std::abs(curve.points[k] - curve.points[k - 1]);
            thirds[std::min(2, static_cast<int>(p.y / 200))] += length;
            total += length;
        }
    for (const double third : thirds) EXPECT_GT(third, 0.05 * total);
    EXPECT_EQ(streamlinesOf(fake, many).outcome, Outcome::Truncated);
    EXPECT_EQ(equipotentialsOf(fake, many).outcome, Outcome::Truncated);
}

}  // namespace
}  // namespace flow::superposition
