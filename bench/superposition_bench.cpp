// Times the free superposition's streamlines plus lines of equal potential,
// drawn with the dialogs' default settings: ten elements ("default") and a
// hundred ("stress"), on an 800 x 600 picture and on a surface that draws
// nothing. The figures join the summary table of the other routines.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "../tests/support/fake_settings.h"
#include "bench_gauge.h"
#include "document/raster_surface.h"
#include "flow/superposition/drawing.h"
#include "recording_surface.h"
#include "summary_reporter.h"

namespace bench {

namespace {

namespace sp = flow::superposition;

constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;

std::vector<sp::Element> tenElements() {
    return {sp::stream(1, 0),
            sp::source(200, 250, 1500),
            sp::source(300, 420, 900),
            sp::sink(600, 300, 1500),
            sp::sink(450, 150, 700),
            sp::vortex(380, 300, 800),
            sp::vortex(650, 480, -600),
            sp::dipole(120, 120, 60000, 30),
            sp::vortexSource(520, 420, 1000, 400),
            sp::source(700, 120, 600)};
}

std::vector<sp::Element> hundredElements() {
    std::mt19937 random(100);
    std::uniform_real_distribution<double> x(0, kPictureWidth), y(0, kPictureHeight),
        q(-2000, 2000);
    std::vector<sp::Element> elements{sp::stream(1, 15)};
    for (int i = 1; i < 100; ++i) {
        const double px = x(random), py = y(random), s = q(random);
        elements.push_back(i % 3 == 0   ? sp::vortex(px, py, s)
                           : i % 3 == 1 ? sp::source(px, py, std::abs(s))
                                        : sp::sink(px, py, std::abs(s)));
    }
    return elements;
}

void drawBoth(const flow::Canvas& canvas, const std::vector<sp::Element>& elements, bool even) {
    sp::drawStreamlines(canvas, elements, {even});
    sp::drawEquipotentials(canvas, elements);
}

void run(benchmark::State& state, const std::vector<sp::Element>& elements, bool even,
         bool raster) {
    flow::test::FakeSettings fake;
    const flow::Settings settings = fake.settings();
    RasterSurface picture;
    flow::test::RecordingSurface counter(flow::test::RecordingSurface::Keep::CountOnly);
    if (raster) picture.createPicture(kPictureWidth, kPictureHeight);
    flow::Surface& surface = raster ? static_cast<flow::Surface&>(picture) : counter;
    BenchGauge gauge;
    const flow::Canvas canvas{surface, settings, gauge};
    for (auto _ : state) {
        gauge.reset();
        drawBoth(canvas, elements, even);
        if (raster) benchmark::DoNotOptimize(picture.image().constBits());
    }
}

void registerCase(const char* routine, const char* caseName, std::vector<sp::Element> elements,
                  bool even) {
    for (const bool raster : {true, false})
        benchmark::RegisterBenchmark(
            benchmarkName(routine, caseName, raster ? "raster" : "null").c_str(),
            [=](benchmark::State& s) { run(s, elements, even, raster); })
            ->Unit(benchmark::kMillisecond);
}

const bool registered = [] {
    registerCase("SuperpositionLevels", "default", tenElements(), false);
    registerCase("SuperpositionEvenlySpaced", "default", tenElements(), true);
    registerCase("SuperpositionLevels", "stress", hundredElements(), false);
    return true;
}();

}  // namespace

}  // namespace bench
