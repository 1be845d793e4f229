// The superposition of the elements of every closed-form configuration draws
// its lines where the closed-form routine draws them, for the same levels:
// every chord end of the routine (every point of its straight rays) in the
// field lies within a pixel of the superposition's curves. The elements'
// strengths are put on the routines' scale of pi as 3.14 first.
//
// Left out, and why:
// - points within 2 pixels of an element, where all lines meet;
// - strokes that are no lines of the flow: arrowheads, the source-in-stream
//   equipotentials' closing strokes to the axis, the cylinder joins;
// - where a routine's levels are not multiples of the increment (the
//   program's pi of 3.14 against a full turn of 2 pi): the rays and spirals
//   of the source, vortex and vortex-source beyond the radius where that
//   drift reaches a pixel, the lower half of the vortex's rays, the sink in a
//   stream right of x = 600 (where its lines drawn from negative radii sit on
//   levels 0.4 off the increment, in slow flow) and the source-sink pair
//   beyond 250 pixels;
// - the lines whose values are not evenly spaced at all: the vortex's
//   circles, the source's circles of equal potential and every dipole circle
//   after the first (diameters M, M + A, ... are values 1 / D).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "fake_settings.h"
#include "flow/equipotentials/cylinder.h"
#include "flow/equipotentials/cylinder_circulation.h"
#include "flow/equipotentials/single_elements.h"
#include "flow/equipotentials/source_in_stream.h"
#include "flow/streamlines/combined_flows.h"
#include "flow/streamlines/cylinder_circulation.h"
#include "flow/streamlines/single_elements.h"
#include "flow/superposition/segment_index.h"
#include "recording_surface.h"
#include "superposition_test_support.h"

namespace flow::superposition {
namespace {

constexpr int X = 400, Y = 300, R = 100;

using Routine = std::function<void(const Canvas&)>;
using Keep = std::function<bool(double x, double y)>;  // which closed-form points to compare

// Chord ends of the closed-form routine, arrows off, with the fake dialogs;
// for routines whose lines are straight, points all along the chords.
std::vector<Complex> closedFormPoints(flow::test::FakeSettings& fake, const Routine& routine,
                                      bool straight) {
    fake.stream.arrows = false;
    flow::test::RecordingSurface surface;
    const Settings settings = fake.settings();
    routine(Canvas{surface, settings, fake.gauge});
    std::vector<Complex> points;
    // Arrowheads (tip to one corner, tip to the other, corner to corner) are
    // not lines of the flow.
    const std::vector<flow::test::Segment> all = surface.segments();
    std::vector<flow::test::Segment> lines;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const bool arrowhead = i + 2 < all.size() && all[i].from == all[i + 1].from &&
                               all[i + 2].from == all[i].to && all[i + 2].to == all[i + 1].to;
        if (arrowhead)
            i += 2;
        else
            lines.push_back(all[i]);
    }
    for (const flow::test::Segment& s : lines) {
        const Complex a = toFlow(static_cast<double>(s.from.x), static_cast<double>(s.from.y));
        const Complex b = toFlow(static_cast<double>(s.to.x), static_cast<double>(s.to.y));
        const double length = std::min(std::abs(b - a), 4000.0);
        const int pieces = straight ? static_cast<int>(length / 2) + 1 : 1;
        for (int k = 0; k <= pieces; ++k) points.push_back(a + (b - a) * (double(k) / pieces));
    }
    return points;
}

struct Agreement {
    std::size_t compared = 0, within = 0;
    double worst = 0;
};

// How many closed-form points in the field (and kept) lie within a pixel of
// the superposition's curves.
Agreement compare(const std::vector<Complex>& closedForm, const CurveSet& set, const Keep& keep) {
    SegmentIndex index(8);
    for (const Curve& c : set.curves) index.add(c.points);
    Agreement a;
    for (const Complex z : closedForm) {
        const double x = -z.real(), y = -z.imag();
        if (x < 0 || x > test::kWidth || y < 0 || y > test::kHeight || !keep(x, y)) continue;
        ++a.compared;
        if (index.near(z, 1.0))
            ++a.within;
        else {
            double d = 1;
            while (d < 8 && !index.near(z, d)) d += 0.25;
            a.worst = std::max(a.worst, d);
        }
    }
    return a;
}

double distanceFrom(double x, double y, double cx, double cy) {
    return std::hypot(x - cx, y - cy);
}

// One closed-form routine and the superposition of its elements.
struct Case {
    const char* name;
    Routine routine;
    std::vector<Element> elements;
    Levels levels;  // of the superposition
    Keep keep;
    int closedFormCount = 20;  // the routine's line count
    bool straight = false;     // its lines are straight
};

// The routines' drawing rules take pi as 3.14; the superposition's pi is
// exact. Strengths scaled by pi / 3.14 give the superposition the routines'
// stream function and potential.
std::vector<Element> onDrawingScale(std::vector<Element> elements) {
    for (Element& e : elements) {
        if (e.kind == ElementKind::Stream) continue;
        e.strength *= std::numbers::pi / kPi;
        e.circulation *= std::numbers::pi / kPi;
    }
    return elements;
}

void expectAgreement(Quantity quantity, const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        flow::test::FakeSettings fake;
        fake.stream.count = fake.equi.count = c.closedFormCount;
        const Field field(onDrawingScale(c.elements));
        const Agreement a = compare(closedFormPoints(fake, c.routine, c.straight),
                                    test::curvesOf(field, quantity, c.levels), c.keep);
        EXPECT_GT(a.compared, 50u) << c.name;
        EXPECT_EQ(a.within, a.compared)
            << c.name << ": farthest point " << a.worst << " pixels off";
    }
}

const Keep kAll = [](double, double) { return true; };

// Points off the element, closer to it than `radius`.
Keep within(double radius) {
    return [radius](double x, double y) {
        const double r = distanceFrom(x, y, X, Y);
        return r > 2 && r < radius;
    };
}

const Keep kAwayFromCentre = [](double x, double y) { return distanceFrom(x, y, X, Y) > 2; };
const std::vector<Element> kCylinder{dipole(X, Y, kTwoPi* R* R, 180), stream(1, 0)};
const std::vector<Element> kCylinderWithCirculation{dipole(X, Y, kTwoPi* R* R, 180),
                                                    vortex(X, Y, 1000), stream(1, 0)};

TEST(SuperpositionAgreement, Streamlines) {
    expectAgreement(Quantity::StreamFunction,
                    {{"source",
                      [](const Canvas& c) { StreamPointSource(c, X, Y); },
                      {source(X, Y, 1000)},
                      {50, 20},
                      within(200),
                      20,
                      true},
                     {"vortex-source",
                      [](const Canvas& c) { StreamVortexSource(c, X, Y, 10); },
                      {vortexSource(X, Y, 1000, -1000)},
                      {50, 20},
                      within(150)},
                     {"cylinder",
                      [](const Canvas& c) { StreamCylinder(c, R, X, Y); },
                      kCylinder,
                      {50, 20},
                      kAll},
                     {"source in stream",
                      [](const Canvas& c) { StreamSourceInStream(c, X, Y, 1500, kSourceInStream); },
                      {source(X, Y, 1500), stream(1, 0)},
                      {50, 20},
                      kAwayFromCentre},
                     {"sink in stream",
                      [](const Canvas& c) { StreamSourceInStream(c, X, Y, 1500, kSinkInStream); },
                      {sink(X, Y, 1500), stream(1, 0)},
                      {50, 20},
                      [](double x, double y) { return distanceFrom(x, y, X, Y) > 2 && x < 600; }},
                     {"pair",
                      [](const Canvas& c) { StreamSourceSink(c, 300, Y, 200, 1500, 1500); },
                      {source(300, Y, 1500), sink(500, Y, 1500)},
                      {25, 80},
                      [](double x, double y) {
                          return distanceFrom(x, y, X, Y) < 250 && distanceFrom(x, y, 300, Y) > 2 &&
                                 distanceFrom(x, y, 500, Y) > 2;
                      }},
                     {"cylinder with circulation",
                      [](const Canvas& c) { StreamCylinderCirculation(c, R, X, Y); },
                      kCylinderWithCirculation,
                      {50, 60},
                      kAll},
                     {"dipole",
                      [](const Canvas& c) { StreamDipole(c, X, Y, 50); },
                      {dipole(X, Y, kTwoPi * 50, 0)},
                      {1, 3},
                      kAwayFromCentre,
                      1}});
}

TEST(SuperpositionAgreement, Equipotentials) {
    const Keep offAxis = [](double x, double y) { return distanceFrom(x, y, X, Y) > 2 && y != Y; };
    const Keep outsideCylinder = [](double x, double y) {
        return distanceFrom(x, y, X, Y) > R + 3;
    };
    expectAgreement(Quantity::Potential,
                    {{"vortex",
                      [](const Canvas& c) { EquipotentialVortex(c, X, Y); },
                      {vortex(X, Y, 1000)},
                      {50, 20},
                      [](double x, double y) { return distanceFrom(x, y, X, Y) > 2 && y <= Y; },
                      20,
                      true},
                     {"vortex-source",
                      [](const Canvas& c) { EquipotentialVortexSource(c, X, Y, 10); },
                      {vortexSource(X, Y, 1000, -1000)},
                      {50, 40},
                      kAwayFromCentre},
                     {"source in stream",
                      [](const Canvas& c) { EquipotentialSourceInStream(c, X, Y, 1500); },
                      {source(X, Y, 1500), stream(1, 0)},
                      {50, 60},
                      offAxis},
                     {"sink in stream",
                      [](const Canvas& c) { EquipotentialSinkInStream(c, X, Y, 1500); },
                      {sink(X, Y, 1500), stream(1, 0)},
                      {50, 60},
                      offAxis},
                     {"cylinder",
                      [](const Canvas& c) { EquipotentialCylinder(c, X, Y, R); },
                      kCylinder,
                      {50, 40},
                      outsideCylinder},
                     {"cylinder with circulation",
                      [](const Canvas& c) { EquipotentialCylinderCirculation(c, R, X, Y); },
                      kCylinderWithCirculation,
                      {50, 60},
                      outsideCylinder},
                     {"dipole",
                      [](const Canvas& c) { EquipotentialDipole(c, X, Y, 50); },
                      {dipole(X, Y, kTwoPi * 50, 0)},
                      {1, 3},
                      kAwayFromCentre,
                      1}});
}

}  // namespace
}  // namespace flow::superposition
