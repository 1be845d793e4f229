#include "dialogs/vector_scale_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QSlider>

#include "dialogs/dialog_style.h"
#include "dialogs/track_bar.h"

TOKBottomDlg9::TOKBottomDlg9(QWidget* parent)
    : TSettingsDialog("TOKBottomDlg9", "Масштаб вектора скорости", QSize(313, 162), parent) {
    QFrame* frame = makeGroupFrame(this, {8, 8, 297, 104});
    Label1 = makeRowCaption(frame, "Label1", "Масштаб вектора скорости:  x", {12, 12});
    Label2 = makeValueLabel(frame, "Label2", "10",
                            {Label1->geometry().right() + 4, 12, 40, Label1->height()});
    TrackBar1 = makeTrackBar(frame, "TrackBar1", 1, 100, 2, 10, {8, 50, 281, 30});

    onUserMove(TrackBar1, this, [this] { TrackBar1Change(); });
}

int TOKBottomDlg9::scale() const {
    return TrackBar1->value();
}

void TOKBottomDlg9::TrackBar1Change() {
    Label2->setText(QString::number(TrackBar1->sliderPosition()));
}
