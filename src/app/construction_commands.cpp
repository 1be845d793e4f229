// The two construction commands: each recognises the active document's
// configuration from its slots, runs the one routine that draws it with the
// gauge showing, and (streamlines only) writes the flow's description into
// the document's title.
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QWidget>
#include <cstdlib>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/progress_gauge.h"
#include "dialogs/stream_speed_dialog.h"
#include "dialogs/vortex_source_dialog.h"
#include "document/mdi_child.h"
#include "document/slots.h"
#include "flow/bounded_settings.h"
#include "flow/equipotentials/cylinder.h"
#include "flow/equipotentials/cylinder_circulation.h"
#include "flow/equipotentials/single_elements.h"
#include "flow/equipotentials/source_in_stream.h"
#include "flow/streamlines/combined_flows.h"
#include "flow/streamlines/cylinder_circulation.h"
#include "flow/streamlines/single_elements.h"

namespace {

// Resets and shows the gauge, runs the routine on the document's picture
// with its settings held within the dialogs' ranges, hides the gauge, and
// says so in the status bar when the field was traced only to the limit. An
// error leaves the gauge showing, as it stopped.
void drawWithGauge(TMainForm& form, TMDIChild& document, const flow::Settings& settings,
                   const std::function<void(const flow::Canvas&)>& routine) {
    const flow::BoundedSettings bounded(settings);
    form.Gauge1->setValue(0);
    form.Gauge1->show();
    ProgressGauge gauge(form.Gauge1);
    routine(flow::Canvas{document.surface(), bounded.settings(), gauge});
    form.Gauge1->hide();
    if (bounded.fieldLimited())
        form.StatusBar->showMessage(QString("Размер поля ограничен: %1").arg(flow::kMaxFieldSide));
}

}  // namespace

void TMainForm::SpeedButton1Click() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    runReportingErrors([this, d] {
        const flow::Settings settings = settingsOf(dialogs_);
        auto speed = [this] {
            return "; Скорость набегающего потока U=" + dialogs_.OKBottomDlg5->Label2->text();
        };
        auto run = [&](const auto& routine) { drawWithGauge(*this, *d, settings, routine); };
        if (slotFilled(d->A) && Panel1->isHidden()) {
            const int X = slotNumber(d->XCIL), Y = slotNumber(d->YCIL);
            const int x2 = slotNumber(d->X2), source = slotNumber(d->Istok),
                      sink = slotNumber(d->Stok);
            d->setWindowTitle("Исток мощностью Qи=" + Label3->text() +
                              " и Сток мощьностью Qс=" + Label4->text());
            const int D = static_cast<int>(std::llabs(static_cast<long long>(X) - x2));
            run([&](const flow::Canvas& c) { flow::StreamSourceSink(c, X, Y, D, source, sink); });
        } else if (slotFilled(d->Vihr)) {
            const int X = slotNumber(d->XCIL), Y = slotNumber(d->YCIL);
            run([&](const flow::Canvas& c) { flow::StreamVortex(c, X, Y); });
            d->setWindowTitle("Плоский вихрь");
        } else if (slotFilled(d->IorS)) {
            const int X = slotNumber(d->XCIL), Y = slotNumber(d->YCIL);
            run([&](const flow::Canvas& c) { flow::StreamPointSource(c, X, Y); });
            d->setWindowTitle("Точечный Источник\\Сток");
        } else if (slotFilled(d->Vihrestok)) {
            const int X = slotNumber(d->XCIL), Y = slotNumber(d->YCIL);
            const int boundary = slotNumber(d->Vihrestok);
            run([&](const flow::Canvas& c) { flow::StreamVortexSource(c, X, Y, boundary); });
            d->setWindowTitle("ВихреСток\\Исток с мощностью Истока\\Стока Q=" +
                              dialogs_.OKBottomDlg8->Label2->text() +
                              " ,и циркуляцией Г=" + dialogs_.OKBottomDlg8->Label4->text());
        } else if (slotFilled(d->Dipol)) {
            const int X = slotNumber(d->XCIL), Y = slotNumber(d->YCIL);
            const int M = slotNumber(d->Dipol);
            run([&](const flow::Canvas& c) { flow::StreamDipole(c, X, Y, M); });
            d->setWindowTitle("Диполь с моментом M=" + d->Dipol->text());
        } else if (slotFilled(d->RCIL) && settings.cylinder.withCirculation()) {
            const int R = slotNumber(d->RCIL);
            const int X = slotNumber(d->XCIL), Y = slotNumber(d->YCIL);
            run([&](const flow::Canvas& c) { flow::StreamCylinderCirculation(c, R, X, Y); });
        } else if (slotFilled(d->RCIL)) {
            const int R = slotNumber(d->RCIL);
            const int X = slotNumber(d->XCIL), Y = slotNumber(d->YCIL);
            run([&](const flow::Canvas& c) { flow::StreamCylinder(c, R, X, Y); });
            d->setWindowTitle("Обтекание цилиндра без циркуляции R=" + QString::number(R) +
                              speed());
        } else if (slotFilled(d->Istok) && slotEmpty(d->X2) && slotEmpty(d->A)) {
            const int X = slotNumber(d->XCIL), Y = slotNumber(d->YCIL);
            const int Q = slotNumber(d->Istok);
            run([&](const flow::Canvas& c) {
                flow::StreamSourceInStream(c, X, Y, Q, flow::kSourceInStream);
            });
            d->setWindowTitle("Исток мощности Q=" + QString::number(Q) + speed());
        } else if (slotFilled(d->Stok) && slotEmpty(d->X2) && slotEmpty(d->A)) {
            const int X = slotNumber(d->XCIL), Y = slotNumber(d->YCIL);
            const int Q = slotNumber(d->Stok);
            run([&](const flow::Canvas& c) {
                flow::StreamSourceInStream(c, X, Y, Q, flow::kSinkInStream);
            });
            d->setWindowTitle("Cток мощности Q=" + QString::number(Q) + speed());
        }
    });
}

void TMainForm::SpeedButton17Click() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    runReportingErrors([this, d] {
        const flow::Settings settings = settingsOf(dialogs_);
        auto run = [&](const auto& routine) { drawWithGauge(*this, *d, settings, routine); };
        auto X = [d] { return slotNumber(d->XCIL); };
        auto Y = [d] { return slotNumber(d->YCIL); };
        if (slotFilled(d->Istok) && slotEmpty(d->X2) && slotEmpty(d->A)) {
            const int x = X(), y = Y(), Q = slotNumber(d->Istok);
            run([&](const flow::Canvas& c) { flow::EquipotentialSourceInStream(c, x, y, Q); });
        } else if (slotFilled(d->Stok) && slotEmpty(d->X2) && slotEmpty(d->A)) {
            const int x = X(), y = Y(), Q = slotNumber(d->Stok);
            run([&](const flow::Canvas& c) { flow::EquipotentialSinkInStream(c, x, y, Q); });
        } else if (slotFilled(d->Vihr)) {
            const int x = X(), y = Y();
            run([&](const flow::Canvas& c) { flow::EquipotentialVortex(c, x, y); });
        } else if (slotFilled(d->IorS)) {
            const int x = X(), y = Y();
            run([&](const flow::Canvas& c) { flow::EquipotentialPointSource(c, x, y); });
        } else if (slotFilled(d->RCIL) && settings.cylinder.withCirculation()) {
            const int R = slotNumber(d->RCIL), x = X(), y = Y();
            run([&](const flow::Canvas& c) { flow::EquipotentialCylinderCirculation(c, R, x, y); });
        } else if (slotFilled(d->RCIL)) {
            const int x = X(), y = Y(), R = slotNumber(d->RCIL);
            run([&](const flow::Canvas& c) { flow::EquipotentialCylinder(c, x, y, R); });
        } else if (slotFilled(d->Vihrestok)) {
            const int x = X(), y = Y(), boundary = slotNumber(d->Vihrestok);
            run([&](const flow::Canvas& c) { flow::EquipotentialVortexSource(c, x, y, boundary); });
        } else if (slotFilled(d->Dipol)) {
            const int x = X(), y = Y(), M = slotNumber(d->Dipol);
            run([&](const flow::Canvas& c) { flow::EquipotentialDipole(c, x, y, M); });
        }
    });
}
