#include "map_end_to_end.h"

#include <benchmark/benchmark.h>

#include <QToolButton>
#include <utility>

#include "app/main_form.h"
#include "configurations.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "gui_test_support.h"
#include "superposition_cases.h"
#include "superposition_end_to_end.h"
#include "window_driving.h"

namespace bench {

namespace {

// Clicks the map's button again and again, each time to the repainted picture.
void runMapClicks(benchmark::State& state, TMainForm& form, TMDIChild* d, const char* button) {
    const PaintCounter painted(d->Image);
    auto* command = named<QToolButton>(&form, button);
    for (auto _ : state) {
        const int before = painted.count();
        command->click();
        if (!processUntilPainted(painted, before)) {
            state.SkipWithError("the picture was not repainted");
            break;
        }
    }
    closeAsSaved(d);
}

}  // namespace

void registerMapEndToEnd(TMainForm& form) {
    for (const PlacedConfiguration& placed : placedConfigurations())
        benchmark::RegisterBenchmark(("MapSpeed/" + placed.name).toStdString().c_str(),
                                     [&form, &placed](benchmark::State& state) {
                                         TMDIChild* d = newDocument(form);
                                         placed.place(form, d, {400, 300});
                                         settle();
                                         runMapClicks(state, form, d, "SpeedMapButton");
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    benchmark::RegisterBenchmark(
        "MapPressure/cylinder with circulation",
        [&form](benchmark::State& state) {
            TMDIChild* d = newDocument(form);
            for (const PlacedConfiguration& placed : placedConfigurations())
                if (placed.name == "cylinder with circulation") placed.place(form, d, {400, 300});
            settle();
            runMapClicks(state, form, d, "PressureMapButton");
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    for (const auto& [name, elements] :
         {std::pair{"MapPressure/superposition of ten", tenElements()},
          std::pair{"MapPressure/superposition of a hundred", hundredElements()}})
        benchmark::RegisterBenchmark(
            name,
            [&form, elements](benchmark::State& state) {
                runMapClicks(state, form, superpositionWith(form, elements), "PressureMapButton");
            })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
}

}  // namespace bench
