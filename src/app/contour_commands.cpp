// The contour tool: while it is down, a drag on a picture draws a circle
// and clicks a polygon, shown over the picture as they are drawn; the
// finished contour becomes a step of the document with its circulation and
// flux beside it, and the status line says what lies inside.
#include <QDoubleSpinBox>
#include <QStatusBar>
#include <QToolButton>

#include "app/errors.h"
#include "app/main_form.h"
#include "document/mdi_child.h"

bool TMainForm::contourPress(TMDIChild& document, QPoint at) {
    // An element tool armed after it places its element first.
    if (!contourTool->isChecked() || elementToolDown()) return false;
    if (contourDocument_ != &document) cancelContour();
    contourDocument_ = &document;
    contourDraft_.press(at);
    document.showContourDraft(contourDraft_.outline());
    return true;
}

void TMainForm::contourMove(TMDIChild& document, QPoint at) {
    if (contourDocument_ != &document || !contourDraft_.active()) return;
    contourDraft_.move(at);
    document.showContourDraft(contourDraft_.outline());
}

void TMainForm::contourRelease(TMDIChild& document, QPoint at) {
    if (contourDocument_ != &document || !contourDraft_.active()) return;
    finishContour(document, contourDraft_.release(at));
}

void TMainForm::contourClose(TMDIChild& document) {
    if (contourDocument_ != &document || !contourDraft_.active()) return;
    finishContour(document, contourDraft_.close());
}

void TMainForm::cancelContour() {
    contourDraft_.clear();
    if (contourDocument_) contourDocument_->showContourDraft({});
    contourDocument_ = nullptr;
}

// A contour not finished yet is shown as it now is.
void TMainForm::finishContour(TMDIChild& document, const std::optional<ContourShape>& shape) {
    if (!shape) return document.showContourDraft(contourDraft_.outline());
    cancelContour();
    runReportingErrors([&] {
        const Document::ContourOutcome outcome =
            document.document().drawContour(*shape, densityBox->value(), settingsOf(dialogs_));
        if (!outcome.reading) return explain(Unchanged::NoElement);
        statusLine->showMessage(contourReport(*outcome.reading));
    });
}
