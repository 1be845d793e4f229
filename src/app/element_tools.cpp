// The source-sink pair buttons, the popup menu, the radio buttons of the
// strength panel and the memo panel button.
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <array>

#include "app/main_form.h"
#include "document/mdi_child.h"
#include "document/slots.h"

void TMainForm::SpeedButton15Click() {
    armPair(SpeedButton15);
}

void TMainForm::SpeedButton14Click() {
    armPair(SpeedButton14);
}

// Both pair buttons show the strength panel on an empty document. Placing
// looks only at SpeedButton15, so SpeedButton14 is a second way to it: it
// hands its pressed state over to SpeedButton15.
void TMainForm::armPair(QToolButton* clicked) {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    if (clicked->isChecked() && d->isEmpty()) {
        press(SpeedButton15);
        Panel1->show();
        d->setPointer(Qt::CrossCursor);
        return;
    }
    if (slotFilled(d->A) && slotEmpty(d->X2)) {
        press(SpeedButton15);
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                        "Необходимо полностью завершить построение (т.е. поставить Сток и Исток) !",
                        QMessageBox::Ok, this);
        box.setObjectName("PairMessage");
        box.exec();
        return;
    }
    d->setPointer(Qt::ArrowCursor);
    Panel1->hide();
}

void TMainForm::popupArm(QToolButton* button) {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    d->setPointer(Qt::CrossCursor);
    press(button);
}

void TMainForm::N24Click() {
    popupArm(SpeedButton11);
}
void TMainForm::N23Click() {
    popupArm(SpeedButton12);
}
void TMainForm::N19Click() {
    popupArm(SpeedButton6);
}
void TMainForm::N10Click() {
    popupArm(SpeedButton9);
}
void TMainForm::N12Click() {
    popupArm(SpeedButton4);
}
void TMainForm::N13Click() {
    popupArm(SpeedButton5);
}

void TMainForm::PopupMenu1Popup() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    auto set = [this](bool cylinder, bool source, bool sink) {
        N9->setEnabled(cylinder);
        N12->setEnabled(source);
        N13->setEnabled(sink);
    };
    const bool istok = slotFilled(d->Istok), stok = slotFilled(d->Stok), rcil = slotFilled(d->RCIL);
    if ((istok && slotFilled(d->STOK2) && !rcil) || (stok && slotFilled(d->ISTOK2) && !rcil) ||
        rcil)
        set(false, false, false);
    else if (!istok && stok)
        set(false, true, false);
    else if (istok && !stok)
        set(false, false, true);
    else if (!istok && !stok)
        set(true, true, true);
    // Both strengths filled (a complete pair): the items stay as they were.
}

void TMainForm::RadioButton1Click() {
    RadioButton1->setChecked(true);
    RadioButton2->setChecked(false);
}

void TMainForm::RadioButton2Click() {
    RadioButton2->setChecked(true);
    RadioButton1->setChecked(false);
}

void TMainForm::setStrengthRowEnabled(bool source, bool enabled) {
    const std::array<QWidget*, 4> row =
        source ? std::array<QWidget*, 4>{RadioButton1, TrackBar1, Label1, Label3}
               : std::array<QWidget*, 4>{RadioButton2, TrackBar2, Label2, Label4};
    for (QWidget* control : row) control->setEnabled(enabled);
}

void TMainForm::SpeedButton18Click() {
    Panel2->setVisible(!Panel2->isVisible());
}
