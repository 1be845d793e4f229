#include "dialogs/cylinder_dialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include "dialogs/dialog_glyphs.h"
#include "dialogs/dialog_style.h"
#include "dialogs/track_bar.h"

TOKBottomDlg::TOKBottomDlg(QWidget* parent)
    : TSettingsDialog("TOKBottomDlg", "Параметры цилиндра", QSize(352, 229), parent) {
    QFrame* radius = makeGroupFrame(this, {8, 8, 336, 60});
    Label1 = makeRowCaption(radius, "Label1", "Радиус:", {12, 6});
    TrackBar1 = makeTrackBar(radius, "TrackBar1", 50, 150, 5, 100, {8, 26, 240, 30});
    TrackBar1->setToolTip("Радиус цилиндра в относительных единицах");
    Label2 = makeValueLabel(radius, "Label2", "R=100", {256, 28, 72, 22});

    QFrame* circulation = makeGroupFrame(this, {8, 72, 336, 60});
    Label3 = makeRowCaption(circulation, "Label3", "Циркуляция:", {12, 6});
    TrackBar2 = makeTrackBar(circulation, "TrackBar2", 100, 2000, 50, 1000, {8, 26, 240, 30});
    Label5 = makeValueLabel(circulation, "Label5", "L=1000", {256, 28, 72, 22});
    // Without circulation until the tool "with circulation" opens the dialog.
    setRowEnabled({Label3, TrackBar2, Label5}, false);

    QFrame* extra = makeGroupFrame(this, {8, 136, 336, 40});
    Label4 = makeRowCaption(extra, "Label4", "Дополнительные настройки:", {12, 10});
    BitBtn3 = new QToolButton(extra);
    BitBtn3->setObjectName("BitBtn3");
    BitBtn3->setIcon(extraSettingsGlyph());
    BitBtn3->setToolTip("Настройки цвета, толщины линии и т.д.");
    BitBtn3->setGeometry(296, 7, 27, 27);

    onUserMove(TrackBar1, this, [this] { TrackBar1Change(); });
    onUserMove(TrackBar2, this, [this] { TrackBar2Change(); });
    connect(BitBtn3, &QToolButton::clicked, this, &TOKBottomDlg::BitBtn3Click);
}

void TOKBottomDlg::showFor(bool circulation) {
    Show();
    setRowEnabled({Label3, TrackBar2, Label5}, circulation);
}

bool TOKBottomDlg::circulationTrackBarEnabled() const {
    return TrackBar2->isEnabled();
}

int TOKBottomDlg::radius() const {
    return TrackBar1->value();
}

int TOKBottomDlg::circulation() const {
    return TrackBar2->value();
}

bool TOKBottomDlg::withCirculation() const {
    return Label5->isEnabled();
}

void TOKBottomDlg::TrackBar1Change() {
    showRadius(TrackBar1->sliderPosition());
}

void TOKBottomDlg::TrackBar2Change() {
    showCirculation(TrackBar2->sliderPosition());
}

void TOKBottomDlg::FormActivate() {
    rememberedRadius_ = TrackBar1->value();
    rememberedCirculation_ = TrackBar2->value();
}

void TOKBottomDlg::BitBtn3Click() {
    emit extraSettingsRequested();
}

void TOKBottomDlg::BitBtn1Click() {
    hide();
    emit okPressed();
}

void TOKBottomDlg::BitBtn2Click() {
    TrackBar1->setValue(rememberedRadius_);
    TrackBar2->setValue(rememberedCirculation_);
    showRadius(TrackBar1->value());
    showCirculation(TrackBar2->value());
    emit cancelPressed();
    hide();
}

void TOKBottomDlg::changeEvent(QEvent* event) {
    TSettingsDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TOKBottomDlg::closeEvent(QCloseEvent* event) {
    event->accept();
}

void TOKBottomDlg::showRadius(int radius) {
    Label2->setText("R=" + QString::number(radius));
}

void TOKBottomDlg::showCirculation(int circulation) {
    Label5->setText("L=" + QString::number(circulation));
}
