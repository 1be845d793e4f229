#include "dialogs/lines_dialog.h"

#include <QColorDialog>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

#include "dialogs/color_swatch.h"
#include "dialogs/dialog_style.h"

namespace {
const QString kIncrementHint = "Растояние между линиями тока в относительных единицах";
}

TLinesDialog::TLinesDialog(const LinesDialogLook& look, QWidget* parent)
    : TSettingsDialog(look.className, look.caption, look.clientSize, parent) {
    const int frameWidth = look.clientSize.width() - 16;
    // Values and arrows at the right edge, clear of the longest caption.
    const int valueX = frameWidth - 74;
    const int arrowsX = frameWidth - 38;

    QFrame* lines = makeGroupFrame(this, {8, 8, frameWidth, 84});
    Label5 = makeRowCaption(lines, "Label5", look.incrementCaption, {12, 14});
    if (look.incrementCaptionHint) Label5->setToolTip(kIncrementHint);
    Label6 = makeValueLabel(lines, "Label6", "50", {valueX, 12, 32, 22});
    UpDown1 = makeUpDown(lines, "UpDown1", 5, look.incrementMaximum, 50, {arrowsX, 10});
    UpDown1->setToolTip(kIncrementHint);
    Label7 = makeRowCaption(lines, "Label7", "Обшее количество линий:", {12, 50});
    Label8 =
        makeValueLabel(lines, "Label8", QString::number(look.countDefault), {valueX, 48, 32, 22});
    UpDown3 = makeUpDown(lines, "UpDown3", 1, look.countMaximum, look.countDefault, {arrowsX, 46});

    penFrame_ = makeGroupFrame(this, {8, 100, frameWidth, look.penFrameHeight});
    Label1 = makeRowCaption(penFrame_, "Label1", "Толщина линии:=", {12, 14});
    Label3 = makeValueLabel(penFrame_, "Label3", "1", {valueX, 12, 32, 22});
    UpDown2 = makeUpDown(penFrame_, "UpDown2", 1, 5, 1, {arrowsX, 10});
    Label2 = makeRowCaption(penFrame_, "Label2", "Цвет:", {12, 50});
    Label4 = makeSwatch(penFrame_, "Label4", look.colour, {valueX - 14, 48, 36, 22});
    SpeedButton1 = makeColorButton(penFrame_, "SpeedButton1", {arrowsX - 4, 46, 25, 25});
    ColorDialog1 = makeColorDialog(this, look.colour);

    connect(UpDown1, &TUpDown::Click, this, &TLinesDialog::UpDown1Click);
    connect(UpDown2, &TUpDown::Click, this, &TLinesDialog::UpDown2Click);
    connect(UpDown3, &TUpDown::Click, this, &TLinesDialog::UpDown3Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TLinesDialog::SpeedButton1Click);
}

void TLinesDialog::UpDown1Click(TUpDown::Direction direction) {
    stepValueLabel(Label6, direction);
}

void TLinesDialog::UpDown2Click(TUpDown::Direction direction) {
    stepValueLabel(Label3, direction);
}

void TLinesDialog::UpDown3Click(TUpDown::Direction direction) {
    stepValueLabel(Label8, direction);
}

void TLinesDialog::SpeedButton1Click() {
    if (const auto colour = chooseColor(ColorDialog1, Label4)) setSwatchColor(Label4, *colour);
}

int TLinesDialog::readLineWidth() const {
    return captionValue(Label3);
}

flow::Color TLinesDialog::readLineColor() const {
    return swatchColor(Label4);
}

int TLinesDialog::readLineCount() const {
    return captionValue(Label8);
}

int TLinesDialog::readIncrement() const {
    return captionValue(Label6);
}
