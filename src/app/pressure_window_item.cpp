// The pressure window's menu item: the window is made on the first use and
// then follows whichever document is active.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/main_form.h"
#include "app/pressure_window.h"
#include "document/mdi_child.h"

void TMainForm::pressureWindowClick() {
    if (!pressureWindow_) {
        pressureWindow_ = new PressureWindow(settingsOf(dialogs_), this);
        // Only the window and the sub-window reach the slot: the main window
        // may be part way through its destruction when the area's windows
        // close.
        PressureWindow* window = pressureWindow_;
        connect(workspace, &QMdiArea::subWindowActivated, window, [window](QMdiSubWindow* sub) {
            auto* d = qobject_cast<TMDIChild*>(sub);
            window->setDocument(d && !d->isClosing() ? &d->document() : nullptr);
        });
    }
    TMDIChild* d = ActiveMDIChild();
    pressureWindow_->setDocument(d ? &d->document() : nullptr);
    pressureWindow_->show();
    pressureWindow_->raise();
    pressureWindow_->activateWindow();
}
