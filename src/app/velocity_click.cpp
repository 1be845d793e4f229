// The pointer over a picture, and a click on the velocity marker: the
// configuration and its parameters come from the document and the dialogs,
// then the velocity vectors are drawn at the marker and their numbers shown
// in the status line. In a superposition document the velocity is the sum's.
#include <QStatusBar>
#include <QToolButton>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/progress_gauge.h"
#include "document/configuration_slots.h"
#include "document/mdi_child.h"
#include "document/velocity_input.h"
#include "document/velocity_marker.h"
#include "flow/settings.h"
#include "flow/superposition/velocity_vector.h"
#include "flow/velocity/velocity.h"

namespace {

// The velocity's numbers for the status line, shown until the pointer moves.
QString velocityText(flow::Point p, const flow::VelocityNumbers& v) {
    const auto number = [](double value, int decimals) {
        return QString::number(value, 'f', decimals);
    };
    return QString("Скорость в точке (%1,%2): |V| = %3; Vx = %4; Vy = %5; угол %6°")
        .arg(p.x)
        .arg(p.y)
        .arg(number(v.speed, 3), number(v.vx, 3), number(v.vy, 3), number(v.angle, 1));
}

}  // namespace

void TMainForm::ImageMouseMove(TMDIChild& document, int x, int y) {
    statusLine->showMessage(QString("   %1,%2").arg(x).arg(y));
    document.trackMarker(x, y, velocityTool->isChecked());
}

void TMainForm::Shape1MouseDown(TMDIChild& document) {
    if (!velocityTool->isChecked()) return;
    if (document.isSuperposition()) return drawSuperpositionVelocity(document);
    runReportingErrors([&] {
        const flow::Settings settings = settingsOf(dialogs_);
        const auto in = velocityInputAt(readConfiguration(document), settings,
                                        {document.Shape1->x() + 3, document.Shape1->y() + 3});
        if (!in) return;
        ProgressGauge progress(gauge);
        document.drawVelocity(*in, settings, progress);
        if (const auto v = flow::VelocityNumbersAt(*in))
            statusLine->showMessage(velocityText(in->p, *v));
    });
}

void TMainForm::drawSuperpositionVelocity(TMDIChild& d) {
    runReportingErrors([&] {
        const flow::Point p{d.Shape1->x() + 3, d.Shape1->y() + 3};
        ProgressGauge progress(gauge);
        if (!d.drawSuperpositionVelocity(p, settingsOf(dialogs_), progress))
            return statusLine->showMessage(
                "Скорость не нарисована: в этой точке элемент, точка покоя или течения нет");
        if (const auto v = flow::superposition::velocityNumbersAt(d.superpositionElements(), p))
            statusLine->showMessage(velocityText(p, *v));
    });
}
