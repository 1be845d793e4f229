#include "airfoil_end_to_end.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QSlider>
#include <QToolButton>

#include "app/main_form.h"
#include "dialogs/airfoil_dialog.h"
#include "dialogs/dialogs.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "gui_test_support.h"
#include "window_driving.h"

namespace bench {

namespace {

TMDIChild* newAirfoil(TMainForm& form) {
    named<QAction>(&form, "AirfoilItem")->trigger();
    settle();
    return form.ActiveMDIChild();
}

// Runs `change` and the event loop until the picture is repainted.
template <class Change>
bool paintedAfter(const PaintCounter& painted, Change change) {
    const int before = painted.count();
    change();
    return processUntilPainted(painted, before);
}

void runLines(benchmark::State& state, TMainForm& form) {
    for (auto _ : state) {
        state.PauseTiming();
        TMDIChild* d = newAirfoil(form);
        const PaintCounter painted(d->Image);
        state.ResumeTiming();
        for (const char* command : {"SpeedButton1", "SpeedButton17"})
            if (!paintedAfter(painted, [&] { named<QToolButton>(&form, command)->click(); })) {
                state.SkipWithError("the picture was not repainted");
                return;
            }
        state.PauseTiming();
        closeAsSaved(d);
        state.ResumeTiming();
    }
}

// The angle's slider set to two values in turn, as a hand dragging it would.
void runAngle(benchmark::State& state, TMainForm& form) {
    TMDIChild* d = newAirfoil(form);
    named<QToolButton>(&form, "SpeedButton1")->click();
    named<QToolButton>(&form, "SpeedButton17")->click();
    settle();
    const PaintCounter painted(d->Image);
    QSlider* angle = form.dialogs().airfoilDialog->angle;
    int halfDegrees = angle->value();
    for (auto _ : state) {
        halfDegrees = halfDegrees == 10 ? 11 : 10;
        if (!paintedAfter(painted, [&] { angle->setValue(halfDegrees); })) {
            state.SkipWithError("the picture was not repainted");
            break;
        }
    }
    closeAsSaved(d);
}

}  // namespace

void registerAirfoilEndToEnd(TMainForm& form) {
    benchmark::RegisterBenchmark("AirfoilLines",
                                 [&form](benchmark::State& state) { runLines(state, form); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("AirfoilAngle",
                                 [&form](benchmark::State& state) { runAngle(state, form); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace bench
