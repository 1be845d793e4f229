// The tracer's second thread changes nothing drawn: each element set gives
// the same operations and the same outcome with one thread and with two,
// including sets cut short by the work budget and lines traced ahead.
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

// The streamlines of `first` and the equipotentials of `second`, each on
// its own surface.
struct Drawn {
    std::vector<Outcome> outcomes;
    std::vector<Op> streamlines, equipotentials;
};

bool sameOps(const std::vector<Op>& a, const std::vector<Op>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Op& x, const Op& y) {
        return x.kind == y.kind && x.a == y.a && x.b == y.b && x.text == y.text &&
               x.penColor == y.penColor && x.penWidth == y.penWidth;
    });
}

Drawn drawn(const std::vector<Element>& first, const std::vector<Element>& second, bool evenly,
            int increment) {
    FakeSettings fake;
    fake.stream.step = increment;
    fake.equi.step = increment;
    RecordingSurface streamlines, equipotentials;
    const Settings settings = fake.settings();
    Drawn run;
    run.outcomes.push_back(drawStreamlines({streamlines, settings, fake.gauge}, first, {evenly}));
    run.outcomes.push_back(drawEquipotentials({equipotentials, settings, fake.gauge}, second));
    run.streamlines = streamlines.ops();
    run.equipotentials = equipotentials.ops();
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
        setTracingThreads(1);
        const Drawn one = drawn(c.elements, c.elements, c.evenly, c.increment);
        EXPECT_EQ(one.outcomes.front(), c.streamlines) << c.name;
        ASSERT_GT(one.streamlines.size() + one.equipotentials.size(), 100u) << c.name;
        // Drawn again and again as while an element is dragged: the second
        // time the equipotentials are traced ahead beside the streamlines;
        // then those traced ahead for moved elements are not the ones asked for.
        setTracingThreads(2);
        std::vector<Element> moved = c.elements;
        moved[1].x += 3;
        for (int round = 0; round < 3; ++round) {
            const Drawn two =
                drawn(round < 2 ? c.elements : moved, c.elements, c.evenly, c.increment);
            EXPECT_EQ(one.outcomes.back(), two.outcomes.back()) << c.name << round;
            EXPECT_TRUE(sameOps(one.equipotentials, two.equipotentials)) << c.name << round;
            if (round == 2) continue;
            EXPECT_EQ(one.outcomes, two.outcomes) << c.name << round;
            EXPECT_TRUE(sameOps(one.streamlines, two.streamlines)) << c.name << round;
        }
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
