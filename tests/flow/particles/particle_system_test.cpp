// Particles against the exact motion, round bodies, sinks and vortices,
// stagnation points and a still flow; and their determinism.
#include "flow/particles/particle_system.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "flow/maps/closed_form_elements.h"
#include "flow/velocity/element_picture_flow.h"

namespace flow::particles {
namespace {

namespace sp = superposition;
constexpr double kPi = std::numbers::pi;
const Box kPicture{0, 0, 799, 599};

double distance(PicturePoint a, PicturePoint b) {
    return std::sqrt(maps::squaredDistance(a, b));
}

struct MotionCase {
    const char* name;
    std::vector<sp::Element> elements;
    double dt;
    std::function<PicturePoint(PicturePoint)> next;  // where the exact motion goes in dt
};

// Each frame moves a particle from the last point of its trail to where
// the exact motion takes it.
TEST(Particles, FollowTheExactMotion) {
    const double Q = 1500, dt = 2;
    const std::vector<MotionCase> cases{
        {"stream",
         {sp::stream(3, 30)},
         dt,
         [=](PicturePoint p) {
             return PicturePoint{p.x + 3 * dt * std::cos(kPi / 6),
                                 p.y - 3 * dt * std::sin(kPi / 6)};
         }},
        {"source", {sp::source(400, 300, Q)}, dt, [=](PicturePoint p) {
             const double r = distance(p, {400, 300});
             const double k = std::sqrt(r * r + Q * dt / kPi) / r;
             return PicturePoint{400 + (p.x - 400) * k, 300 + (p.y - 300) * k};
         }}};
    for (const MotionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ElementPictureFlow flow(c.elements);
        ParticleSystem system(flow, kPicture, {}, 300, 4, 7);
        int checked = 0;
        for (int frame = 0; frame < 100; ++frame) {
            std::vector<PicturePoint> before;
            for (const Particle& p : system.particles()) before.push_back(p.at());
            const FrameCount count = system.advance(c.dt);
            EXPECT_EQ(count.moving + count.released, 300);
            for (std::size_t i = 0; i < before.size(); ++i) {
                const std::vector<PicturePoint>& trail = system.particles()[i].trail;
                if (trail.size() < 2) continue;  // released again this frame
                const PicturePoint expected = c.next(before[i]);
                ASSERT_NEAR(trail.back().x, expected.x, 1e-3) << frame;
                ASSERT_NEAR(trail.back().y, expected.y, 1e-3) << frame;
                ++checked;
            }
        }
        EXPECT_GT(checked, 20000);
    }
}

// Round a cylinder, with and without circulation, no particle ever ends a
// frame inside it or is swallowed by it, and particles pass it.
TEST(Particles, FlowRoundACylinderWithoutEnteringIt) {
    for (const VelocityConfig config :
         {VelocityConfig::Cylinder, VelocityConfig::CylinderCirculation}) {
        VelocityInput in{config, {}, {400, 300}, 1};
        in.R = 100;
        in.U = 1;
        in.gamma = 1000;
        const maps::Cylinder c = *maps::cylinderOf(in);
        const ElementPictureFlow flow(maps::closedFormElements(in), {{{c.x, c.y}, c.radius}});
        ParticleSystem system(flow, kPicture, {}, 2000, 8, 3);
        int passed = 0, released = 0;
        for (int frame = 0; frame < 300; ++frame) {
            std::vector<PicturePoint> before;
            for (const Particle& p : system.particles()) before.push_back(p.at());
            released += system.advance(4).released;
            for (std::size_t i = 0; i < before.size(); ++i) {
                const PicturePoint at = system.particles()[i].at(), was = before[i];
                ASSERT_GE(distance(at, {c.x, c.y}), c.radius) << frame;
                passed += at.x > c.x + c.radius && std::abs(at.y - c.y) < c.radius;
                // Released again only on leaving the picture: from next to its edge.
                EXPECT_TRUE(system.particles()[i].trail.size() > 1 ||
                            std::min({was.x, was.y, 799 - was.x, 599 - was.y}) < 16);
            }
        }
        EXPECT_GT(passed, 1000);
        EXPECT_GT(released, 500);
    }
}

// A particle carried into a sink or a spiral sink comes steadily nearer
// and is released again, even when a frame is far too long: it never
// jumps across the element.
TEST(Particles, AreSwallowedBySinksWithoutJumpingAcross) {
    const struct {
        const char* name;
        std::vector<sp::Element> elements;
        bool alongAxis;  // the particle runs along y = 300 from the left
    } cases[] = {{"sink in a stream", {sp::stream(1, 0), sp::sink(400, 300, 2000)}, true},
                 {"spiral sink", {sp::sink(400, 300, 2000), sp::vortex(400, 300, 5000)}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ElementPictureFlow flow(c.elements);
        const PicturePoint start{200, 300}, sink{400, 300};
        ParticleSystem system(flow, kPicture, {ReleaseKind::Streamlines, {start}}, 1, 1);
        for (const double dt : {1.0, 50.0}) {
            int released = 0;
            double last = distance(system.particles()[0].at(), sink);
            for (int frame = 0; frame < 400 && released == 0; ++frame) {
                released = system.advance(dt).released;
                const double now = distance(system.particles()[0].at(), sink);
                if (released == 0) {
                    EXPECT_LE(now, last + 1e-9);
                    EXPECT_GE(now, kSingularReach);
                    if (c.alongAxis) {
                        EXPECT_LE(system.particles()[0].at().x, sink.x);
                    }
                }
                last = now;
            }
            EXPECT_EQ(released, 1) << dt;
            EXPECT_LE(distance(system.particles()[0].at(), sink), distance(start, sink) + 1e-9);
        }
    }
}

// In a stream to the right, particles are released again on their line: a
// frame's travel at most from it (they start at a random moment of it).
TEST(Particles, AreReleasedAgainOnTheirLine) {
    const ElementPictureFlow flow({sp::stream(1, 0)});
    const double dt = 2;
    const struct {
        const char* name;
        Release release;
        std::function<bool(PicturePoint)> on;
    } cases[] = {
        {"upstream edge", {}, [=](PicturePoint p) { return p.x <= dt; }},
        {"drawn line",
         {ReleaseKind::DrawnLine, {{100, 100}, {100, 500}}},
         [=](PicturePoint p) { return p.x >= 100 && p.x <= 100 + dt && p.y >= 100 && p.y <= 500; }},
        {"streamlines",
         {ReleaseKind::Streamlines, {{50, 100}, {50, 200}}},
         [=](PicturePoint p) { return p.x >= 50 && p.x <= 50 + dt && (p.y == 100 || p.y == 200); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParticleSystem system(flow, kPicture, c.release, 200, 3);
        int released = 0;
        for (int frame = 0; frame < 200; ++frame) {
            released += system.advance(dt).released;
            for (const Particle& p : system.particles())
                EXPECT_TRUE(p.trail.size() > 1 || c.on(p.at())) << p.at().x << " " << p.at().y;
        }
        EXPECT_GT(released, 100);
    }
}

// At a stagnation point, or anywhere in a still flow, particles stay put
// and count as stopped.
TEST(Particles, StayPutWhereNothingMoves) {
    VelocityInput in{VelocityConfig::Cylinder, {}, {400, 300}, 1};
    in.R = 100;
    in.U = 1;
    const ElementPictureFlow cylinder(maps::closedFormElements(in), {{{400, 300}, 100}});
    const ElementPictureFlow still({});
    const struct {
        const char* name;
        const PictureFlow& flow;
        Release release;
    } cases[] = {{"stagnation point", cylinder, {ReleaseKind::Streamlines, {{300, 300}}}},
                 {"still flow", still, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParticleSystem system(c.flow, kPicture, c.release, 50, 3);
        std::vector<PicturePoint> before;
        for (const Particle& p : system.particles()) before.push_back(p.at());
        for (int frame = 0; frame < 10; ++frame) {
            const FrameCount count = system.advance(5);
            EXPECT_EQ(count.stopped, 50);
            EXPECT_EQ(count.moving + count.released, 0);
        }
        for (std::size_t i = 0; i < before.size(); ++i) {
            EXPECT_TRUE(system.particles()[i].stopped);
            EXPECT_EQ(system.particles()[i].at(), before[i]);
            EXPECT_TRUE(std::isfinite(before[i].x) && std::isfinite(before[i].y));
        }
    }
}

// The same seed gives the same particles frame for frame, whether moved
// all at once or in two parts; another seed other ones.
TEST(Particles, FollowTheirSeed) {
    const ElementPictureFlow flow(
        {sp::stream(1, 0), sp::source(300, 300, 1500), sp::sink(550, 250, 1000)});
    ParticleSystem a(flow, kPicture, {}, 500, 5, 11), b(flow, kPicture, {}, 500, 5, 11),
        c(flow, kPicture, {}, 500, 5, 12);
    for (int frame = 0; frame < 50; ++frame) {
        a.advance(3);
        b.advance(3, 250, 500);
        b.advance(3, 0, 250);
        c.advance(3);
    }
    int same = 0;
    for (std::size_t i = 0; i < 500; ++i) {
        EXPECT_EQ(a.particles()[i].trail, b.particles()[i].trail);
        same += a.particles()[i].at() == c.particles()[i].at();
    }
    EXPECT_LT(same, 5);
}

// A cylinder moved over particles (as a drag moves it): they go on from
// where they are, none ends a frame inside its new place.
TEST(Particles, GoOnInAMovedFlow) {
    VelocityInput in{VelocityConfig::Cylinder, {}, {300, 300}, 1};
    in.R = 100;
    in.U = 1;
    const ElementPictureFlow first(maps::closedFormElements(in), {{{300, 300}, 100}});
    ParticleSystem system(first, kPicture, {}, 1000, 5, 2);
    for (int frame = 0; frame < 20; ++frame) system.advance(4);
    in.centre = {420, 300};
    const ElementPictureFlow moved(maps::closedFormElements(in), {{{420, 300}, 100}});
    std::vector<PicturePoint> before;
    for (const Particle& p : system.particles()) before.push_back(p.at());
    system.setFlow(moved);
    int covered = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(system.particles()[i].at(), before[i]);
        covered += distance(before[i], {420, 300}) < 100;
    }
    EXPECT_GT(covered, 10);
    system.advance(4);
    for (const Particle& p : system.particles()) EXPECT_GE(distance(p.at(), {420, 300}), 100);
}

}  // namespace
}  // namespace flow::particles
