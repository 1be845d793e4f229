// The pressure window's menu item: the window is made on the first use and
// then follows whichever document is active.
#include <QMdiArea>

#include "app/main_form.h"
#include "app/pressure_window.h"
#include "document/mdi_child.h"

void TMainForm::pressureWindowClick() {
    const auto follow = [this] {
        TMDIChild* d = ActiveMDIChild();
        pressureWindow_->setDocument(d ? &d->document() : nullptr);
    };
    if (!pressureWindow_) {
        pressureWindow_ = new PressureWindow(settingsOf(dialogs_), this);
        connect(workspace, &QMdiArea::subWindowActivated, pressureWindow_, follow);
    }
    follow();
    pressureWindow_->show();
    pressureWindow_->raise();
    pressureWindow_->activateWindow();
}
