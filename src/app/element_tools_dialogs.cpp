// The element tool buttons that open a settings dialog, and the cylinder
// popup item shared with the cylinder dialog's OK.
#include <QToolButton>

#include "app/main_form.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/dipole_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/stream_speed_dialog.h"
#include "dialogs/vortex_source_dialog.h"
#include "document/configuration_slots.h"
#include "document/mdi_child.h"

// After the platform toggled the button: its row on an empty document when
// now down (then the cross, unless the dialog's OK arms the tool), else the
// default pointer with the button left as the click made it (a button down
// on a document that holds an element says so in the status bar).
void TMainForm::armWithDialog(QToolButton* button, const std::function<void()>& row,
                              bool armsPointer) {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    if (button->isChecked() && readConfiguration(*d).isEmpty()) {
        row();
        if (armsPointer) d->setPointer(Qt::CrossCursor);
        return;
    }
    d->setPointer(Qt::ArrowCursor);
    if (button->isChecked()) explain(Unchanged::ElementPresent);
}

void TMainForm::SpeedButton11Click() {
    armWithDialog(pointSourceTool, [this] { dialogs_.sourceSinkDialog->showRow(true); });
}

void TMainForm::SpeedButton4Click() {
    armStreamTool(sourceInStreamTool, true);
}

void TMainForm::SpeedButton5Click() {
    armStreamTool(sinkInStreamTool, false);
}

// In a superposition document these tools add the stream: its speed's dialog.
void TMainForm::armStreamTool(QToolButton* tool, bool source) {
    armWithDialog(tool, [this, source] {
        const TMDIChild* d = ActiveMDIChild();
        if (d && d->isSuperposition())
            dialogs_.streamSpeedDialog->Show();
        else
            dialogs_.sourceSinkDialog->showRow(source);
    });
}

void TMainForm::SpeedButton12Click() {
    armWithDialog(vortexTool, [this] { dialogs_.vortexSourceDialog->showFor(false); });
}

void TMainForm::SpeedButton9Click() {
    armWithDialog(vortexSourceTool, [this] { dialogs_.vortexSourceDialog->showFor(true); });
}

void TMainForm::SpeedButton6Click() {
    armWithDialog(dipoleTool, [this] { dialogs_.dipoleDialog->Show(); });
}

// The cylinder buttons only open the dialog; its OK arms the tool (N9Click).
void TMainForm::N11Click() {
    armWithDialog(
        cylinderTool, [this] { dialogs_.cylinderDialog->showFor(false); }, false);
}

void TMainForm::SpeedButton16Click() {
    armWithDialog(
        cylinderCirculationTool, [this] { dialogs_.cylinderDialog->showFor(true); }, false);
}

void TMainForm::N9Click() {
    popupArm(dialogs_.cylinderDialog->circulationTrackBarEnabled() ? cylinderCirculationTool
                                                                   : cylinderTool);
}
