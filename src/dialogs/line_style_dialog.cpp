#include "dialogs/line_style_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

#include "dialogs/color_swatch.h"
#include "dialogs/dialog_style.h"
#include "flow/geometry.h"

TOKBottomDlg1::TOKBottomDlg1(QWidget* parent)
    : TSettingsDialog("TOKBottomDlg1", "Дополнительные настройки", QSize(336, 187), parent) {
    QFrame* frame = makeGroupFrame(this, {8, 8, 320, 130});
    Label1 = makeRowCaption(frame, "Label1", "Толщина линии:=", {12, 14});
    Label3 = makeValueLabel(frame, "Label3", "5", {200, 12, 48, 22});
    UpDown1 = makeUpDown(frame, "UpDown1", 1, 50, 5, {254, 10});
    Label2 = makeRowCaption(frame, "Label2", "Цвет:", {12, 50});
    Label4 = makeSwatch(frame, "Label4", Qt::black, {200, 48, 40, 22});
    SpeedButton1 = makeColorButton(frame, "SpeedButton1", {254, 46, 25, 25});
    CheckBox1 = new QCheckBox("Залить", frame);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setGeometry(12, 90, 200, 24);
    ColorDialog1 = makeColorDialog(this, Qt::black);

    connect(UpDown1, &TUpDown::Click, this, &TOKBottomDlg1::UpDown1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TOKBottomDlg1::SpeedButton1Click);
    FormCreate();
}

void TOKBottomDlg1::FormCreate() {
    setSwatchColor(Label4, ColorDialog1->currentColor());
}

void TOKBottomDlg1::UpDown1Click(TUpDown::Direction direction) {
    stepValueLabel(Label3, direction);
}

void TOKBottomDlg1::SpeedButton1Click() {
    if (const auto colour = chooseColor(ColorDialog1, Label4)) {
        penColor_ = flow::Color::of(*colour);
        setSwatchColor(Label4, *colour);
    }
}

int TOKBottomDlg1::penWidth() const {
    return flow::strToInt(Label3->text().toStdString());
}
