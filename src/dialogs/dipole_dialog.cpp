#include "dialogs/dipole_dialog.h"

#include <QFrame>
#include <QLabel>

#include "dialogs/dialog_style.h"

TOKBottomDlg6::TOKBottomDlg6(QWidget* parent)
    : TSettingsDialog("TOKBottomDlg6", "Диполь", QSize(313, 128), parent) {
    QFrame* frame = makeGroupFrame(this, {8, 8, 297, 72});
    Label1 = makeRowCaption(frame, "Label1", "Дипольный момент :", {12, 26});
    Label2 = makeValueLabel(frame, "Label2", "50", {190, 24, 48, 22});
    UpDown1 = makeUpDown(frame, "UpDown1", 10, 200, 50, {244, 22});

    connect(UpDown1, &TUpDown::Click, this, &TOKBottomDlg6::UpDown1Click);
}

void TOKBottomDlg6::UpDown1Click(TUpDown::Direction direction) {
    stepValueLabel(Label2, direction);
}

QString TOKBottomDlg6::momentText() const {
    return Label2->text();
}
