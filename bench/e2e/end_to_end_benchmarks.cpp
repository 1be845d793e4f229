#include "end_to_end_benchmarks.h"

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QToolButton>

#include "app/application.h"
#include "app/main_form.h"
#include "app/program.h"
#include "case_benchmarks.h"
#include "configurations.h"
#include "dialogs/dialogs.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "gui_test_support.h"
#include "summary_reporter.h"
#include "window_driving.h"

extern char** environ;

namespace bench {

namespace {

// A new document through its tool button, as the benchmark times it.
TMDIChild* clickNewDocument(TMainForm& form) {
    named<QToolButton>(&form, "SpeedButton3")->click();
    return form.ActiveMDIChild();
}

// The command clicked again and again on one document; before each click
// the document gets back its first title, so a new title is set each time
// as at the first click. Right after the clicks the routine alone draws as
// many times, so that both meet the same state of the machine (run one by
// one in turn, each would find the caches full of the other's picture); the
// mean of those is the counter `kRoutineAloneCounter`.
void runCommand(benchmark::State& state, const EndToEndCase& c, TMainForm& form) {
    applySettings(form.dialogs(), c.settings);
    TMDIChild* d = clickNewDocument(form);
    settle();
    placedConfigurations()[c.configuration].place(form, d, {c.elementX, c.elementY});
    settle();
    const PaintCounter painted(d->Image);
    QToolButton* command = c.streamlines ? named<QToolButton>(&form, "SpeedButton1")
                                         : named<QToolButton>(&form, "SpeedButton17");
    const QString title = d->windowTitle();
    for (auto _ : state) {
        state.PauseTiming();
        d->setWindowTitle(title);
        settle();
        const int before = painted.count();
        state.ResumeTiming();
        command->click();
        if (!processUntilPainted(painted, before)) {
            state.SkipWithError("the picture was not repainted");
            break;
        }
    }
    closeAsSaved(d);
    const flow::Settings settings = settingsOf(form.dialogs());
    RoutineOnRaster routine(c.routineAlone, settings, c.settings.fieldWidth,
                            c.settings.fieldHeight);
    const double start = processMilliseconds();
    for (benchmark::IterationCount i = 0; i < state.iterations(); ++i) routine.drawOnce();
    state.counters[kRoutineAloneCounter] =
        benchmark::Counter(processMilliseconds() - start, benchmark::Counter::kAvgIterations);
    applySettings(form.dialogs(), SettingValues{});
}

void runNewDocument(benchmark::State& state, TMainForm& form) {
    for (auto _ : state) {
        TMDIChild* d = clickNewDocument(form);
        const PaintCounter painted(d->Image);
        const bool shown = processUntilPainted(painted, 0);
        state.PauseTiming();
        closeAsSaved(d);
        state.ResumeTiming();
        if (!shown) {
            state.SkipWithError("the new document was not painted");
            break;
        }
    }
}

// Processor time of the whole child process, start-up and dynamic linking
// included, as the iteration's time.
void runProgramStart(benchmark::State& state, const std::string& self) {
    for (auto _ : state) {
        char* argv[] = {const_cast<char*>(self.c_str()), const_cast<char*>(firstWindowOption),
                        nullptr};
        pid_t child = 0;
        if (posix_spawn(&child, self.c_str(), nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("the program could not be started");
            break;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program's first window was not painted");
            break;
        }
        const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
        state.SetIterationTime(seconds(usage.ru_utime) + seconds(usage.ru_stime));
    }
}

}  // namespace

void registerEndToEnd(const std::vector<EndToEndCase>& cases, TMainForm& form,
                      const std::string& self) {
    for (const EndToEndCase& c : cases) {
        benchmark::RegisterBenchmark(
            benchmarkName(c.routine, c.caseName, "click").c_str(),
            [&c, &form](benchmark::State& state) { runCommand(state, c, form); })
            ->Unit(benchmark::kMillisecond)
            ->MeasureProcessCPUTime();
    }
    benchmark::RegisterBenchmark("NewDocument",
                                 [&form](benchmark::State& state) { runNewDocument(state, form); })
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime();
    benchmark::RegisterBenchmark("ProgramStart",
                                 [self](benchmark::State& state) { runProgramStart(state, self); })
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(10);
}

int showFirstWindow(int argc, char** argv) {
    TApplication::describe();
    TApplication app(argc, argv);
    TProgram program;
    const PaintCounter painted(&program.mainForm());
    program.mainForm().showMaximized();
    return processUntilPainted(painted, 0) ? 0 : 1;
}

}  // namespace bench
