#include "dialogs/vector_style_dialog.h"

#include <QColorDialog>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

#include "dialogs/color_swatch.h"
#include "dialogs/dialog_style.h"

namespace {
// Columns right of the longest caption: values and their arrows in the first
// frame, swatches and their buttons in the second; rows 44 pixels apart.
constexpr int kValueX = 454;
constexpr int kArrowsX = 466;
constexpr int kSwatchX = 412;
constexpr int kColorButtonX = 460;
int rowY(int row) {
    return 16 + 44 * row;
}
}  // namespace

TSetting9::TSetting9(QWidget* parent)
    : TSettingsDialog("TSetting9", "Настройка векторов скорости", QSize(505, 343), parent) {
    QFrame* widths = makeGroupFrame(this, {8, 8, 489, 144});
    Label1 =
        makeRowCaption(widths, "Label1", "Толщина линии результирующего вектора:=", {12, rowY(0)});
    Label5 = makeValueLabel(widths, "Label5", "1", {kValueX, rowY(0) - 2, 12, 22});
    UpDown2 = makeUpDown(widths, "UpDown2", 1, 3, 1, {kArrowsX, rowY(0) - 4});
    Label2 = makeRowCaption(widths, "Label2",
                            "Толщина линии радиального и кассательных векторов:=", {12, rowY(1)});
    Label4 = makeValueLabel(widths, "Label4", "1", {kValueX, rowY(1) - 2, 12, 22});
    UpDown1 = makeUpDown(widths, "UpDown1", 1, 3, 1, {kArrowsX, rowY(1) - 4});
    Label10 = makeRowCaption(widths, "Label10", "Толщина соединительных линий:=", {12, rowY(2)});
    Label11 = makeValueLabel(widths, "Label11", "1", {kValueX, rowY(2) - 2, 12, 22});
    UpDown3 = makeUpDown(widths, "UpDown3", 1, 3, 1, {kArrowsX, rowY(2) - 4});

    QFrame* colours = makeGroupFrame(this, {8, 158, 489, 144});
    Label6 = makeRowCaption(colours, "Label6", "Цвет результирующего вектора:", {12, rowY(0)});
    Label7 = makeSwatch(colours, "Label7", QColor(255, 0, 0), {kSwatchX, rowY(0) - 2, 40, 22});
    SpeedButton1 = makeColorButton(colours, "SpeedButton1", {kColorButtonX, rowY(0) - 4, 25, 25});
    Label8 = makeRowCaption(colours, "Label8",
                            "Цвет радиального и кассательных векторов:", {12, rowY(1)});
    Label9 = makeSwatch(colours, "Label9", QColor(0, 128, 0), {kSwatchX, rowY(1) - 2, 40, 22});
    SpeedButton2 = makeColorButton(colours, "SpeedButton2", {kColorButtonX, rowY(1) - 4, 25, 25});
    Label12 = makeRowCaption(colours, "Label12", "Цвет соединительных линий:", {12, rowY(2)});
    Label13 = makeSwatch(colours, "Label13", QColor(0, 0, 128), {kSwatchX, rowY(2) - 2, 40, 22});
    SpeedButton3 = makeColorButton(colours, "SpeedButton3", {kColorButtonX, rowY(2) - 4, 25, 25});
    ColorDialog1 = makeColorDialog(this, QColor(255, 0, 0));

    connect(UpDown1, &TUpDown::Click, this, &TSetting9::UpDown1Click);
    connect(UpDown2, &TUpDown::Click, this, &TSetting9::UpDown2Click);
    connect(UpDown3, &TUpDown::Click, this, &TSetting9::UpDown3Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TSetting9::SpeedButtonClick);
    connect(SpeedButton2, &QToolButton::clicked, this, &TSetting9::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TSetting9::SpeedButton3Click);
}

int TSetting9::resultantWidth() const {
    return UpDown2->position();
}

int TSetting9::componentWidth() const {
    return UpDown1->position();
}

flow::Color TSetting9::resultantColor() const {
    return swatchColor(Label7);
}

flow::Color TSetting9::componentColor() const {
    return swatchColor(Label9);
}

flow::Color TSetting9::connectingColor() const {
    return swatchColor(Label13);
}

void TSetting9::UpDown1Click(TUpDown::Direction direction) {
    stepValueLabel(Label4, direction);
}

void TSetting9::UpDown2Click(TUpDown::Direction direction) {
    stepValueLabel(Label5, direction);
}

void TSetting9::UpDown3Click(TUpDown::Direction direction) {
    stepValueLabel(Label11, direction);
}

void TSetting9::SpeedButtonClick() {
    chooseSwatchColor(Label7);
}

void TSetting9::SpeedButton2Click() {
    chooseSwatchColor(Label9);
}

void TSetting9::SpeedButton3Click() {
    chooseSwatchColor(Label13);
}

void TSetting9::chooseSwatchColor(QLabel* swatch) {
    if (const auto colour = chooseColor(ColorDialog1, swatch)) setSwatchColor(swatch, *colour);
}
