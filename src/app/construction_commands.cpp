// The two construction commands: each takes the active document's
// configuration, runs the one routine that draws it with the gauge showing,
// and (streamlines only) writes the flow's description into the document's
// title. Numbers are read from the configuration in each routine's own order.
// A superposition document draws its elements' lines instead.
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>
#include <QWidget>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/progress_gauge.h"
#include "dialogs/stream_speed_dialog.h"
#include "dialogs/vortex_source_dialog.h"
#include "document/configuration.h"
#include "document/mdi_child.h"
#include "flow/bounded_settings.h"
#include "flow/routines.h"

namespace {

// Resets and shows the gauge, runs the routine on the document's picture
// with its settings held within the dialogs' ranges, hides the gauge, and
// says so in the status bar when the field was traced only to the limit. An
// error leaves the gauge showing, as it stopped.
void drawWithGauge(QProgressBar* bar, QStatusBar* status, TMDIChild& document,
                   const flow::Settings& settings, const flow::RoutineCall& call) {
    const flow::BoundedSettings bounded(settings);
    bar->setValue(0);
    bar->show();
    ProgressGauge gauge(bar);
    document.runRoutine(call, bounded.settings(), gauge);
    bar->hide();
    if (bounded.fieldLimited())
        status->showMessage(QString("Размер поля ограничен: %1").arg(flow::kMaxFieldSide));
}

// Runs a command on the document; a title it writes is kept with its step.
void runCommand(TMDIChild* d, const std::function<void()>& command) {
    const QPointer<TMDIChild> document = d;
    const QString before = d->windowTitle();
    runReportingErrors(command);
    if (document && document->windowTitle() != before)
        document->keepCommandTitle(document->windowTitle());
}

}  // namespace

void TMainForm::SpeedButton1Click() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    if (d->isSuperposition()) return drawSuperpositionLines(*d, SuperpositionLines::Streamlines);
    runCommand(d, [this, d] {
        const flow::Settings settings = settingsOf(dialogs_);
        const Configuration c = readConfiguration(*d);
        auto speed = [this] {
            return "; Скорость набегающего потока U=" + dialogs_.streamSpeedDialog->speedText();
        };
        auto run = [&](std::string_view routine, std::vector<int> arguments) {
            drawWithGauge(gauge, statusLine, *d, settings,
                          flow::routineCall(routine, std::move(arguments)));
        };
        switch (c.kind()) {
            case FlowKind::SourceSinkPair: {
                // Drawn once the strength panel is put away.
                if (!strengthPanel->isHidden()) break;
                const int X = c.centreX.number(), Y = c.centreY.number();
                const int x2 = c.secondX.number(), source = c.source.number(),
                          sink = c.sink.number();
                d->setWindowTitle(
                    "Исток мощностью Qи=" + strengthRow(StrengthRow::Source).value->text() +
                    " и Сток мощьностью Qс=" + strengthRow(StrengthRow::Sink).value->text());
                const int D = static_cast<int>(std::llabs(static_cast<long long>(X) - x2));
                run("StreamSourceSink", {X, Y, D, source, sink});
                break;
            }
            case FlowKind::Vortex: {
                const int X = c.centreX.number(), Y = c.centreY.number();
                run("StreamVortex", {X, Y});
                d->setWindowTitle("Плоский вихрь");
                break;
            }
            case FlowKind::PointSource: {
                const int X = c.centreX.number(), Y = c.centreY.number();
                run("StreamPointSource", {X, Y});
                d->setWindowTitle("Точечный Источник\\Сток");
                break;
            }
            case FlowKind::VortexSource: {
                const int X = c.centreX.number(), Y = c.centreY.number();
                const int boundary = c.boundary.number();
                run("StreamVortexSource", {X, Y, boundary});
                const TOKBottomDlg8* vortexSource = dialogs_.vortexSourceDialog;
                d->setWindowTitle(
                    "ВихреСток\\Исток с мощностью Истока\\Стока Q=" + vortexSource->strengthText() +
                    " ,и циркуляцией Г=" + vortexSource->circulationText());
                break;
            }
            case FlowKind::Dipole: {
                const int X = c.centreX.number(), Y = c.centreY.number();
                const int M = c.moment.number();
                run("StreamDipole", {X, Y, M});
                d->setWindowTitle("Диполь с моментом M=" + c.moment.text);
                break;
            }
            case FlowKind::Cylinder: {
                const int R = c.radius.number();
                const int X = c.centreX.number(), Y = c.centreY.number();
                if (settings.cylinder.withCirculation()) {
                    run("StreamCylinderCirculation", {R, X, Y});
                    break;
                }
                run("StreamCylinder", {R, X, Y});
                d->setWindowTitle("Обтекание цилиндра без циркуляции R=" + QString::number(R) +
                                  speed());
                break;
            }
            case FlowKind::SourceInStream:
            case FlowKind::SinkInStream: {
                // Not once a partner has joined it.
                if (c.secondX.filled) break;
                const bool sink = c.kind() == FlowKind::SinkInStream;
                const int X = c.centreX.number(), Y = c.centreY.number();
                const int Q = (sink ? c.sink : c.source).number();
                run(sink ? "StreamSinkInStream" : "StreamSourceInStream", {X, Y, Q});
                d->setWindowTitle((sink ? "Cток" : "Исток") + QString(" мощности Q=") +
                                  QString::number(Q) + speed());
                break;
            }
            case FlowKind::Empty:
                explain(Unchanged::NoElement);
                break;
        }
    });
}

void TMainForm::SpeedButton17Click() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    if (d->isSuperposition()) return drawSuperpositionLines(*d, SuperpositionLines::Equipotentials);
    runCommand(d, [this, d] {
        const flow::Settings settings = settingsOf(dialogs_);
        const Configuration c = readConfiguration(*d);
        auto run = [&](std::string_view routine, std::vector<int> arguments) {
            drawWithGauge(gauge, statusLine, *d, settings,
                          flow::routineCall(routine, std::move(arguments)));
        };
        auto X = [&c] { return c.centreX.number(); };
        auto Y = [&c] { return c.centreY.number(); };
        switch (c.kind()) {
            case FlowKind::SourceInStream:
            case FlowKind::SinkInStream: {
                if (c.secondX.filled) {
                    explain(Unchanged::NoEquipotentials);
                    break;
                }
                const bool sink = c.kind() == FlowKind::SinkInStream;
                const int x = X(), y = Y(), Q = (sink ? c.sink : c.source).number();
                run(sink ? "EquipotentialSinkInStream" : "EquipotentialSourceInStream", {x, y, Q});
                break;
            }
            case FlowKind::Vortex: {
                const int x = X(), y = Y();
                run("EquipotentialVortex", {x, y});
                break;
            }
            case FlowKind::PointSource: {
                const int x = X(), y = Y();
                run("EquipotentialPointSource", {x, y});
                break;
            }
            case FlowKind::Cylinder:
                if (settings.cylinder.withCirculation()) {
                    const int R = c.radius.number(), x = X(), y = Y();
                    run("EquipotentialCylinderCirculation", {R, x, y});
                } else {
                    const int x = X(), y = Y(), R = c.radius.number();
                    run("EquipotentialCylinder", {x, y, R});
                }
                break;
            case FlowKind::VortexSource: {
                const int x = X(), y = Y(), boundary = c.boundary.number();
                run("EquipotentialVortexSource", {x, y, boundary});
                break;
            }
            case FlowKind::Dipole: {
                const int x = X(), y = Y(), M = c.moment.number();
                run("EquipotentialDipole", {x, y, M});
                break;
            }
            case FlowKind::SourceSinkPair:
                explain(Unchanged::NoEquipotentials);
                break;
            case FlowKind::Empty:
                explain(Unchanged::NoElement);
                break;
        }
    });
}
