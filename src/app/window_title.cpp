// The main window's title names the active document and shows whether it
// has unsaved changes, as "lesson.zef[*] — ZEF"; with no document it is the
// program's name alone. The document windows keep the captions the commands
// write into them.
#include <QFileInfo>
#include <QMdiArea>
#include <QUndoGroup>

#include "app/main_form.h"
#include "document/mdi_child.h"

// The history group follows the active document (edit_menu.cpp).
void TMainForm::keepTitleWithActiveDocument() {
    connect(workspace, &QMdiArea::subWindowActivated, this, &TMainForm::showActiveDocumentInTitle);
    connect(histories_, &QUndoGroup::cleanChanged, this, &TMainForm::showActiveDocumentInTitle);
    showActiveDocumentInTitle();
}

void TMainForm::showActiveDocumentInTitle() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) {
        setWindowModified(false);
        setWindowTitle("ZEF");
        return;
    }
    const Document& document = d->document();
    const QString name =
        document.fileName().isEmpty() ? document.name() : QFileInfo(document.fileName()).fileName();
    setWindowTitle(name + "[*] — ZEF");
    setWindowModified(document.isModified());
}
