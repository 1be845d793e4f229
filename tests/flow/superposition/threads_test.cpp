// The tracer's second thread changes nothing drawn: each element set gives
// the same operations and the same outcome with one thread and with two,
// including sets cut short by the work budget.
#include <gtest/gtest.h>

#include <random>

#include "fake_settings.h"
#include "flow/superposition/drawing.h"
#include "flow/superposition/helper_thread.h"
#include "recording_surface.h"
#include "superposition_test_support.h"

namespace flow::superposition {
namespace {

using flow::test::FakeSettings;
using flow::test::Op;
using flow::test::RecordingSurface;

std::vector<Element> scattered(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> x(0, 800), y(0, 600), q(300, 2000);
    std::vector<Element> elements{stream(1, 20)};
    for (int i = 0; i < count; ++i) {
        const double px = x(random), py = y(random), s = q(random);
        const Element kinds[] = {source(px, py, s), sink(px, py, s), vortex(px, py, s - 1000),
                                 dipole(px, py, 30 * s, 45)};
        elements.push_back(kinds[i % 4]);
    }
    return elements;
}

struct Drawn {
    std::vector<Outcome> outcomes;
    std::vector<Op> ops;
};

bool sameOp(const Op& a, const Op& b) {
    return a.kind == b.kind && a.a == b.a && a.b == b.b && a.text == b.text &&
           a.penColor == b.penColor && a.penWidth == b.penWidth;
}

Drawn drawnWith(int threads, const std::vector<Element>& elements, bool evenly, int increment) {
    setTracingThreads(threads);
    FakeSettings fake;
    fake.stream.step = increment;
    fake.equi.step = increment;
    RecordingSurface surface;
    const Settings settings = fake.settings();
    const Canvas canvas{surface, settings, fake.gauge};
    Drawn run;
    run.outcomes.push_back(drawStreamlines(canvas, elements, {evenly}));
    run.outcomes.push_back(drawEquipotentials(canvas, elements));
    run.ops = surface.ops();
    return run;
}

TEST(SuperpositionThreads, OneAndTwoThreadsDrawAlike) {
    struct Case {
        const char* name;
        std::vector<Element> elements;
        bool evenly;
        int increment;
        Outcome streamlines;
    } const cases[] = {
        {"oval",
         {source(300, 300, 1500), sink(500, 300, 1500), stream(1, 0)},
         false,
         50,
         Outcome::Drawn},
        {"cylinder",
         {dipole(400, 300, 60000, 0), vortex(400, 300, 900), stream(1, 0)},
         true,
         12,
         Outcome::Drawn},
        {"forty", scattered(40, 7), false, 30, Outcome::Drawn},
        {"forty evenly", scattered(40, 8), true, 10, Outcome::Drawn},
        {"cut short", scattered(700, 9), false, 20, Outcome::Truncated},
    };
    for (const Case& c : cases) {
        const Drawn one = drawnWith(1, c.elements, c.evenly, c.increment);
        const Drawn two = drawnWith(2, c.elements, c.evenly, c.increment);
        EXPECT_EQ(one.outcomes.front(), c.streamlines) << c.name;
        EXPECT_EQ(one.outcomes, two.outcomes) << c.name;
        ASSERT_GT(one.ops.size(), 100u) << c.name;
        EXPECT_TRUE(
            std::equal(one.ops.begin(), one.ops.end(), two.ops.begin(), two.ops.end(), sameOp))
            << c.name;
    }
    setTracingThreads(2);
}

// The stagnation points' search, cut short by its budget, finds the same
// points and leaves the same budget.
TEST(SuperpositionThreads, StagnationSearchStopsAtTheSamePlace) {
    const Field field(scattered(2000, 10));
    std::vector<Complex> points[2];
    StepBudget budgets[2];
    for (const int threads : {1, 2}) {
        setTracingThreads(threads);
        budgets[threads - 1] = stagnationBudget();
        points[threads - 1] = stagnationPoints(field, test::fieldRegion(), budgets[threads - 1]);
    }
    setTracingThreads(2);
    EXPECT_TRUE(budgets[0].ranOut());
    EXPECT_EQ(budgets[0].remaining, budgets[1].remaining);
    EXPECT_EQ(points[0], points[1]);
}

}  // namespace
}  // namespace flow::superposition
