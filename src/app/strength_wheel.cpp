// The mouse wheel over a superposition element's mark changes its strength
// (Q, Г, M or U) by one step of its dialog's slider a notch, ten with Shift;
// the picture follows, and the notches turned on one element within a second
// are one step of the history.
#include <QSlider>
#include <QStatusBar>
#include <QTimer>

#include "app/element_drag.h"
#include "app/errors.h"
#include "app/main_form.h"
#include "dialogs/dipole_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/stream_speed_dialog.h"
#include "dialogs/vortex_source_dialog.h"
#include "document/mdi_child.h"
#include "flow/geometry.h"
#include "flow/superposition/element_text.h"

namespace sp = flow::superposition;

namespace {

// One notch's change of the element's strength and the value it changes.
struct WheelStep {
    double size;
    double sp::Element::*value;
    const char* name;
};

}  // namespace

bool TMainForm::turnStrength(TMDIChild& d, QPoint at, int notches, bool tenfold) {
    if (!d.isSuperposition() || drag_) return false;
    const std::optional<int> index = superpositionElementAt(d, at);
    if (!index) return false;
    if (wheeled_.document != &d || wheeled_.index != *index) finishWheelSeries();
    sp::Element e = d.document().superpositionElements().at(static_cast<std::size_t>(*index));
    const auto pageOf = [](const QSlider* slider) { return double(slider->pageStep()); };
    WheelStep step{pageOf(dialogs_.sourceSinkDialog->TrackBar1), &sp::Element::strength, "Q"};
    if (e.kind == sp::ElementKind::Vortex)
        step = {pageOf(dialogs_.vortexSourceDialog->TrackBar2), &sp::Element::circulation, "Г"};
    if (e.kind == sp::ElementKind::VortexSource)
        step.size = pageOf(dialogs_.vortexSourceDialog->TrackBar1);
    if (e.kind == sp::ElementKind::Dipole) step = {flow::kTwoPi, &sp::Element::strength, "M"};
    if (e.kind == sp::ElementKind::Stream)
        step = {pageOf(dialogs_.streamSpeedDialog->TrackBar1), &sp::Element::strength, "U"};
    // A vortex's circulation grows away from zero whichever way it turns.
    const double sign = e.*step.value < 0 ? -1 : 1;
    e.*step.value += sign * step.size * notches * (tenfold ? 10 : 1);
    if (const auto problem = sp::elementProblem(e)) {
        statusLine->showMessage("Не принято: " + QString::fromStdString(*problem));
        return true;
    }
    runReportingErrors([&] {
        if (!d.document().changingLive()) d.document().startLiveChange(*index);
        wheeled_ = {&d, *index};
        d.document().changeLive(e);
    });
    wheelSeries_->start();
    statusLine->showMessage(QString("Элемент %1: %2 = %3")
                                .arg(*index + 1)
                                .arg(step.name)
                                .arg(std::abs(e.*step.value), 0, 'g', 10));
    return true;
}

void TMainForm::finishWheelSeries() {
    wheelSeries_->stop();
    if (wheeled_.document)
        runReportingErrors(
            [&] { wheeled_.document->document().finishLiveChange("изменение мощности"); });
    wheeled_ = {};
}
