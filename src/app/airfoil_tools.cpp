// Airfoil documents in the main window: a new one from the "Новый" menu,
// its dialog changing the active one's airfoil (the angle's slider live),
// and its numbers in the status bar. (Its lines are drawn in
// superposition_tools.cpp, its velocity in velocity_click.cpp.)
#include <QStatusBar>

#include "app/errors.h"
#include "app/main_form.h"
#include "dialogs/airfoil_dialog.h"
#include "document/airfoil_document.h"
#include "document/mdi_child.h"
#include "flow/airfoil/airfoil_summary.h"

namespace {

// The active document's airfoil steps, or nothing.
Document* airfoilDocument(TMDIChild* d) {
    return d && d->document().isAirfoil() ? &d->document() : nullptr;
}

}  // namespace

void TMainForm::newAirfoilClick() {
    TMDIChild* child = openNewDocument(false);
    if (!child || child->surface().image().isNull()) return;
    const QSize field = child->surface().image().size();
    child->document().adopt({field, child->surface().qfont(), {{defaultAirfoil(field), {}}}});
    followAirfoil();
}

void TMainForm::airfoilButtonClick() {
    if (!airfoilDocument(ActiveMDIChild())) newAirfoilClick();
    if (airfoilDocument(ActiveMDIChild())) dialogs_.airfoilDialog->Show();
}

void TMainForm::connectAirfoilDialog() {
    TAirfoilDialog* dialog = dialogs_.airfoilDialog;
    connect(dialog, &TAirfoilDialog::changed, this, [this, dialog] {
        if (Document* d = airfoilDocument(ActiveMDIChild())) {
            runReportingErrors([&] { d->changeAirfoil(dialog->airfoil()); });
            showAirfoilNumbers();
        }
    });
    connect(dialog, &TAirfoilDialog::angleDragStarted, this, [this] {
        if (Document* d = airfoilDocument(ActiveMDIChild())) d->startLiveAirfoilChange();
    });
    connect(dialog, &TAirfoilDialog::angleDragged, this, [this, dialog] {
        if (Document* d = airfoilDocument(ActiveMDIChild())) {
            d->changeLive(dialog->airfoil());
            showAirfoilNumbers();
        }
    });
    connect(dialog, &TAirfoilDialog::angleDragFinished, this, [this] {
        if (Document* d = airfoilDocument(ActiveMDIChild()))
            runReportingErrors([&] { d->finishLiveChange("изменение профиля"); });
    });
}

void TMainForm::followAirfoil() {
    if (Document* d = airfoilDocument(ActiveMDIChild())) {
        if (!d->changingLive()) dialogs_.airfoilDialog->showAirfoil(*airfoilOf(d->steps()));
        showAirfoilNumbers();
    }
}

void TMainForm::showAirfoilNumbers() {
    Document* d = airfoilDocument(ActiveMDIChild());
    if (!d) return;
    const flow::airfoil::AirfoilFlow flow = *d->airfoilFlow();
    QStringList points;
    for (const flow::airfoil::PicturePoint p : flow::airfoil::summarize(flow).stagnation)
        points << QString("(%1,%2)").arg(p.x, 0, 'f', 1).arg(p.y, 0, 'f', 1);
    statusLine->showMessage(airfoilNumbersText(flow) + "; точки покоя " + points.join(", "));
}
