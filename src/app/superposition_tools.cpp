// Superposition documents in the main window: the element tools add one
// element per click with the strengths their dialogs give, the two
// construction commands run the general tracer, and the elements' panel
// follows the active document. (The velocity click is in velocity_click.cpp.)
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>
#include <optional>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/progress_gauge.h"
#include "app/superposition_panel.h"
#include "dialogs/dipole_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/stream_speed_dialog.h"
#include "dialogs/vortex_source_dialog.h"
#include "document/mdi_child.h"
#include "flow/geometry.h"

namespace sp = flow::superposition;

namespace {

QString outcomeText(sp::Outcome outcome) {
    switch (outcome) {
        case sp::Outcome::Drawn:
            return {};
        case sp::Outcome::Truncated:
            return QString::fromUtf8(sp::kTruncatedText.data(), sp::kTruncatedText.size());
        case sp::Outcome::NothingToDraw:
            return "Линии не построены: элементы не дают течения на поле (нулевые мощности, "
                   "элементы, гасящие друг друга, или все линии вне поля)";
        case sp::Outcome::TooDense:
            return "Линии не построены: " +
                   QString::fromUtf8(sp::kTooDenseText.data(), sp::kTooDenseText.size()) +
                   " (увеличьте шаг линий)";
    }
    return {};
}

}  // namespace

bool TMainForm::placeSuperpositionElement(TMDIChild& d, int x, int y) {
    auto down = [](const QToolButton* button) { return button->isChecked(); };
    if (down(cylinderTool) || down(cylinderCirculationTool)) {
        explain(Unchanged::NoCylinderInSuperposition);
        return true;
    }
    // The plane vortex and the vortex-source turn as the closed-form routines
    // draw them for the dialog's circulation: clockwise on the screen.
    std::optional<sp::Element> element;
    QToolButton* tool = nullptr;
    if (down(pointSourceTool)) {
        element = sp::source(x, y, dialogs_.sourceSinkDialog->sourceStrength());
        tool = pointSourceTool;
    } else if (down(pairTool)) {
        const bool source = strengthRow(StrengthRow::Source).choice->isChecked();
        const int q =
            strengthRow(source ? StrengthRow::Source : StrengthRow::Sink).strength->value();
        element = source ? sp::source(x, y, q) : sp::sink(x, y, q);
        tool = pairTool;
        strengthPanel->hide();
    } else if (down(vortexTool)) {
        element = sp::vortex(x, y, -dialogs_.vortexSourceDialog->circulation());
        tool = vortexTool;
    } else if (down(dipoleTool)) {
        // The closed-form dipole of moment M is 6.28 M here, its axis at 0°.
        const int moment = flow::strToInt(dialogs_.dipoleDialog->momentText().toStdString());
        element = sp::dipole(x, y, flow::kTwoPi * moment, 0);
        tool = dipoleTool;
    } else if (down(vortexSourceTool)) {
        const TOKBottomDlg8& dialog = *dialogs_.vortexSourceDialog;
        element = sp::vortexSource(x, y, dialog.strength(), -dialog.circulation());
        tool = vortexSourceTool;
    } else if (down(sourceInStreamTool) || down(sinkInStreamTool)) {
        // The stream has no place; its mark goes where the click was.
        element = sp::stream(dialogs_.streamSpeedDialog->speed(), 0);
        element->x = x;
        element->y = y;
        tool = down(sourceInStreamTool) ? sourceInStreamTool : sinkInStreamTool;
    }
    if (!element) return false;
    d.document().addSuperpositionElement(*element);
    tool->setChecked(false);
    d.setPointer(Qt::ArrowCursor);
    return true;
}

void TMainForm::drawSuperpositionLines(TMDIChild& d, SuperpositionLines lines) {
    // An airfoil document's lines are drawn alike, for its airfoil.
    const bool airfoil = d.document().isAirfoil();
    if (!airfoil && d.document().superpositionElements().empty())
        return explain(Unchanged::NoElement);
    runReportingErrors([&] {
        gauge->setValue(0);
        gauge->show();
        ProgressGauge progress(gauge);
        const sp::Outcome outcome =
            airfoil ? d.document().drawAirfoilLines(lines, settingsOf(dialogs_), progress)
                    : d.document().drawSuperpositionLines(lines, settingsOf(dialogs_), progress);
        gauge->hide();
        if (const QString text = outcomeText(outcome); !text.isEmpty())
            statusLine->showMessage(text);
    });
}

void TMainForm::reportLinesCutShort() {
    statusLine->showMessage(outcomeText(sp::Outcome::Truncated));
}

void TMainForm::followActiveDocument() {
    TMDIChild* d = ActiveMDIChild();
    const bool superposition = d && d->isSuperposition();
    superpositionPanel->setDocument(superposition ? d : nullptr);
    superpositionPanel->setVisible(superposition);
    followAirfoil();
}
