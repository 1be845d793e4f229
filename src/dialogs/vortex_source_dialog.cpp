#include "dialogs/vortex_source_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QSlider>

#include "dialogs/dialog_style.h"
#include "dialogs/track_bar.h"

TOKBottomDlg8::TOKBottomDlg8(QWidget* parent)
    : TSettingsDialog("TOKBottomDlg8", "Настройки вихрестока", QSize(311, 307), parent) {
    QFrame* strength = makeGroupFrame(this, {8, 8, 295, 70});
    Label1 = makeRowCaption(strength, "Label1", "Мощьность Истока\\Стока Q :=", {12, 6});
    TrackBar1 = makeTrackBar(strength, "TrackBar1", 100, 1000, 20, 1000, {8, 32, 220, 30});
    Label2 = makeValueLabel(strength, "Label2", "1000", {236, 34, 52, 22});

    QFrame* circulation = makeGroupFrame(this, {8, 86, 295, 70});
    Label3 = makeRowCaption(circulation, "Label3", "Циркуляция Г :=", {12, 6});
    TrackBar2 = makeTrackBar(circulation, "TrackBar2", 30, 3000, 50, 1000, {8, 32, 220, 30});
    Label4 = makeValueLabel(circulation, "Label4", "1000", {236, 34, 52, 22});

    QFrame* boundary = makeGroupFrame(this, {8, 164, 295, 64});
    Label5 = makeRowCaption(boundary, "Label5", "Граничный радиус:", {12, 22});
    Label6 = makeValueLabel(boundary, "Label6", "10", {190, 20, 48, 22});
    UpDown1 = makeUpDown(boundary, "UpDown1", 10, 50, 10, {244, 18});

    onUserMove(TrackBar1, this, [this] { TrackBar1Change(); });
    onUserMove(TrackBar2, this, [this] { TrackBar2Change(); });
    connect(UpDown1, &TUpDown::Click, this, &TOKBottomDlg8::UpDown1Click);
}

int TOKBottomDlg8::strength() const {
    return captionValue(Label2);
}

int TOKBottomDlg8::circulation() const {
    return captionValue(Label4);
}

void TOKBottomDlg8::TrackBar1Change() {
    Label2->setText(QString::number(TrackBar1->sliderPosition()));
}

void TOKBottomDlg8::TrackBar2Change() {
    Label4->setText(QString::number(TrackBar2->sliderPosition()));
}

void TOKBottomDlg8::UpDown1Click(TUpDown::Direction direction) {
    stepValueLabel(Label6, direction);
}

QString TOKBottomDlg8::strengthText() const {
    return Label2->text();
}

QString TOKBottomDlg8::circulationText() const {
    return Label4->text();
}

QString TOKBottomDlg8::boundaryText() const {
    return Label6->text();
}

void TOKBottomDlg8::showFor(bool vortexSource) {
    Show();
    setRowEnabled({TrackBar1, Label1, Label2, UpDown1, Label5, Label6}, vortexSource);
}
