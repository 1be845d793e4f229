#include "dialogs/stream_speed_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include "dialogs/dialog_glyphs.h"
#include "dialogs/dialog_style.h"
#include "dialogs/track_bar.h"

TOKBottomDlg5::TOKBottomDlg5(QWidget* parent)
    : TSettingsDialog("TOKBottomDlg5", "Настройка скорости потока", QSize(327, 142), parent) {
    QFrame* frame = makeGroupFrame(this, {8, 8, 311, 88});
    Label1 = makeRowCaption(frame, "Label1", "Скорость набегающего потока", {12, 8});
    TrackBar1 = makeTrackBar(frame, "TrackBar1", 1, 10, 1, 1, {8, 36, 200, 30});
    SpeedButton1 = new QToolButton(frame);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setIcon(streamGlyph());
    SpeedButton1->setGeometry(214, 38, 25, 25);
    Label3 = makeRowCaption(frame, "Label3", "=", {246, 40});
    Label2 = makeValueLabel(frame, "Label2", "1", {262, 40, 40, 22});

    onUserMove(TrackBar1, this, [this] { TrackBar1Change(); });
}

int TOKBottomDlg5::speed() const {
    return TrackBar1->value();
}

void TOKBottomDlg5::TrackBar1Change() {
    Label2->setText(QString::number(TrackBar1->sliderPosition()));
}

QString TOKBottomDlg5::speedText() const {
    return Label2->text();
}
