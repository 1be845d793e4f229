// The element tool buttons that open a settings dialog, the cylinder popup
// item shared with the cylinder dialog's OK, and the strength panel's link to
// the source/sink dialog.
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
#include "document/mdi_child.h"
#include "flow/geometry.h"

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
    if (button->isChecked() && d->isEmpty()) {
        row();
        if (armsPointer) d->setPointer(Qt::CrossCursor);
        return;
    }
    d->setPointer(Qt::ArrowCursor);
}

void TMainForm::SpeedButton11Click() {
    armWithDialog(SpeedButton11, [this] { showSourceSinkRow(dialogs_.OKBottomDlg4, true); });
}

void TMainForm::SpeedButton4Click() {
    armWithDialog(SpeedButton4, [this] { showSourceSinkRow(dialogs_.OKBottomDlg4, true); });
}

void TMainForm::SpeedButton5Click() {
    armWithDialog(SpeedButton5, [this] { showSourceSinkRow(dialogs_.OKBottomDlg4, false); });
}

void TMainForm::SpeedButton12Click() {
    armWithDialog(SpeedButton12, [this] { showVortexSource(dialogs_.OKBottomDlg8, false); });
}

void TMainForm::SpeedButton9Click() {
    armWithDialog(SpeedButton9, [this] { showVortexSource(dialogs_.OKBottomDlg8, true); });
}

void TMainForm::SpeedButton6Click() {
    armWithDialog(SpeedButton6, [this] { dialogs_.OKBottomDlg6->Show(); });
}

// The cylinder buttons only open the dialog; its OK arms the tool (N9Click).
void TMainForm::N11Click() {
    armWithDialog(
        SpeedButton2, [this] { showCylinder(dialogs_.OKBottomDlg, false); }, false);
}

void TMainForm::SpeedButton16Click() {
    armWithDialog(
        SpeedButton16, [this] { showCylinder(dialogs_.OKBottomDlg, true); }, false);
}

void TMainForm::N9Click() {
    popupArm(dialogs_.OKBottomDlg->TrackBar2->isEnabled() ? SpeedButton16 : SpeedButton2);
}

void TMainForm::TrackBar1Change() {
    if (!RadioButton1->isChecked()) {
        RadioButton1->setChecked(true);
        RadioButton2->setChecked(false);
    }
    Label3->setText(QString::number(TrackBar1->sliderPosition()));
    copyStrengthToDialog(true);
}

void TMainForm::TrackBar2Change() {
    if (!RadioButton2->isChecked()) {
        RadioButton2->setChecked(true);
        RadioButton1->setChecked(false);
    }
    Label4->setText(QString::number(TrackBar2->sliderPosition()));
    copyStrengthToDialog(false);
}

void TMainForm::copyStrengthToDialog(bool source) {
    TOKBottomDlg4* dialog = dialogs_.OKBottomDlg4;
    if (source) {
        dialog->Label3->setText(Label3->text());
        dialog->TrackBar1->setValue(flow::strToInt(Label3->text().toStdString()));
    } else {
        dialog->Label4->setText(Label4->text());
        dialog->TrackBar2->setValue(flow::strToInt(Label4->text().toStdString()));
    }
}
