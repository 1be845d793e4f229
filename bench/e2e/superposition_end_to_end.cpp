#include "superposition_end_to_end.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <vector>

#include "app/main_form.h"
#include "configurations.h"
#include "document/mdi_child.h"
#include "document/picture_view.h"
#include "gui_test_support.h"
#include "superposition_cases.h"
#include "window_driving.h"

namespace bench {

namespace {

namespace sp = flow::superposition;

// Clicks the command and waits for the repainted picture.
bool clickAndPaint(QToolButton* command, const PaintCounter& painted) {
    const int before = painted.count();
    command->click();
    return processUntilPainted(painted, before);
}

void runLines(benchmark::State& state, TMainForm& form, const std::vector<sp::Element>& elements) {
    TMDIChild* d = superpositionWith(form, elements);
    const PaintCounter painted(d->Image);
    auto* streamlines = named<QToolButton>(&form, "SpeedButton1");
    auto* equipotentials = named<QToolButton>(&form, "SpeedButton17");
    for (auto _ : state) {
        if (!clickAndPaint(streamlines, painted) || !clickAndPaint(equipotentials, painted)) {
            state.SkipWithError("the picture was not repainted");
            break;
        }
    }
    closeAsSaved(d);
}

// The first source's strength typed into the panel, alternating between
// two values; the picture is drawn again with both families of lines.
void runEdit(benchmark::State& state, TMainForm& form) {
    TMDIChild* d = superpositionWith(form, tenElements());
    named<QToolButton>(&form, "SpeedButton1")->click();
    named<QToolButton>(&form, "SpeedButton17")->click();
    settle();
    const PaintCounter painted(d->Image);
    QAbstractItemModel* table = named<QTableView>(&form, "SuperpositionTable")->model();
    const QModelIndex strength = table->index(1, 3);
    bool larger = false;
    for (auto _ : state) {
        const int before = painted.count();
        larger = !larger;
        table->setData(strength, larger ? "1600" : "1500");
        if (!processUntilPainted(painted, before)) {
            state.SkipWithError("the picture was not repainted");
            break;
        }
    }
    closeAsSaved(d);
}

constexpr int kMoves = 60;

// Moves the pointer and runs the event loop until the picture drawn for the
// move is shown and painted; how long the move's own handling kept the loop
// from turning goes to `longestBlock`. False if no picture came.
bool moveAndPaint(TMDIChild* d, QPoint at, const PaintCounter& painted, double& longestBlock) {
    const qint64 shown = d->surface().image().cacheKey();
    QElapsedTimer handling;
    handling.start();
    QTest::mouseMove(d->Image, at);
    longestBlock = std::max(longestBlock, handling.nsecsElapsed() / 1e6);
    QElapsedTimer waited;
    waited.start();
    while (d->surface().image().cacheKey() == shown) {
        if (waited.elapsed() > 5000) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return processUntilPainted(painted, painted.count() - 1);
}

// Presses on the mark and times sixty moves from it, each to its repainted
// picture; then closes the document.
void runMoves(benchmark::State& state, TMDIChild* d, QPoint mark) {
    const PaintCounter painted(d->Image);
    std::vector<double> moves;
    double longestBlock = 0;
    for (auto _ : state) {
        QTest::mousePress(d->Image, Qt::LeftButton, Qt::NoModifier, mark);
        for (int i = 1; i <= kMoves; ++i) {
            QElapsedTimer latency;
            latency.start();
            if (!moveAndPaint(d, mark + QPoint(i % 20, i / 3), painted, longestBlock)) {
                state.SkipWithError("a move was not drawn and repainted");
                break;
            }
            moves.push_back(latency.nsecsElapsed() / 1e6);
        }
        state.PauseTiming();
        QTest::mouseRelease(d->Image, Qt::LeftButton, Qt::NoModifier, mark);
        settle();
        state.ResumeTiming();
    }
    if (!moves.empty()) {
        std::sort(moves.begin(), moves.end());
        state.counters[kMoveP95Counter] = moves[moves.size() * 95 / 100];
        state.counters[kMoveMedianCounter] = moves[moves.size() / 2];
    }
    state.counters[kLongestBlockCounter] = longestBlock;
    closeAsSaved(d);
}

// A superposition of the elements with streamlines and equipotentials.
TMDIChild* superpositionWithLines(TMainForm& form, const std::vector<sp::Element>& elements) {
    TMDIChild* d = superpositionWith(form, elements);
    named<QToolButton>(&form, "SpeedButton1")->click();
    named<QToolButton>(&form, "SpeedButton17")->click();
    settle();
    return d;
}

QPoint markOf(const sp::Element& e) {
    return {static_cast<int>(e.x), static_cast<int>(e.y)};
}

void runDrag(benchmark::State& state, TMainForm& form) {
    const std::vector<sp::Element> elements = tenElements();
    runMoves(state, superpositionWithLines(form, elements), markOf(elements[1]));
}

// A hand dragging the mark for two seconds, moving 60 times a second: how
// many new pictures a second the window shows, and the longest gap between
// the ticks of a 5 ms timer beyond its interval (the longest the event loop
// was kept from turning). The loop waits in the event loop, as the window does.
void runPacedDrag(benchmark::State& state, TMainForm& form,
                  const std::vector<sp::Element>& elements) {
    TMDIChild* d = superpositionWithLines(form, elements);
    const QPoint mark = markOf(elements[1]);
    constexpr int kTick = 5, kDuration = 2000;
    double longestBlock = 0, picturesPerSecond = 0;
    for (auto _ : state) {
        QTest::mousePress(d->Image, Qt::LeftButton, Qt::NoModifier, mark);
        int moves = 0, pictures = 0;
        qint64 shown = d->surface().image().cacheKey();
        QElapsedTimer clock, sinceTick;
        clock.start();
        sinceTick.start();
        QEventLoop loop;
        QTimer hand, ticks;
        hand.setTimerType(Qt::PreciseTimer);
        ticks.setTimerType(Qt::PreciseTimer);
        QObject::connect(&hand, &QTimer::timeout, [&] {
            ++moves;
            QTest::mouseMove(d->Image, mark + QPoint(moves % 40, moves / 4));
            if (clock.elapsed() >= kDuration) loop.quit();
        });
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            longestBlock = std::max(longestBlock, sinceTick.nsecsElapsed() / 1e6 - kTick);
            sinceTick.restart();
            if (const qint64 key = d->surface().image().cacheKey(); key != shown) {
                shown = key;
                ++pictures;
            }
        });
        hand.start(16);
        ticks.start(kTick);
        loop.exec();
        hand.stop();
        ticks.stop();
        picturesPerSecond = pictures * 1000.0 / static_cast<double>(clock.elapsed());
        state.PauseTiming();
        QTest::mouseRelease(d->Image, Qt::LeftButton, Qt::NoModifier, mark);
        settle();
        state.ResumeTiming();
    }
    state.counters[kPicturesPerSecondCounter] = picturesPerSecond;
    state.counters[kLongestBlockCounter] = longestBlock;
    closeAsSaved(d);
}

// A cylinder with circulation placed with its tool at (400, 300), with
// streamlines and equipotentials, taken by its centre.
void runOrdinaryDrag(benchmark::State& state, TMainForm& form) {
    TMDIChild* d = newDocument(form);
    const QPoint centre(400, 300);
    for (const PlacedConfiguration& placed : placedConfigurations())
        if (placed.name == "cylinder with circulation") placed.place(form, d, centre);
    named<QToolButton>(&form, "SpeedButton1")->click();
    named<QToolButton>(&form, "SpeedButton17")->click();
    settle();
    if (d->document().steps().size() != 3) state.SkipWithError("the cylinder was not drawn");
    runMoves(state, d, centre);
}

}  // namespace

TMDIChild* superpositionWith(TMainForm& form, const std::vector<sp::Element>& elements) {
    named<QAction>(&form, "SuperpositionItem")->trigger();
    TMDIChild* d = form.ActiveMDIChild();
    for (const sp::Element& e : elements) d->document().addSuperpositionElement(e);
    settle();
    return d;
}

void registerSuperpositionEndToEnd(TMainForm& form) {
    benchmark::RegisterBenchmark(
        "SuperpositionLinesTen",
        [&form](benchmark::State& state) { runLines(state, form, tenElements()); })
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime();
    benchmark::RegisterBenchmark(
        "SuperpositionLinesHundred",
        [&form](benchmark::State& state) { runLines(state, form, hundredElements()); })
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime();
    benchmark::RegisterBenchmark("SuperpositionEditTen",
                                 [&form](benchmark::State& state) { runEdit(state, form); })
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime();
    // Sixty moves are one iteration.
    benchmark::RegisterBenchmark("SuperpositionDragTen",
                                 [&form](benchmark::State& state) { runDrag(state, form); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark(
        "SuperpositionDragHundred",
        [&form](benchmark::State& state) { runPacedDrag(state, form, hundredElements()); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("OrdinaryDragCylinder",
                                 [&form](benchmark::State& state) { runOrdinaryDrag(state, form); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
}

}  // namespace bench
