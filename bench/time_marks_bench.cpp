// Times the time marks on the default streamlines of every closed-form
// configuration on an 800 x 600 picture, as the command draws them: the
// routine's lines traced again without arrowheads, then the marks every
// default dt integrated along them and drawn.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "closed_form_input.h"
#include "flow/maps/closed_form_elements.h"
#include "flow/routines.h"
#include "flow/time_marks/time_marks.h"
#include "flow/velocity/element_picture_flow.h"
#include "recording_surface.h"
#include "summary_reporter.h"

namespace bench {

namespace {

namespace sp = flow::superposition;
namespace tmarks = flow::time_marks;

class NoGauge : public flow::Gauge {
  public:
    void advance(int) override {}
};

struct MarksCase {
    const char* name;
    flow::VelocityConfig config;
    const char* routine;
    std::vector<int> arguments;
};

std::vector<sp::Element> elementsOf(flow::VelocityConfig config) {
    return flow::maps::closedFormElements(closedFormInput(config));
}

void run(benchmark::State& state, const MarksCase& c) {
    flow::SettingValues values;
    values.set("streamlines.arrows", false);
    const flow::RoutineCall call = flow::routineCall(c.routine, c.arguments);
    const flow::ElementPictureFlow field(elementsOf(c.config));
    const tmarks::MarkStyle style{20, 3, flow::kBlack};
    NoGauge gauge;
    flow::test::RecordingSurface surface(flow::test::RecordingSurface::Keep::CountOnly);
    for (auto _ : state) {
        tmarks::LineCapture capture;
        flow::runRoutine({capture, values.settings(), gauge}, call);
        const tmarks::MarkCount count =
            tmarks::drawMarks(surface, field, capture.lines(), {0, 0, 799, 599}, style);
        benchmark::DoNotOptimize(count.marks);
    }
}

const bool registered = [] {
    using flow::VelocityConfig;
    static const std::vector<MarksCase> cases{
        {"cylinder with circulation",
         VelocityConfig::CylinderCirculation,
         "StreamCylinderCirculation",
         {100, 400, 300}},
        {"cylinder", VelocityConfig::Cylinder, "StreamCylinder", {100, 400, 300}},
        {"source in stream",
         VelocityConfig::SourceInStream,
         "StreamSourceInStream",
         {400, 300, 1500}},
        {"vortex-source", VelocityConfig::VortexSource, "StreamVortexSource", {400, 300, 20}},
        {"dipole", VelocityConfig::Dipole, "StreamDipole", {400, 300, 50}},
        {"vortex", VelocityConfig::Vortex, "StreamVortex", {400, 300}},
        {"point source", VelocityConfig::PointSource, "StreamPointSource", {400, 300}},
    };
    for (const MarksCase& c : cases)
        benchmark::RegisterBenchmark(benchmarkName("TimeMarks", c.name, "wall").c_str(),
                                     [&c](benchmark::State& s) { run(s, c); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    return true;
}();

}  // namespace

}  // namespace bench
