#include "dialogs/streamline_dialog.h"

#include <QCheckBox>
#include <QFrame>

namespace {

LinesDialogLook streamlineLook() {
    LinesDialogLook look;
    look.className = "TOKBottomDlg2";
    look.caption = "Настройки линий тока";
    look.clientSize = {417, 289};
    look.incrementCaption = "Прирашение линий: A=";
    look.incrementCaptionHint = true;
    look.incrementMaximum = 100;
    look.countMaximum = 150;
    look.countDefault = 20;
    look.colour = QColor(255, 0, 0);
    look.penFrameHeight = 120;
    return look;
}

}  // namespace

TOKBottomDlg2::TOKBottomDlg2(QWidget* parent) : TLinesDialog(streamlineLook(), parent) {
    CheckBox1 = new QCheckBox("Направление тока", penFrame());
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setChecked(true);
    CheckBox1->setGeometry(12, 86, 250, 24);
    // Below the pen frame, above the buttons: only superposition documents read it.
    CheckBox2 = new QCheckBox("Равномерно по расстоянию (суперпозиция)", this);
    CheckBox2->setObjectName("CheckBox2");
    CheckBox2->setToolTip(
        "Линии тока суперпозиции через A пикселей друг от друга, а не через A "
        "по функции тока");
    CheckBox2->setGeometry(20, 224, 380, 24);
}

bool TOKBottomDlg2::directionArrows() const {
    return CheckBox1->isChecked();
}

bool TOKBottomDlg2::evenlySpaced() const {
    return CheckBox2->isChecked();
}
