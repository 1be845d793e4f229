#include "dialogs/streamline_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include "dialogs/color_swatch.h"
#include "dialogs/dialog_style.h"

namespace {

LinesDialogLook streamlineLook() {
    LinesDialogLook look;
    look.className = "TOKBottomDlg2";
    look.caption = "Настройки линий тока";
    look.clientSize = {417, 401};
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
    addTimeMarkRows();
}

void TOKBottomDlg2::addTimeMarkRows() {
    QFrame* marks = makeGroupFrame(this, {8, 256, 401, 104});
    auto spinBox = [marks](const QString& name, int maximum, int value, int y) {
        auto* box = new QSpinBox(marks);
        box->setObjectName(name);
        box->setRange(1, maximum);
        box->setValue(value);
        box->setGeometry(300, y, 80, 24);
        return box;
    };
    makeRowCaption(marks, "MarkIntervalCaption", "Метки времени через Δt =", {12, 12});
    MarkInterval = spinBox("MarkInterval", 10000, 20, 10);
    makeRowCaption(marks, "MarkSizeCaption", "Размер метки:", {12, 44});
    MarkSize = spinBox("MarkSize", 10, 3, 42);
    makeRowCaption(marks, "MarkColorCaption", "Цвет меток:", {12, 76});
    MarkSwatch = makeSwatch(marks, "MarkSwatch", Qt::black, {300, 74, 36, 22});
    MarkColorButton = makeColorButton(marks, "MarkColorButton", {346, 72, 25, 25});
    MarkColorDialog = makeColorDialog(this, Qt::black);
    MarkColorDialog->setObjectName("MarkColorDialog");
    connect(MarkColorButton, &QToolButton::clicked, this, [this] {
        if (const auto colour = chooseColor(MarkColorDialog, MarkSwatch))
            setSwatchColor(MarkSwatch, *colour);
    });
}

bool TOKBottomDlg2::directionArrows() const {
    return CheckBox1->isChecked();
}

bool TOKBottomDlg2::evenlySpaced() const {
    return CheckBox2->isChecked();
}

int TOKBottomDlg2::markInterval() const {
    return MarkInterval->value();
}

int TOKBottomDlg2::markSize() const {
    return MarkSize->value();
}

flow::Color TOKBottomDlg2::markColor() const {
    return swatchColor(MarkSwatch);
}
