// Connects the controls of the main window to their handlers. Handlers hang
// on user signals (triggered, clicked, actionTriggered), never on state
// changes, so presses and positions set from code run no handler.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include "app/main_form.h"
#include "dialogs/field_size_dialog.h"
#include "document/mdi_child.h"

void TMainForm::connectHandlers() {
    auto on = [this](QAction* action, void (TMainForm::*handler)()) {
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    auto onClick = [this](QToolButton* button, void (TMainForm::*handler)()) {
        connect(button, &QToolButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    on(N8, &TMainForm::N8Click);
    onClick(SpeedButton3, &TMainForm::N8Click);
    on(FileCloseItem, &TMainForm::FileCloseItemClick);
    on(FileExitItem, &TMainForm::FileExitItemClick);
    on(WindowCascadeItem, &TMainForm::WindowCascadeItemClick);
    on(WindowTileItem, &TMainForm::WindowTileItemClick);
    on(WindowMinimizeItem, &TMainForm::WindowMinimizeItemClick);
    onClick(SpeedButton15, &TMainForm::SpeedButton15Click);
    onClick(SpeedButton14, &TMainForm::SpeedButton14Click);
    onClick(SpeedButton18, &TMainForm::SpeedButton18Click);
    on(N24, &TMainForm::N24Click);
    on(N23, &TMainForm::N23Click);
    on(N19, &TMainForm::N19Click);
    on(N10, &TMainForm::N10Click);
    on(N12, &TMainForm::N12Click);
    on(N13, &TMainForm::N13Click);
    connect(RadioButton1, &QRadioButton::clicked, this, &TMainForm::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TMainForm::RadioButton2Click);
    onClick(SpeedButton7, &TMainForm::SpeedButton7Click);
    on(N18, &TMainForm::N18Click);
    on(N16, &TMainForm::N16Click);
    on(FileSaveAsItem, &TMainForm::FileSaveAsItemClick);
    onClick(SpeedButton1, &TMainForm::SpeedButton1Click);
    onClick(SpeedButton17, &TMainForm::SpeedButton17Click);
    connect(N14, &QAction::triggered, this, [this] { dialogs_.OKBottomDlg7->Show(); });

    // A document's own activation runs only when another document becomes
    // the active one, not when focus merely returns from a dialog.
    connect(Workspace, &QMdiArea::subWindowActivated, this,
            [this, last = QPointer<TMDIChild>()](QMdiSubWindow* window) mutable {
                auto* child = qobject_cast<TMDIChild*>(window);
                if (child && child != last && !child->isClosing()) {
                    last = child;
                    child->FormActivate();
                }
                UpdateMenuItems();
            });
}
