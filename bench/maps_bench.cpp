// Times the speed and pressure maps of an 800 x 600 picture, from the
// elements to the coloured pixels (values, automatic range, colours): the
// closed-form configurations with their default numbers, and the ten- and
// hundred-element superpositions. Two threads share the rows, so the
// figures are wall-clock time ("wall"; "wall 1 thread" for one; "wall fresh
// buffers" without the last map's memory), kept out of the routines' table
// of processor time.
#include <benchmark/benchmark.h>

#include <numbers>
#include <string>
#include <vector>

#include "closed_form_input.h"
#include "flow/maps/closed_form_elements.h"
#include "flow/maps/map_colouring.h"
#include "flow/maps/value_map.h"
#include "summary_reporter.h"
#include "superposition_cases.h"

namespace bench {

namespace {

namespace sp = flow::superposition;
namespace maps = flow::maps;

constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;

std::vector<sp::Element> closedForm(flow::VelocityConfig config, flow::LeftOut leftOut = {}) {
    return maps::closedFormElements(closedFormInput(config, 600), leftOut);
}

// Fresh buffers for every map, or the last map's buffers again, as a
// window that keeps its map does while an element is dragged.
void run(benchmark::State& state, const std::vector<sp::Element>& elements,
         maps::MapQuantity quantity, int threads, bool fresh) {
    maps::ValueMap values;
    maps::ColouredMap coloured;
    for (auto _ : state) {
        if (fresh) {
            values = {};
            coloured = {};
        }
        maps::fillValueMap(values, elements, kPictureWidth, kPictureHeight, quantity, threads);
        maps::colourMapInto(coloured, values, {}, {}, threads);
        benchmark::DoNotOptimize(coloured.pixels.data());
    }
}

void registerCase(const char* caseName, const std::vector<sp::Element>& elements, bool pressure) {
    struct Variant {
        const char* surface;
        int threads;
        bool fresh;
    };
    for (const Variant v : {Variant{"wall", 2, false}, Variant{"wall 1 thread", 1, false},
                            Variant{"wall fresh buffers", 2, true}})
        for (const auto quantity : {maps::MapQuantity::Speed, maps::MapQuantity::Pressure}) {
            if (quantity == maps::MapQuantity::Pressure && !pressure) continue;
            const std::string routine =
                quantity == maps::MapQuantity::Speed ? "SpeedMap" : "PressureMap";
            benchmark::RegisterBenchmark(
                benchmarkName(routine, caseName, v.surface).c_str(),
                [=](benchmark::State& s) { run(s, elements, quantity, v.threads, v.fresh); })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
}

const bool registered = [] {
    using flow::VelocityConfig;
    registerCase("cylinder with circulation", closedForm(VelocityConfig::CylinderCirculation),
                 true);
    registerCase("cylinder", closedForm(VelocityConfig::Cylinder), true);
    registerCase(
        "source in stream and sink",
        closedForm(VelocityConfig::SourceInStream, {flow::PointElement{{600, 300}, -1500}}), true);
    registerCase("vortex-source", closedForm(VelocityConfig::VortexSource), false);
    registerCase("dipole", closedForm(VelocityConfig::Dipole), false);
    registerCase("default", tenElements(), true);
    registerCase("stress", hundredElements(), true);
    return true;
}();

}  // namespace

}  // namespace bench
