#include "particles_end_to_end.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <functional>

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

constexpr int kParticles = 2000;
constexpr int kPlayMilliseconds = 2000;

// Plays the particles on the document for two seconds, waiting in the event
// loop as the window does.
void runParticles(benchmark::State& state, TMainForm& form, TMDIChild* d) {
    auto* bar = named<QToolButton>(&form, "ParticlesButton");
    if (!bar->isChecked()) bar->click();
    named<QSpinBox>(&form, "ParticlesCountBox")->setValue(kParticles);
    auto* play = named<QToolButton>(&form, "ParticlesPlayButton");
    settle();
    double corePercent = 0, framesPerSecond = 0;
    for (auto _ : state) {
        play->click();
        auto* overlay =
            d->Image->findChild<QWidget*>("ParticleOverlay", Qt::FindDirectChildrenOnly);
        if (!overlay) {
            state.SkipWithError("no particles shown");
            break;
        }
        const PaintCounter painted(overlay);
        const double cpuBefore = processMilliseconds();
        QElapsedTimer clock;
        clock.start();
        QEventLoop loop;
        QTimer::singleShot(kPlayMilliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
        const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        corePercent = 100 * (processMilliseconds() - cpuBefore) / wall;
        framesPerSecond = painted.count() * 1000.0 / wall;
        play->click();
    }
    state.counters[kCorePercentCounter] = corePercent;
    state.counters[kFramesPerSecondCounter] = framesPerSecond;
    // The other benchmarks run in the window as it was.
    bar->click();
    closeAsSaved(d);
}

void registerCase(const char* name, TMainForm& form, std::function<TMDIChild*()> make) {
    benchmark::RegisterBenchmark(
        name, [&form, make](benchmark::State& state) { runParticles(state, form, make()); })
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace

void registerParticlesEndToEnd(TMainForm& form) {
    for (const char* name : {"cylinder", "vortex-source", "source-sink pair"})
        registerCase((std::string("Particles/") + name).c_str(), form,
                     [&form, name] { return placedOnNewDocument(form, name); });
    registerCase("Particles/superposition of ten", form,
                 [&form] { return superpositionWith(form, tenElements()); });
}

}  // namespace bench
