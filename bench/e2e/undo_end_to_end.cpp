#include "undo_end_to_end.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QAction>
#include <QKeySequence>
#include <QToolButton>
#include <QUndoStack>
#include <cmath>
#include <fstream>

#include "app/main_form.h"
#include "bench_gauge.h"
#include "configurations.h"
#include "dialogs/dialogs.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "document/velocity_input.h"
#include "gui_test_support.h"
#include "superposition_cases.h"
#include "superposition_end_to_end.h"
#include "window_driving.h"

namespace bench {

namespace {

// The main window's action that has the key among its shortcuts, if any.
QAction* actionWithKey(TMainForm& form, const QKeySequence& key) {
    for (QAction* action : form.findChildren<QAction*>())
        if (action->shortcuts().contains(key)) return action;
    return nullptr;
}

// Undo or redo as the key gives it: the main window's action for Ctrl+Z or
// Ctrl+Shift+Z, or the active document's history where there is no action.
class HistoryKeys {
  public:
    explicit HistoryKeys(TMainForm& form)
        : undo_(actionWithKey(form, QKeySequence("Ctrl+Z"))),
          redo_(actionWithKey(form, QKeySequence("Ctrl+Shift+Z"))) {}
    bool byKey() const { return undo_ && redo_; }

    // False when the history did not move.
    bool press(TMDIChild* d, bool redo) const {
        QUndoStack& history = d->document().history();
        const int before = history.index();
        if (byKey())
            (redo ? redo_ : undo_)->trigger();
        else if (redo)
            history.redo();
        else
            history.undo();
        return history.index() != before;
    }

  private:
    QAction* undo_;
    QAction* redo_;
};

// Presses the key and waits for the repainted picture; adds the processor
// time the key's command took, the picture drawn again without its repaint,
// to `replayMs`.
bool pressAndPaint(const HistoryKeys& keys, TMDIChild* d, bool redo, const PaintCounter& painted,
                   double& replayMs) {
    const int before = painted.count();
    const double start = processMilliseconds();
    const bool moved = keys.press(d, redo);
    replayMs += processMilliseconds() - start;
    return moved && processUntilPainted(painted, before);
}

// A new document with a cylinder placed at the picture's centre, then
// streamlines, equipotentials, velocity vectors around the cylinder and
// labels in turn, `steps` steps of the history in all.
TMDIChild* ordinaryConstruction(TMainForm& form, int steps) {
    named<QToolButton>(&form, "SpeedButton3")->click();
    TMDIChild* d = form.ActiveMDIChild();
    settle();
    const QSize size = d->surface().image().size();
    const QPoint centre(size.width() / 2, size.height() / 2);
    placedConfigurations()[4].place(form, d, centre);
    settle();
    BenchGauge gauge;
    for (int i = 1; i < steps; ++i) {
        const double angle = 0.7 * i;
        const QPoint around = centre + QPoint(static_cast<int>(160 * std::cos(angle)),
                                              static_cast<int>(160 * std::sin(angle)));
        switch (i % 4) {
            case 1:
                named<QToolButton>(&form, "SpeedButton1")->click();
                break;
            case 2:
                named<QToolButton>(&form, "SpeedButton17")->click();
                break;
            case 3: {
                const flow::Settings settings = settingsOf(form.dialogs());
                const auto input = velocityInputAt(d->document().configuration(), settings,
                                                   {around.x(), around.y()});
                if (input) d->document().drawVelocity(*input, settings, gauge);
                break;
            }
            default:
                d->document().stampLabel(around.x(), around.y(), QString("Точка %1").arg(i));
        }
        settle();
    }
    return d;
}

// Ten elements with streamlines and equipotentials, twelve steps.
TMDIChild* superpositionConstruction(TMainForm& form) {
    TMDIChild* d = superpositionWith(form, tenElements());
    named<QToolButton>(&form, "SpeedButton1")->click();
    named<QToolButton>(&form, "SpeedButton17")->click();
    settle();
    return d;
}

// Each iteration undoes (or redoes) the last step to the repainted picture;
// the opposite key, untimed, brings the construction back in between.
void runUndoRedo(benchmark::State& state, TMainForm& form, TMDIChild* d, int expectedSteps,
                 bool redo) {
    const HistoryKeys keys(form);
    const PaintCounter painted(d->Image);
    double replayMs = 0, untimedMs = 0;
    if (d->document().history().count() != expectedSteps) {
        state.SkipWithError("the construction has not the steps it should");
    } else {
        for (auto _ : state) {
            state.PauseTiming();
            if (redo) pressAndPaint(keys, d, false, painted, untimedMs);
            settle();
            state.ResumeTiming();
            if (!pressAndPaint(keys, d, redo, painted, replayMs)) {
                state.SkipWithError("the step was not undone or redone and repainted");
                break;
            }
            state.PauseTiming();
            if (!redo) pressAndPaint(keys, d, true, painted, untimedMs);
            settle();
            state.ResumeTiming();
        }
    }
    state.counters[kReplayCounter] =
        benchmark::Counter(replayMs, benchmark::Counter::kAvgIterations);
    state.counters[kByKeyCounter] = keys.byKey() ? 1 : 0;
    closeAsSaved(d);
}

// The process's resident set in bytes.
double residentBytes() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

// A hundred undos in a row of a hundred-step construction, timed together;
// the resident set's growth over them, and over the last half of them, are
// counters beside the picture's bytes.
void runUndoMemory(benchmark::State& state, TMainForm& form) {
    constexpr int kSteps = 100;
    TMDIChild* d = ordinaryConstruction(form, kSteps);
    const HistoryKeys keys(form);
    const PaintCounter painted(d->Image);
    const double before = residentBytes();
    double halfway = before, replayMs = 0;
    for (auto _ : state) {
        for (int i = 0; i < kSteps; ++i) {
            if (!pressAndPaint(keys, d, false, painted, replayMs)) {
                state.SkipWithError("a step was not undone and repainted");
                break;
            }
            if (i == kSteps / 2 - 1) halfway = residentBytes();
        }
    }
    settle();
    const double after = residentBytes();
    state.counters[kResidentGrowthCounter] = after - before;
    state.counters[kLastHalfGrowthCounter] = after - halfway;
    const QImage& picture = d->surface().image();
    state.counters[kPictureBytesCounter] = static_cast<double>(picture.sizeInBytes());
    state.counters[kByKeyCounter] = keys.byKey() ? 1 : 0;
    closeAsSaved(d);
}

}  // namespace

void registerUndoEndToEnd(TMainForm& form) {
    constexpr int kOrdinarySteps = 20;
    constexpr int kSuperpositionSteps = 12;
    for (const bool redo : {false, true}) {
        benchmark::RegisterBenchmark(redo ? "RedoOrdinaryTwenty" : "UndoOrdinaryTwenty",
                                     [&form, redo](benchmark::State& state) {
                                         runUndoRedo(state, form,
                                                     ordinaryConstruction(form, kOrdinarySteps),
                                                     kOrdinarySteps, redo);
                                     })
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime();
        benchmark::RegisterBenchmark(redo ? "RedoSuperpositionTen" : "UndoSuperpositionTen",
                                     [&form, redo](benchmark::State& state) {
                                         runUndoRedo(state, form, superpositionConstruction(form),
                                                     kSuperpositionSteps, redo);
                                     })
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime();
    }
    benchmark::RegisterBenchmark("UndoMemoryHundred",
                                 [&form](benchmark::State& state) { runUndoMemory(state, form); })
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->Iterations(1);
}

}  // namespace bench
