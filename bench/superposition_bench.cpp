// Times the free superposition's streamlines plus lines of equal potential,
// drawn with the dialogs' default settings: ten elements ("default") and a
// hundred ("stress"), on an 800 x 600 picture and on a surface that draws
// nothing. The figures join the summary table of the other routines.
#include <benchmark/benchmark.h>

#include <vector>

#include "../tests/support/fake_settings.h"
#include "bench_gauge.h"
#include "document/raster_surface.h"
#include "flow/superposition/drawing.h"
#include "recording_surface.h"
#include "summary_reporter.h"
#include "superposition_cases.h"

namespace bench {

namespace {

namespace sp = flow::superposition;

constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;

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
