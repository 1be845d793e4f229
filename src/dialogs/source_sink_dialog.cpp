#include "dialogs/source_sink_dialog.h"

#include <QColorDialog>
#include <QFrame>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include "dialogs/color_swatch.h"
#include "dialogs/dialog_style.h"
#include "dialogs/track_bar.h"
#include "flow/geometry.h"

TOKBottomDlg4::TOKBottomDlg4(QWidget* parent)
    : TSettingsDialog("TOKBottomDlg4", "Настройки Стока\\Истока", QSize(313, 279), parent) {
    QFrame* source = makeGroupFrame(this, {8, 8, 297, 64});
    Label1 = makeRowCaption(source, "Label1", "Мощьность Истока Q :=", {12, 6});
    TrackBar1 = makeTrackBar(source, "TrackBar1", 1000, 3000, 100, 1500, {8, 28, 220, 30});
    Label3 = makeValueLabel(source, "Label3", "1500", {236, 30, 52, 22});

    QFrame* sink = makeGroupFrame(this, {8, 78, 297, 64});
    Label2 = makeRowCaption(sink, "Label2", "Мощьность  Стока  Q :=", {12, 6});
    TrackBar2 = makeTrackBar(sink, "TrackBar2", 1000, 3000, 100, 1500, {8, 28, 220, 30});
    Label4 = makeValueLabel(sink, "Label4", "1500", {236, 30, 52, 22});

    QFrame* colour = makeGroupFrame(this, {8, 148, 297, 76});
    Label8 = makeRowCaption(colour, "Label8", "Цвет области Истока и Стока", {12, 8});
    Label7 = makeSwatch(colour, "Label7", QColor(0, 0, 255), {12, 40, 40, 22});
    SpeedButton1 = makeColorButton(colour, "SpeedButton1", {60, 38, 25, 25});
    ColorDialog1 = makeColorDialog(this, QColor(0, 0, 255));

    onUserMove(TrackBar1, this, [this] { TrackBar1Change(); });
    onUserMove(TrackBar2, this, [this] { TrackBar2Change(); });
    connect(SpeedButton1, &QToolButton::clicked, this, &TOKBottomDlg4::SpeedButton1Click);
}

flow::Color TOKBottomDlg4::regionColor() const {
    return swatchColor(Label7);
}

int TOKBottomDlg4::sourceStrength() const {
    return TrackBar1->value();
}

int TOKBottomDlg4::sinkStrength() const {
    return TrackBar2->value();
}

QString TOKBottomDlg4::sourceText() const {
    return Label3->text();
}

QString TOKBottomDlg4::sinkText() const {
    return Label4->text();
}

void TOKBottomDlg4::setSourceStrength(const QString& text) {
    Label3->setText(text);
    TrackBar1->setValue(flow::strToInt(text.toStdString()));
}

void TOKBottomDlg4::setSinkStrength(const QString& text) {
    Label4->setText(text);
    TrackBar2->setValue(flow::strToInt(text.toStdString()));
}

void TOKBottomDlg4::TrackBar1Change() {
    Label3->setText(QString::number(TrackBar1->sliderPosition()));
}

void TOKBottomDlg4::TrackBar2Change() {
    Label4->setText(QString::number(TrackBar2->sliderPosition()));
}

void TOKBottomDlg4::SpeedButton1Click() {
    if (const auto colour = chooseColor(ColorDialog1, Label7)) setSwatchColor(Label7, *colour);
}

void TOKBottomDlg4::BitBtn1Click() {
    emit okPressed();
    hide();
}

void TOKBottomDlg4::showRow(bool source) {
    setRowEnabled({Label4, TrackBar2, Label2}, !source);
    setRowEnabled({Label3, TrackBar1, Label1}, source);
    Show();
}
