// Superposition elements moved with the mouse, and letting the element tools
// go with Esc or the blank tool button.
#include <QToolButton>

#include "app/element_drag.h"
#include "app/errors.h"
#include "app/main_form.h"
#include "app/superposition_panel.h"
#include "document/mdi_child.h"

bool TMainForm::startDrag(TMDIChild& d, QPoint at) {
    if (!d.isSuperposition() || d.pointer() == Qt::CrossCursor || textTool->isChecked() ||
        velocityTool->isChecked())
        return false;
    const std::optional<int> index = superpositionElementAt(d, at);
    if (!index) return false;
    endDrag(false);
    finishWheelSeries();
    runReportingErrors([&] { drag_ = std::make_unique<ElementDrag>(d, *index, at); });
    superpositionPanel->selectElement(*index);
    return true;
}

void TMainForm::dragTo(TMDIChild& d, QPoint at) {
    if (!drag_ || drag_->document() != &d) return;
    if (!runReportingErrors([&] { drag_->moveTo(at); })) endDrag(false);
    superpositionPanel->selectElement(drag_ ? drag_->index() : -1);
}

// Kept as one step, or put back.
void TMainForm::endDrag(bool keep) {
    if (!drag_) return;
    runReportingErrors([&] { keep ? drag_->finish() : drag_->cancel(); });
    drag_.reset();
}

void TMainForm::disarmElementTools() {
    if (drag_) return endDrag(false);
    for (QToolButton* tool :
         {pointSourceTool, vortexTool, dipoleTool, vortexSourceTool, cylinderTool,
          cylinderCirculationTool, sourceInStreamTool, sinkInStreamTool, secondPairTool, pairTool})
        tool->setChecked(false);
    if (TMDIChild* d = ActiveMDIChild(); d && d->pointer() == Qt::CrossCursor)
        d->setPointer(Qt::ArrowCursor);
}
