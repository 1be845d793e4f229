#include "flow/superposition/elements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

namespace flow::superposition {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;

double psiAt(const Field& f, double x, double y) {
    return f.potential(toFlow(x, y)).imag();
}
double phiAt(const Field& f, double x, double y) {
    return f.potential(toFlow(x, y)).real();
}

// The closed-form routines' stream function of a source (strength Q) in a
// stream of speed U, about the source at (400, 300), with pi exact:
// -U rho sin(theta) + Q theta / (2 pi), theta from the screen's left,
// counterclockwise.
TEST(SuperpositionField, StreamFunctionAndPotentialFollowTheClosedFormConventions) {
    const Field f({source(400, 300, 1500), stream(2, 0)});
    for (const auto& [x, y] : {std::pair{300.0, 250.0}, {450.0, 100.0}, {700.0, 299.0}}) {
        const double dx = 400 - x, dy = 300 - y;  // flow axes: left and up
        const double theta = std::atan2(dy, dx), rho = std::hypot(dx, dy);
        // The stream's terms are taken from the picture's corner: 2 * 300 apart.
        EXPECT_NEAR(psiAt(f, x, y) - 2 * 300, -2 * rho * std::sin(theta) + 1500 * theta / kTurn,
                    1e-9);
        EXPECT_NEAR(phiAt(f, x, y) - 2 * 400, -2 * dx + 1500 * std::log(rho) / kTurn, 1e-9);
    }
    // Cylinder of radius 100: a dipole of moment 2 pi U R^2 against the stream
    // makes the circle a streamline.
    const Field cylinder({dipole(400, 300, kTurn * 100 * 100, 180), stream(1, 0)});
    for (const double a : {0.3, 1.2, 2.5, 4.0})
        EXPECT_NEAR(psiAt(cylinder, 400 + 100 * std::cos(a), 300 + 100 * std::sin(a)), 300, 1e-9);
}

TEST(SuperpositionField, VelocitiesPointTheWayTheToolsDraw) {
    // A positive circulation turns counterclockwise on the screen.
    const Field spin({vortex(400, 300, 1000)});
    EXPECT_LT(velocityAt(spin, 400, 200).dx, 0);
    const ScreenVelocity vr = velocityAt(spin, 500, 300);
    EXPECT_NEAR(vr.dx, 0, 1e-12);
    EXPECT_NEAR(vr.dy, -1000 / (kTurn * 100), 1e-12);  // up on the screen right of it
    // A stream at 90 degrees flows up the screen; a source pushes away.
    const ScreenVelocity up = velocityAt(Field({stream(3, 90)}), 10, 10);
    EXPECT_NEAR(up.dx, 0, 1e-12);
    EXPECT_NEAR(up.dy, -3, 1e-12);
    EXPECT_NEAR(velocityAt(Field({source(400, 300, 100 * kTurn)}), 500, 300).dx, 1, 1e-12);
    EXPECT_NEAR(velocityAt(Field({sink(400, 300, 100 * kTurn)}), 400, 400).dy, -1, 1e-12);
    // A dipole's axis runs from its sink side to its source side: on the
    // axis beyond the source side the fluid moves on along it.
    EXPECT_GT(velocityAt(Field({dipole(400, 300, 1000, 0)}), 450, 300).dx, 0);
    EXPECT_LT(velocityAt(Field({dipole(400, 300, 1000, 90)}), 400, 250).dy, 0);
}

TEST(SuperpositionField, ChangesAreContinuousAcrossTheCuts) {
    const Field f(
        {source(400, 300, 1500), vortex(420, 310, 700), dipole(380, 280, 5000, 30), stream(1, 10)});
    // Once round the source and vortex in small steps: psi gains Q, phi
    // loses Gamma, though the principal values return.
    Complex total;
    Complex previous = toFlow(600, 300);
    for (int k = 1; k <= 360; ++k) {
        const double a = k * std::numbers::pi / 180;
        const Complex next = toFlow(400 + 200 * std::cos(a), 300 + 200 * std::sin(a));
        total += f.change(previous, next);
        previous = next;
    }
    EXPECT_NEAR(std::abs(total.imag()), 1500, 1e-6);
    EXPECT_NEAR(std::abs(total.real()), 700, 1e-6);
    // The change between principal values, corrected at the cuts, is the
    // change along the segment, also for segments across the cuts.
    for (const auto& [a, b] : {std::pair{toFlow(600, 290), toFlow(610, 330)},
                               {toFlow(700, 320), toFlow(650, 280)},
                               {toFlow(100, 100), toFlow(120, 500)}}) {
        const Complex between = f.changeBetween(a, f.potential(a), b, f.potential(b));
        EXPECT_NEAR(std::abs(between - f.change(a, b)), 0, 1e-9);
    }
}

TEST(SuperpositionField, StepChangesFromEndDerivativesMatchTheSeries) {
    const Field f({source(400, 300, 1500), vortex(420, 310, -700), dipole(380, 280, 5000, 30),
                   vortexSource(300, 200, 900, 400), stream(1, 10)});
    // Steps of the tracer's lengths far from every element, close to one
    // (the exact change takes over) and across the cuts that run right of
    // the source and the vortex-source.
    for (const auto& [a, b] : {std::pair{toFlow(700, 500), toFlow(706, 505)},
                               {toFlow(100, 550), toFlow(92, 551)},
                               {toFlow(403, 300), toFlow(404, 301)},
                               {toFlow(300, 203), toFlow(298, 196)},
                               {toFlow(380, 283), toFlow(381, 279)},
                               {toFlow(450, 298), toFlow(451, 303)},
                               {toFlow(330, 197), toFlow(331, 203)}}) {
        const Complex exact = f.change(a, b);
        const Complex simpson = f.change(a, f.derivative(a), b, f.derivative(b));
        EXPECT_NEAR(std::abs(simpson - exact), 0, 1e-8 * std::max(1.0, std::abs(exact)));
    }
}

TEST(SuperpositionField, ManyElementsAgreeWithTheirSumsTermByTerm) {
    // A hundred elements are summed with the far ones grouped; fields of a
    // quarter of them each are summed term by term, and add up to the same.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> x(0, 800), y(0, 600), q(300, 2500), angle(0, 360);
    std::vector<Element> all{stream(1, 15)};
    std::vector<std::vector<Element>> quarters(4);
    for (int i = 0; i < 100; ++i) {
        const double px = x(random), py = y(random);
        const Element kinds[] = {source(px, py, q(random)), sink(px, py, q(random)),
                                 vortex(px, py, q(random) - 1400),
                                 dipole(px, py, 50 * q(random), angle(random)),
                                 vortexSource(px, py, q(random), q(random) - 1400)};
        all.push_back(kinds[i % 5]);
        quarters[i % 4].push_back(all.back());
    }
    quarters[0].push_back(all.front());
    const Field field(all);
    const auto summed = [&](auto part) {
        Complex sum;
        for (const std::vector<Element>& quarter : quarters) sum += part(Field(quarter));
        return sum;
    };
    // Changes only to within the term-by-term sum's own series (|u|^6 / 6).
    const auto close = [](Complex a, Complex b, double within = 1e-9) {
        return std::abs(a - b) <= within * std::max(1.0, std::abs(b));
    };
    // Points inside, between cells, next to an element and far outside;
    // steps of a tracer's and of a seed's length.
    const Element& e = all[37];
    for (const Complex z : {toFlow(400.5, 300.25), toFlow(31.999, 64), toFlow(e.x + 0.7, e.y - 0.4),
                            toFlow(-900, 2500), toFlow(799, 1)}) {
        SCOPED_TRACE(z);
        EXPECT_TRUE(
            close(field.derivative(z), summed([&](const Field& f) { return f.derivative(z); })));
        EXPECT_TRUE(close(field.secondDerivative(z),
                          summed([&](const Field& f) { return f.secondDerivative(z); })));
        for (const Complex h : {Complex(6, -5), Complex(-16, 3), Complex(1e-4, 0)}) {
            const Complex b = z + h;
            EXPECT_TRUE(close(field.change(z, b),
                              summed([&](const Field& f) { return f.change(z, b); }), 1e-7));
            EXPECT_TRUE(close(field.change(z, field.derivative(z), b, field.derivative(b)),
                              summed([&](const Field& f) { return f.change(z, b); }), 1e-7));
        }
        double nearest = std::numeric_limits<double>::infinity();
        for (const std::vector<Element>& quarter : quarters)
            nearest = std::min(nearest, Field(quarter).distanceToSingularity(z));
        EXPECT_EQ(field.distanceToSingularity(z), nearest);
    }
}

TEST(SuperpositionField, ElementsThatAddNothingAreDropped) {
    EXPECT_TRUE(Field({}).empty());
    EXPECT_TRUE(
        Field({source(1, 2, 0), vortex(3, 4, 0), dipole(5, 6, 0, 45), stream(0, 30)}).empty());
    // A source and a sink of one strength at one point cancel.
    EXPECT_TRUE(Field({source(100, 100, 700), sink(100, 100, 700)}).empty());
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(Field({source(nan, 100, 5), vortex(100, 100, inf), stream(nan, 0)}).empty());
    // Two sources at one point act as one of twice the strength.
    const Field two({source(100, 100, 700), source(100, 100, 700)});
    EXPECT_EQ(two.singularities().size(), 1u);
    EXPECT_NEAR(psiAt(two, 0, 100), 0, 1e-12);
    EXPECT_NEAR(two.distanceToSingularity(toFlow(103, 104)), 5, 1e-12);
}

}  // namespace
}  // namespace flow::superposition
