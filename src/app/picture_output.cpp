// The picture to paper and to the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

#include "app/errors.h"
#include "app/main_form.h"
#include "document/mdi_child.h"
#include "document/picture_printing.h"

// The construction drawn again as vectors, scaled to the page.
void TMainForm::PrintItemClick() {
    QPointer<TMDIChild> d = ActiveMDIChild();
    if (!d) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(d->windowTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName("PrintDialog");
    if (dialog.exec() != QDialog::Accepted || !d) return;
    runReportingErrors([&] { printConstruction(d->document().construction(), printer); });
}

void TMainForm::CopyItemClick() {
    if (TMDIChild* d = ActiveMDIChild()) QApplication::clipboard()->setImage(d->surface().image());
}
