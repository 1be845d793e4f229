// The pointer over a picture, and a click on the velocity marker: the
// configuration and its parameters come from the document and the dialogs,
// then the velocity vectors are drawn at the marker and the numbers of the
// whole flow there shown in the status line. In a superposition document the
// velocity is the sum's, in an airfoil document the airfoil's.
#include <QStatusBar>
#include <QToolButton>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/progress_gauge.h"
#include "document/airfoil_document.h"
#include "document/configuration_slots.h"
#include "document/mdi_child.h"
#include "document/velocity_input.h"
#include "document/velocity_marker.h"
#include "flow/landmarks/landmark_text.h"
#include "flow/settings.h"
#include "flow/superposition/velocity_vector.h"
#include "flow/velocity/velocity_numbers.h"

namespace {

// The velocity's numbers for the status line, shown until the pointer moves;
// with a word when the drawn vectors show only part of the flow.
QString velocityText(flow::Point p, const flow::VelocityNumbers& v, bool vectorsShowPart = false) {
    QString text = QString("Скорость в точке (%1,%2): ").arg(p.x).arg(p.y) +
                   QString::fromStdString(flow::velocityNumbersText(v));
    if (vectorsShowPart) text += " (векторы показывают только первый элемент и поток)";
    return text;
}

}  // namespace

void TMainForm::ImageMouseMove(TMDIChild& document, int x, int y) {
    statusLine->showMessage(QString("   %1,%2").arg(x).arg(y));
    document.trackMarker(x, y, velocityTool->isChecked());
}

void TMainForm::Shape1MouseDown(TMDIChild& document) {
    if (!velocityTool->isChecked()) return;
    if (document.isSuperposition()) return drawSuperpositionVelocity(document);
    if (document.document().isAirfoil()) return drawAirfoilVelocity(document);
    runReportingErrors([&] {
        const flow::Settings settings = settingsOf(dialogs_);
        const Configuration c = readConfiguration(document);
        const auto in =
            velocityInputAt(c, settings, {document.Shape1->x() + 3, document.Shape1->y() + 3});
        if (!in) return;
        ProgressGauge progress(gauge);
        document.document().drawVelocity(*in, settings, progress);
        const flow::LeftOut leftOut = leftOutOf(c);
        if (const auto v = flow::VelocityNumbersAt(*in, leftOut))
            statusLine->showMessage(velocityText(in->p, *v, leftOut.any()));
    });
}

void TMainForm::drawSuperpositionVelocity(TMDIChild& d) {
    runReportingErrors([&] {
        const flow::Point p{d.Shape1->x() + 3, d.Shape1->y() + 3};
        ProgressGauge progress(gauge);
        if (!d.document().drawSuperpositionVelocity(p, settingsOf(dialogs_), progress))
            return statusLine->showMessage(
                "Скорость не нарисована: в этой точке элемент, точка покоя или течения нет");
        if (const auto v =
                flow::superposition::velocityNumbersAt(d.document().superpositionElements(), p))
            statusLine->showMessage(velocityText(p, *v));
    });
}

void TMainForm::drawAirfoilVelocity(TMDIChild& d) {
    runReportingErrors([&] {
        const flow::Point p{d.Shape1->x() + 3, d.Shape1->y() + 3};
        ProgressGauge progress(gauge);
        if (!d.document().drawAirfoilVelocity(p, settingsOf(dialogs_), progress))
            return statusLine->showMessage(
                "Скорость не нарисована: в этой точке профиль, его острая кромка или точка покоя");
        if (const auto v = airfoilVelocityAt(*d.document().airfoilFlow(), p))
            statusLine->showMessage(velocityText(p, *v));
    });
}
