// Times one frame of 2,000 moving particles on an 800 x 600 picture, for
// every closed-form configuration and ten elements of every kind: the
// particles released from the upstream edge and their stream established
// first, each frame moving them 3 pixels at the picture's typical speed.
#include <benchmark/benchmark.h>

#include <optional>
#include <vector>

#include "closed_form_input.h"
#include "flow/maps/closed_form_elements.h"
#include "flow/particles/particle_system.h"
#include "flow/velocity/element_picture_flow.h"
#include "summary_reporter.h"
#include "superposition_cases.h"

namespace bench {

namespace {

namespace sp = flow::superposition;
namespace fp = flow::particles;

constexpr int kParticles = 2000;
constexpr int kTrail = 16;
constexpr int kWarmUpFrames = 120;
constexpr double kPixelsPerFrame = 3;

struct ParticlesCase {
    const char* name;
    std::vector<sp::Element> elements;
    std::vector<flow::maps::Circle> bodies;
};

ParticlesCase closedForm(const char* name, flow::VelocityConfig config) {
    const flow::VelocityInput in = closedFormInput(config);
    std::vector<flow::maps::Circle> bodies;
    if (const std::optional<flow::maps::Cylinder> c = flow::maps::cylinderOf(in))
        bodies.push_back({{c->x, c->y}, c->radius});
    return {name, flow::maps::closedFormElements(in), bodies};
}

void run(benchmark::State& state, const ParticlesCase& c) {
    const flow::ElementPictureFlow flow(c.elements, c.bodies);
    fp::ParticleSystem particles(flow, {0, 0, 799, 599}, {}, kParticles, kTrail);
    const double dt = kPixelsPerFrame / particles.typicalSpeed();
    for (int i = 0; i < kWarmUpFrames; ++i) particles.advance(dt);
    for (auto _ : state) {
        const fp::FrameCount count = particles.advance(dt);
        benchmark::DoNotOptimize(count.moving);
    }
}

const bool registered = [] {
    using flow::VelocityConfig;
    static const std::vector<ParticlesCase> cases{
        closedForm("cylinder with circulation", VelocityConfig::CylinderCirculation),
        closedForm("cylinder", VelocityConfig::Cylinder),
        closedForm("source in stream", VelocityConfig::SourceInStream),
        closedForm("vortex-source", VelocityConfig::VortexSource),
        closedForm("dipole", VelocityConfig::Dipole),
        closedForm("vortex", VelocityConfig::Vortex),
        closedForm("point source", VelocityConfig::PointSource),
        {"ten elements", tenElements(), {}},
    };
    for (const ParticlesCase& c : cases)
        benchmark::RegisterBenchmark(benchmarkName("ParticlesFrame", c.name, "cpu").c_str(),
                                     [&c](benchmark::State& s) { run(s, c); })
            ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace

}  // namespace bench
