#include "case_benchmarks.h"

#include <benchmark/benchmark.h>

#include "flow/vector_state.h"
#include "recording_surface.h"
#include "summary_reporter.h"

namespace bench {

RoutineOnRaster::RoutineOnRaster(const std::function<void(const flow::Canvas&)>& draw,
                                 const flow::Settings& settings, int fieldWidth, int fieldHeight)
    : draw_(draw), canvas_{surface_, settings, gauge_} {
    // The picture a document of this field size gets.
    surface_.createPicture(fieldWidth, fieldHeight);
}

void RoutineOnRaster::drawOnce() {
    // As the program runs each routine.
    flow::clearUpperVectorState();
    gauge_.reset();
    draw_(canvas_);
    // Closes the painter, so finishing the drawing is timed too.
    benchmark::DoNotOptimize(surface_.image().constBits());
}

namespace {

void runOnRaster(benchmark::State& state, const Case& c, const TDialogs& dialogs,
                 const flow::Settings& settings) {
    applySettings(dialogs, c.settings);
    RoutineOnRaster routine(c.draw, settings, c.settings.fieldWidth, c.settings.fieldHeight);
    for (auto _ : state) routine.drawOnce();
}

void runOnNull(benchmark::State& state, const Case& c, const TDialogs& dialogs,
               const flow::Settings& settings) {
    applySettings(dialogs, c.settings);
    flow::test::RecordingSurface surface(flow::test::RecordingSurface::Keep::CountOnly);
    BenchGauge gauge;
    const flow::Canvas canvas{surface, settings, gauge};
    for (auto _ : state) {
        flow::clearUpperVectorState();
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
