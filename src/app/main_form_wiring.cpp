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
#include <type_traits>

#include "app/main_form.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/dipole_dialog.h"
#include "dialogs/equipotential_dialog.h"
#include "dialogs/field_size_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/stream_speed_dialog.h"
#include "dialogs/streamline_dialog.h"
#include "dialogs/track_bar.h"
#include "dialogs/vector_scale_dialog.h"
#include "dialogs/vector_style_dialog.h"
#include "dialogs/vortex_source_dialog.h"
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
    onClick(SpeedButton11, &TMainForm::SpeedButton11Click);
    onClick(SpeedButton12, &TMainForm::SpeedButton12Click);
    onClick(SpeedButton6, &TMainForm::SpeedButton6Click);
    onClick(SpeedButton9, &TMainForm::SpeedButton9Click);
    onClick(SpeedButton2, &TMainForm::N11Click);
    onClick(SpeedButton16, &TMainForm::SpeedButton16Click);
    onClick(SpeedButton4, &TMainForm::SpeedButton4Click);
    onClick(SpeedButton5, &TMainForm::SpeedButton5Click);
    on(N9, &TMainForm::N9Click);
    onUserMove(TrackBar1, this, [this] { TrackBar1Change(); });
    onUserMove(TrackBar2, this, [this] { TrackBar2Change(); });
    onClick(SpeedButton7, &TMainForm::SpeedButton7Click);
    on(N18, &TMainForm::N18Click);
    on(N16, &TMainForm::N16Click);
    on(FileSaveAsItem, &TMainForm::FileSaveAsItemClick);
    onClick(SpeedButton1, &TMainForm::SpeedButton1Click);
    onClick(SpeedButton17, &TMainForm::SpeedButton17Click);
    // Items and buttons that only show a settings dialog.
    auto shows = [this](auto* control, auto dialog) {
        auto show = [this, dialog] { (dialogs_.*dialog)->Show(); };
        if constexpr (std::is_same_v<decltype(control), QAction*>)
            connect(control, &QAction::triggered, this, show);
        else
            connect(control, &QToolButton::clicked, this, show);
    };
    shows(N3, &TDialogs::OKBottomDlg2);
    shows(N4, &TDialogs::OKBottomDlg3);
    shows(N25, &TDialogs::Setting9);
    shows(N15, &TDialogs::OKBottomDlg4);
    shows(N7, &TDialogs::OKBottomDlg6);
    shows(N20, &TDialogs::OKBottomDlg8);
    shows(N6, &TDialogs::OKBottomDlg);
    shows(N14, &TDialogs::OKBottomDlg7);
    shows(SpeedButton10, &TDialogs::OKBottomDlg5);
    shows(SpeedButton19, &TDialogs::OKBottomDlg9);

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
