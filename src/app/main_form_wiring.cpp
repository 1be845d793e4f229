// Connects the controls of the main window to their handlers. Handlers hang
// on user signals (triggered, clicked, actionTriggered), never on state
// changes, so presses and positions set from code run no handler.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QShortcut>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <type_traits>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/superposition_panel.h"
#include "dialogs/airfoil_dialog.h"
#include "dialogs/colour_map_dialog.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/dipole_dialog.h"
#include "dialogs/equipotential_dialog.h"
#include "dialogs/field_size_dialog.h"
#include "dialogs/line_style_dialog.h"
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
    on(newDocumentItem, &TMainForm::N8Click);
    on(newSuperpositionItem, &TMainForm::newSuperpositionClick);
    on(newAirfoilItem, &TMainForm::newAirfoilClick);
    connect(airfoilButton, &QToolButton::clicked, this, &TMainForm::airfoilButtonClick);
    onClick(newDocumentButton, &TMainForm::N8Click);
    on(closeItem, &TMainForm::FileCloseItemClick);
    on(exitItem, &TMainForm::FileExitItemClick);
    on(cascadeItem, &TMainForm::WindowCascadeItemClick);
    on(tileItem, &TMainForm::WindowTileItemClick);
    on(minimizeAllItem, &TMainForm::WindowMinimizeItemClick);
    onClick(pairTool, &TMainForm::SpeedButton15Click);
    onClick(secondPairTool, &TMainForm::SpeedButton14Click);
    onClick(memoButton, &TMainForm::SpeedButton18Click);
    on(pointSourceItem, &TMainForm::N24Click);
    on(vortexItem, &TMainForm::N23Click);
    on(dipoleItem, &TMainForm::N19Click);
    on(vortexSourceItem, &TMainForm::N10Click);
    on(sourceItem, &TMainForm::N12Click);
    on(sinkItem, &TMainForm::N13Click);
    for (StrengthRow row : {StrengthRow::Source, StrengthRow::Sink})
        connect(strengthRow(row).choice, &QRadioButton::clicked, this,
                [this, row] { RadioButtonClick(row); });
    onClick(pointSourceTool, &TMainForm::SpeedButton11Click);
    onClick(vortexTool, &TMainForm::SpeedButton12Click);
    onClick(dipoleTool, &TMainForm::SpeedButton6Click);
    onClick(vortexSourceTool, &TMainForm::SpeedButton9Click);
    onClick(cylinderTool, &TMainForm::N11Click);
    onClick(cylinderCirculationTool, &TMainForm::SpeedButton16Click);
    onClick(sourceInStreamTool, &TMainForm::SpeedButton4Click);
    onClick(sinkInStreamTool, &TMainForm::SpeedButton5Click);
    on(cylinderItem, &TMainForm::N9Click);
    for (StrengthRow row : {StrengthRow::Source, StrengthRow::Sink})
        onUserMove(strengthRow(row).strength, this, [this, row] { TrackBarChange(row); });
    onClick(textTool, &TMainForm::SpeedButton7Click);
    on(textItem, &TMainForm::N18Click);
    on(fontItem, &TMainForm::N16Click);
    on(saveAsItem, &TMainForm::FileSaveAsItemClick);
    onClick(idleButton, &TMainForm::disarmElementTools);
    wheelSeries_ = new QTimer(this);
    wheelSeries_->setSingleShot(true);
    wheelSeries_->setInterval(1000);
    connect(wheelSeries_, &QTimer::timeout, this, &TMainForm::finishWheelSeries);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &TMainForm::disarmElementTools);
    connect(escape, &QShortcut::activated, this, &TMainForm::cancelContour);
    connect(escape, &QShortcut::activated, this, &TMainForm::cancelParticleLine);
    // A contour being drawn goes with its tool, whoever raises it.
    connect(contourTool, &QToolButton::toggled, this, [this](bool down) {
        if (!down) cancelContour();
    });
    // The contour tool and the element tools take turns.
    onClick(contourTool, &TMainForm::disarmElementTools);
    for (QToolButton* tool : elementToolButtons())
        connect(tool, &QToolButton::clicked, contourTool,
                [this] { contourTool->setChecked(false); });
    onClick(streamlineCommand, &TMainForm::SpeedButton1Click);
    onClick(equipotentialCommand, &TMainForm::SpeedButton17Click);
    onClick(speedMapCommand, &TMainForm::speedMapClick);
    onClick(pressureMapCommand, &TMainForm::pressureMapClick);
    onClick(timeMarksCommand, &TMainForm::timeMarksClick);
    on(pressureWindowItem, &TMainForm::pressureWindowClick);
    // Items and buttons that only show a settings dialog.
    auto shows = [this](auto* control, auto dialog) {
        auto show = [this, dialog] { (dialogs_.*dialog)->Show(); };
        if constexpr (std::is_same_v<decltype(control), QAction*>)
            connect(control, &QAction::triggered, this, show);
        else
            connect(control, &QToolButton::clicked, this, show);
    };
    shows(streamlineSettingsItem, &TDialogs::streamlineDialog);
    shows(equipotentialSettingsItem, &TDialogs::equipotentialDialog);
    shows(vectorSettingsItem, &TDialogs::vectorStyleDialog);
    shows(colourMapSettingsItem, &TDialogs::colourMapDialog);
    shows(sourceSinkSettingsItem, &TDialogs::sourceSinkDialog);
    shows(dipoleSettingsItem, &TDialogs::dipoleDialog);
    shows(vortexSourceSettingsItem, &TDialogs::vortexSourceDialog);
    shows(cylinderSettingsItem, &TDialogs::cylinderDialog);
    shows(airfoilSettingsItem, &TDialogs::airfoilDialog);
    shows(fieldSizeItem, &TDialogs::fieldSizeDialog);
    shows(streamSpeedButton, &TDialogs::streamSpeedDialog);
    shows(vectorScaleButton, &TDialogs::vectorScaleDialog);

    connect(superpositionPanel, &SuperpositionPanel::refused, this,
            [this](const QString& problem) { statusLine->showMessage("Не принято: " + problem); });

    // A document's own activation runs only when another document becomes
    // the active one, not when focus merely returns from a dialog.
    connect(workspace, &QMdiArea::subWindowActivated, this,
            [this, last = QPointer<TMDIChild>()](QMdiSubWindow* window) mutable {
                auto* child = qobject_cast<TMDIChild*>(window);
                if (child && child != last && !child->isClosing()) {
                    last = child;
                    FormActivate(*child);
                }
                UpdateMenuItems();
                followActiveDocument();
                followHistory(ActiveMDIChild());
            });
}

// The dialogs that report to the main window.
void TMainForm::connectDialogs() {
    TOKBottomDlg* cylinder = dialogs_.cylinderDialog;
    connect(cylinder, &TOKBottomDlg::okPressed, this, [this] {
        if (ActiveMDIChild()) N9Click();
    });
    connect(cylinder, &TOKBottomDlg::cancelPressed, this, [this] {
        cylinderTool->setChecked(false);
        cylinderCirculationTool->setChecked(false);
    });
    connect(cylinder, &TOKBottomDlg::extraSettingsRequested, this,
            [this] { dialogs_.lineStyleDialog->Show(); });
    connect(dialogs_.sourceSinkDialog, &TOKBottomDlg4::okPressed, this,
            &TMainForm::copyStrengthsFromDialog);
    connectAirfoilDialog();
}

// What a new document reports goes to the handlers of the main window.
void TMainForm::connectDocument(TMDIChild* document) {
    document->installEventFilter(this);  // its close passes the save question
    // The window's own menu would claim the close item's keys.
    for (QAction* action : document->systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(closeItem->shortcut())) action->setShortcuts(keys);
    }
    connect(document, &TMDIChild::pictureClicked, this,
            [this, document](Qt::MouseButton button, QPoint at) {
                if (button == Qt::LeftButton &&
                    (particleLinePress(*document, at) || contourPress(*document, at) ||
                     startDrag(*document, at)))
                    return;
                ImageMouseDown(*document, at.x(), at.y());
            });
    connect(document, &TMDIChild::pointerMoved, this, [this, document](QPoint at) {
        dragTo(*document, at);
        ImageMouseMove(*document, at.x(), at.y());
        contourMove(*document, at);
        particleLineMove(*document, at);
    });
    connect(document, &TMDIChild::pictureReleased, this,
            [this, document](Qt::MouseButton button, QPoint at) {
                if (button != Qt::LeftButton) return;
                endDrag(true);
                contourRelease(*document, at);
                particleLineRelease(*document, at);
            });
    connect(document, &TMDIChild::pictureDoubleClicked, this,
            [this, document] { contourClose(*document); });
    connect(document, &TMDIChild::pictureWheeled, this,
            [this, document](QPoint at, int notches, Qt::KeyboardModifiers modifiers, bool& taken) {
                taken = turnStrength(*document, at, notches, modifiers & Qt::ShiftModifier);
            });
    connect(document, &TMDIChild::markerClicked, this,
            [this, document] { Shape1MouseDown(*document); });
    connect(&document->document(), &Document::stepsChanged, this, [this, document] {
        followAirfoil();
        runReportingErrors([this, document] { followParticleFlow(*document); });
    });
    connect(document, &TMDIChild::popupRequested, this,
            [this](QPoint globalPos) { elementPopup->exec(globalPos); });
    connect(document, &TMDIChild::linesCutShort, this, &TMainForm::reportLinesCutShort);
    document->addAction(deleteElementItem);
}
