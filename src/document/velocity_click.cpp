// A click on the velocity marker: picks the configuration and its parameters
// from the slots and dialogs, then draws the velocity vectors at the marker.
#include <QLabel>
#include <QToolButton>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/progress_gauge.h"
#include "dialogs/dialogs.h"
#include "document/mdi_child.h"
#include "document/shared_values.h"
#include "document/slots.h"
#include "document/velocity_marker.h"
#include "flow/settings.h"
#include "flow/velocity/velocity.h"

namespace {

using flow::VelocityConfig;

// The first configuration test that holds, with its parameters read in the
// order of the tests; false when the document holds nothing to draw.
bool readConfiguration(const TMDIChild& d, const flow::Settings& s, flow::VelocityInput& in) {
    if (slotFilled(d.RCIL) && s.cylinder.withCirculation()) {
        in.config = VelocityConfig::CylinderCirculation;
        in.R = slotNumber(d.RCIL);
        in.gamma = s.cylinder.circulation();
        in.U = 1;
    } else if (slotFilled(d.RCIL)) {
        in.config = VelocityConfig::Cylinder;
        in.R = slotNumber(d.RCIL);
        in.U = s.streamSpeed.speed();
    } else if (slotFilled(d.Istok) || slotFilled(d.Stok)) {
        in.config = VelocityConfig::SourceInStream;
        in.Q = slotFilled(d.Istok) ? slotNumber(d.Istok) : -slotNumber(d.Stok);
        in.U = s.streamSpeed.speed();
    } else if (slotFilled(d.Vihrestok)) {
        in.config = VelocityConfig::VortexSource;
        in.Q = s.vortexSource.strength();
        in.gamma = s.vortexSource.circulation();
    } else if (slotFilled(d.Dipol)) {
        in.config = VelocityConfig::Dipole;
        in.M = slotNumber(d.Dipol);
    } else if (slotFilled(d.Vihr)) {
        in.config = VelocityConfig::Vortex;
        in.gamma = s.vortexSource.circulation();
    } else if (slotFilled(d.IorS)) {
        in.config = VelocityConfig::PointSource;
        in.Q = s.sourceSink.sourceStrength();
    } else {
        return false;
    }
    return true;
}

}  // namespace

void TMDIChild::Shape1MouseDown() {
    if (!mainForm_->SpeedButton8->isChecked()) return;
    runReportingErrors([this] {
        const flow::Settings settings = settingsOf(mainForm_->dialogs());
        flow::VelocityInput in{};
        in.k = settings.vectorScale.scale();
        if (!readConfiguration(*this, settings, in)) return;
        in.centre = {slotNumber(XCIL), slotNumber(YCIL)};
        SharedValues& shared = sharedValues();
        shared.centreX = static_cast<int>(in.centre.x);
        shared.centreY = static_cast<int>(in.centre.y);
        if (in.config == VelocityConfig::CylinderCirculation ||
            in.config == VelocityConfig::Cylinder)
            shared.cylinderRadius = in.R;
        in.p = {Shape1->x() + 3, Shape1->y() + 3};
        ProgressGauge gauge(mainForm_->Gauge1);
        flow::DrawVelocity(flow::Canvas{surface_, settings, gauge}, in);
    });
}
