// The element tool buttons that open a settings dialog, and the cylinder
// popup item shared with the cylinder dialog's OK.
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

#include "app/main_form.h"
#include "dialogs/cylinder_dialog.h"
#include "dialogs/dipole_dialog.h"
#include "dialogs/source_sink_dialog.h"
#include "dialogs/up_down.h"
#include "dialogs/vortex_source_dialog.h"
#include "document/configuration.h"
#include "document/mdi_child.h"

namespace {

void setEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* control : controls) control->setEnabled(enabled);
}

// The source/sink dialog with one of its two strength rows usable.
void showSourceSinkRow(TOKBottomDlg4* dialog, bool source) {
    setEnabled({dialog->Label4, dialog->TrackBar2, dialog->Label2}, !source);
    setEnabled({dialog->Label3, dialog->TrackBar1, dialog->Label1}, source);
    dialog->Show();
}

// The vortex-source dialog; a plane vortex uses only its circulation row.
void showVortexSource(TOKBottomDlg8* dialog, bool strengthRows) {
    dialog->Show();
    setEnabled({dialog->TrackBar1, dialog->Label1, dialog->Label2, dialog->UpDown1, dialog->Label5,
                dialog->Label6},
               strengthRows);
}

void showCylinder(TOKBottomDlg* dialog, bool circulation) {
    dialog->Show();
    setEnabled({dialog->Label3, dialog->TrackBar2, dialog->Label5}, circulation);
}

}  // namespace

// After the platform toggled the button: its row on an empty document when
// now down (then the cross, unless the dialog's OK arms the tool), else the
// default pointer with the button left as the click made it.
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
}

void TMainForm::SpeedButton11Click() {
    armWithDialog(pointSourceTool, [this] { showSourceSinkRow(dialogs_.sourceSinkDialog, true); });
}

void TMainForm::SpeedButton4Click() {
    armWithDialog(sourceInStreamTool,
                  [this] { showSourceSinkRow(dialogs_.sourceSinkDialog, true); });
}

void TMainForm::SpeedButton5Click() {
    armWithDialog(sinkInStreamTool,
                  [this] { showSourceSinkRow(dialogs_.sourceSinkDialog, false); });
}

void TMainForm::SpeedButton12Click() {
    armWithDialog(vortexTool, [this] { showVortexSource(dialogs_.vortexSourceDialog, false); });
}

void TMainForm::SpeedButton9Click() {
    armWithDialog(vortexSourceTool,
                  [this] { showVortexSource(dialogs_.vortexSourceDialog, true); });
}

void TMainForm::SpeedButton6Click() {
    armWithDialog(dipoleTool, [this] { dialogs_.dipoleDialog->Show(); });
}

// The cylinder buttons only open the dialog; its OK arms the tool (N9Click).
void TMainForm::N11Click() {
    armWithDialog(
        cylinderTool, [this] { showCylinder(dialogs_.cylinderDialog, false); }, false);
}

void TMainForm::SpeedButton16Click() {
    armWithDialog(
        cylinderCirculationTool, [this] { showCylinder(dialogs_.cylinderDialog, true); }, false);
}

void TMainForm::N9Click() {
    popupArm(dialogs_.cylinderDialog->TrackBar2->isEnabled() ? cylinderCirculationTool
                                                             : cylinderTool);
}
