// The pointer over a picture, and a click on the velocity marker: the
// configuration and its parameters come from the document and the dialogs,
// then the velocity vectors are drawn at the marker and their numbers shown
// in the status line. In a superposition document the velocity is the sum's.
#include <QStatusBar>
#include <QToolButton>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/progress_gauge.h"
#include "document/configuration.h"
#include "document/mdi_child.h"
#include "document/velocity_marker.h"
#include "flow/settings.h"
#include "flow/superposition/velocity_vector.h"
#include "flow/velocity/velocity.h"

namespace {

using flow::VelocityConfig;

// The velocity input of the configuration, its parameters read in the order
// of the tests; false when the document holds nothing to draw. Any element
// with a source or sink strength counts as a source or sink in a stream.
bool velocityInput(const Configuration& c, const flow::Settings& s, flow::VelocityInput& in) {
    switch (c.kind()) {
        case FlowKind::Cylinder:
            if (s.cylinder.withCirculation()) {
                in.config = VelocityConfig::CylinderCirculation;
                in.R = c.radius.number();
                in.gamma = s.cylinder.circulation();
                in.U = 1;
            } else {
                in.config = VelocityConfig::Cylinder;
                in.R = c.radius.number();
                in.U = s.streamSpeed.speed();
            }
            return true;
        case FlowKind::SourceInStream:
        case FlowKind::SinkInStream:
        case FlowKind::SourceSinkPair:
            in.config = VelocityConfig::SourceInStream;
            in.Q = c.source.filled ? c.source.number() : -c.sink.number();
            in.U = s.streamSpeed.speed();
            return true;
        case FlowKind::VortexSource:
            in.config = VelocityConfig::VortexSource;
            in.Q = s.vortexSource.strength();
            in.gamma = s.vortexSource.circulation();
            return true;
        case FlowKind::Dipole:
            in.config = VelocityConfig::Dipole;
            in.M = c.moment.number();
            return true;
        case FlowKind::Vortex:
            in.config = VelocityConfig::Vortex;
            in.gamma = s.vortexSource.circulation();
            return true;
        case FlowKind::PointSource:
            in.config = VelocityConfig::PointSource;
            in.Q = s.sourceSink.sourceStrength();
            return true;
        case FlowKind::Empty:
            break;
    }
    return false;
}

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
        flow::VelocityInput in{};
        in.k = settings.vectorScale.scale();
        const Configuration c = readConfiguration(document);
        if (!velocityInput(c, settings, in)) return;
        in.centre = {c.centreX.number(), c.centreY.number()};
        in.p = {document.Shape1->x() + 3, document.Shape1->y() + 3};
        ProgressGauge progress(gauge);
        document.drawVelocity(in, settings, progress);
        if (const auto v = flow::VelocityNumbersAt(in))
            statusLine->showMessage(velocityText(in.p, *v));
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
