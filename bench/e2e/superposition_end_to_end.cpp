#include "superposition_end_to_end.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QTableView>
#include <QToolButton>
#include <vector>

#include "app/main_form.h"
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
}

}  // namespace bench
