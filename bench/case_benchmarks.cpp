#include "case_benchmarks.h"

#include <benchmark/benchmark.h>

#include "bench_gauge.h"
#include "document/raster_surface.h"
#include "recording_surface.h"
#include "summary_reporter.h"

namespace bench {

namespace {

void runOnRaster(benchmark::State& state, const Case& c, const TDialogs& dialogs,
                 const flow::Settings& settings) {
    applySettings(dialogs, c.settings);
    RasterSurface surface;
    // The picture a document of this field size gets.
    surface.createPicture(c.settings.fieldWidth, c.settings.fieldHeight);
    BenchGauge gauge;
    const flow::Canvas canvas{surface, settings, gauge};
    for (auto _ : state) {
        gauge.reset();
        c.draw(canvas);
        // Closes the painter, so finishing the drawing is timed too.
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}

void runOnNull(benchmark::State& state, const Case& c, const TDialogs& dialogs,
               const flow::Settings& settings) {
    applySettings(dialogs, c.settings);
    flow::test::RecordingSurface surface(flow::test::RecordingSurface::Keep::CountOnly);
    BenchGauge gauge;
    const flow::Canvas canvas{surface, settings, gauge};
    for (auto _ : state) {
        gauge.reset();
        c.draw(canvas);
        benchmark::ClobberMemory();
    }
}

}  // namespace

void registerCases(const std::vector<Case>& cases, const TDialogs& dialogs,
                   const flow::Settings& settings) {
    for (const Case& c : cases) {
        benchmark::RegisterBenchmark(
            benchmarkName(c.routine, c.name, "raster").c_str(),
            [&](benchmark::State& state) { runOnRaster(state, c, dialogs, settings); })
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(
            benchmarkName(c.routine, c.name, "null").c_str(),
            [&](benchmark::State& state) { runOnNull(state, c, dialogs, settings); })
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace bench
