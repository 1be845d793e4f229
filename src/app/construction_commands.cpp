// The two construction commands: each takes the active document's
// configuration, runs the one routine that draws it (flow_commands.h) with
// the gauge showing, and (streamlines only) writes the flow's description
// into the document's title. A superposition document draws its elements'
// lines instead.
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QWidget>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/progress_gauge.h"
#include "dialogs/stream_speed_dialog.h"
#include "dialogs/vortex_source_dialog.h"
#include "document/configuration_slots.h"
#include "document/flow_commands.h"
#include "document/mdi_child.h"
#include "flow/bounded_settings.h"

namespace {

// Resets the gauge and runs the routine on the document's picture with its
// settings held within the dialogs' ranges, the gauge showing, and says so in
// the status bar when the field was traced only to the limit. An error leaves
// the gauge showing, as it stopped.
void drawWithGauge(QProgressBar* bar, QStatusBar* status, TMDIChild& document,
                   const flow::Settings& settings, const CommandRun& run) {
    bar->setValue(0);
    bool fieldLimited = false;
    {
        ProgressGauge gauge(bar, ProgressGauge::Bar::ShownWhileRunning);
        fieldLimited = document.document().runCommand(run, settings, gauge);
    }
    if (fieldLimited)
        status->showMessage(QString("Размер поля ограничен: %1").arg(flow::kMaxFieldSide));
}

}  // namespace

// Runs what the command plans for the document, or says why it draws nothing.
void TMainForm::carryOut(TMDIChild& d, const flow::Settings& settings, const CommandPlan& plan) {
    if (const auto* refusal = std::get_if<CommandRefusal>(&plan)) {
        if (*refusal == CommandRefusal::NoElement) explain(Unchanged::NoElement);
        if (*refusal == CommandRefusal::NoEquipotentials) explain(Unchanged::NoEquipotentials);
        return;
    }
    drawWithGauge(gauge, statusLine, d, settings, std::get<CommandRun>(plan));
}

void TMainForm::SpeedButton1Click() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    if (d->isSuperposition() || d->document().isAirfoil())
        return drawSuperpositionLines(*d, SuperpositionLines::Streamlines);
    runReportingErrors([this, d] {
        const flow::Settings settings = settingsOf(dialogs_);
        const Configuration c = readConfiguration(*d);
        // A pair is drawn once the strength panel is put away.
        if (c.kind() == FlowKind::SourceSinkPair && !strengthPanel->isHidden()) return;
        const TOKBottomDlg8* vortexSource = dialogs_.vortexSourceDialog;
        const TitleTexts texts{dialogs_.streamSpeedDialog->speedText(),
                               vortexSource->strengthText(), vortexSource->circulationText(),
                               strengthRow(StrengthRow::Source).value->text(),
                               strengthRow(StrengthRow::Sink).value->text()};
        carryOut(*d, settings, planStreamlines(c, settings, texts));
    });
}

void TMainForm::SpeedButton17Click() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    if (d->isSuperposition() || d->document().isAirfoil())
        return drawSuperpositionLines(*d, SuperpositionLines::Equipotentials);
    runReportingErrors([this, d] {
        const flow::Settings settings = settingsOf(dialogs_);
        carryOut(*d, settings, planEquipotentials(readConfiguration(*d), settings));
    });
}
