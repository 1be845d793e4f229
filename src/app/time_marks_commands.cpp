// The time-marks command: marks every Δt on the active document's
// streamlines, or a word in the status line on why there are none.
#include <QStatusBar>

#include "app/errors.h"
#include "app/main_form.h"
#include "document/mdi_child.h"

void TMainForm::timeMarksClick() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    runReportingErrors([&] {
        const Document::MarksOutcome outcome = d->document().drawTimeMarks(settingsOf(dialogs_));
        switch (outcome.result) {
            case Document::MarksOutcome::Drawn:
                statusLine->showMessage(
                    QString("Меток времени: %1; линий, где поток останавливается: %2")
                        .arg(outcome.count.marks)
                        .arg(outcome.count.stopped));
                break;
            case Document::MarksOutcome::NoElement:
                explain(Unchanged::NoElement);
                break;
            case Document::MarksOutcome::NoStreamlines:
                statusLine->showMessage("Метки времени не построены: сначала постройте линии тока");
                break;
        }
    });
}
