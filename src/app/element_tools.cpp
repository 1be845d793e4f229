// The source-sink pair buttons, the popup menu and the memo panel button.
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
#include "document/configuration_slots.h"
#include "document/mdi_child.h"

void TMainForm::SpeedButton15Click() {
    armPair(pairTool);
}

void TMainForm::SpeedButton14Click() {
    armPair(secondPairTool);
}

// Both pair buttons show the strength panel on an empty document. Placing
// looks only at SpeedButton15, so SpeedButton14 is a second way to it: it
// hands its pressed state over to SpeedButton15.
void TMainForm::armPair(QToolButton* clicked) {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    const Configuration configuration = readConfiguration(*d);
    if (clicked->isChecked() && configuration.isEmpty()) {
        press(pairTool);
        strengthPanel->show();
        d->setPointer(Qt::CrossCursor);
        return;
    }
    if (configuration.pairAwaitsSecondPoint()) {
        press(pairTool);
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                        "Необходимо полностью завершить построение (т.е. поставить Сток и Исток) !",
                        QMessageBox::Ok, this);
        box.setObjectName("PairMessage");
        box.exec();
        return;
    }
    d->setPointer(Qt::ArrowCursor);
    strengthPanel->hide();
    if (clicked->isChecked()) explain(Unchanged::ElementPresent);
}

void TMainForm::popupArm(QToolButton* button) {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    d->setPointer(Qt::CrossCursor);
    press(button);
}

void TMainForm::N24Click() {
    popupArm(pointSourceTool);
}
void TMainForm::N23Click() {
    popupArm(vortexTool);
}
void TMainForm::N19Click() {
    popupArm(dipoleTool);
}
void TMainForm::N10Click() {
    popupArm(vortexSourceTool);
}
void TMainForm::N12Click() {
    popupArm(sourceInStreamTool);
}
void TMainForm::N13Click() {
    popupArm(sinkInStreamTool);
}

void TMainForm::PopupMenu1Popup() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    auto set = [this](bool cylinderOn, bool sourceOn, bool sinkOn) {
        cylinderItem->setEnabled(cylinderOn);
        sourceItem->setEnabled(sourceOn);
        sinkItem->setEnabled(sinkOn);
    };
    const Configuration c = readConfiguration(*d);
    const bool source = c.source.filled, sink = c.sink.filled, cylinder = c.radius.filled;
    if ((source && c.sinkPartner.filled && !cylinder) ||
        (sink && c.sourcePartner.filled && !cylinder) || cylinder)
        set(false, false, false);
    else if (!source && sink)
        set(false, true, false);
    else if (source && !sink)
        set(false, false, true);
    else if (!source && !sink)
        set(true, true, true);
    // Both strengths filled (a complete pair): the items stay as they were.
}

void TMainForm::SpeedButton18Click() {
    memoPanel->setVisible(!memoPanel->isVisible());
}
