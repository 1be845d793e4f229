// Elements moved with the mouse, and letting the element tools go with Esc
// or the blank tool button.
#include <QSlider>
#include <QToolButton>
#include <algorithm>

#include "app/element_drag.h"
#include "app/errors.h"
#include "app/main_form.h"
#include "app/superposition_panel.h"
#include "dialogs/cylinder_dialog.h"
#include "document/mdi_child.h"

bool TMainForm::startDrag(TMDIChild& d, QPoint at) {
    if (d.pointer() == Qt::CrossCursor || textTool->isChecked() || velocityTool->isChecked() ||
        (!d.isSuperposition() && elementToolDown()))
        return false;
    const std::optional<DragTarget> target = dragTargetAt(d, at);
    if (!target) return false;
    endDrag(false);
    finishWheelSeries();
    const QSlider* radius = dialogs_.cylinderDialog->TrackBar1;
    runReportingErrors([&] {
        drag_ = std::make_unique<ElementDrag>(d, *target, at,
                                              RadiusRange{radius->minimum(), radius->maximum()});
    });
    if (d.isSuperposition()) superpositionPanel->selectElement(target->index);
    return true;
}

void TMainForm::dragTo(TMDIChild& d, QPoint at) {
    if (!drag_ || drag_->document() != &d) return;
    if (!runReportingErrors([&] { drag_->moveTo(at); })) endDrag(false);
    if (d.isSuperposition()) superpositionPanel->selectElement(drag_ ? drag_->target().index : -1);
}

// Kept as one step, or put back.
void TMainForm::endDrag(bool keep) {
    if (!drag_) return;
    runReportingErrors([&] { keep ? drag_->finish() : drag_->cancel(); });
    drag_.reset();
}

void TMainForm::disarmElementTools() {
    if (drag_) return endDrag(false);
    for (QToolButton* tool : elementToolButtons()) tool->setChecked(false);
    if (TMDIChild* d = ActiveMDIChild(); d && d->pointer() == Qt::CrossCursor)
        d->setPointer(Qt::ArrowCursor);
}

std::array<QToolButton*, 10> TMainForm::elementToolButtons() const {
    return {pointSourceTool,    vortexTool,
            dipoleTool,         vortexSourceTool,
            cylinderTool,       cylinderCirculationTool,
            sourceInStreamTool, sinkInStreamTool,
            secondPairTool,     pairTool};
}

bool TMainForm::elementToolDown() const {
    const std::array<QToolButton*, 10> tools = elementToolButtons();
    return std::any_of(tools.begin(), tools.end(),
                       [](const QToolButton* t) { return t->isChecked(); });
}
