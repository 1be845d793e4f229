#include "dialogs/equipotential_dialog.h"

namespace {

LinesDialogLook equipotentialLook() {
    LinesDialogLook look;
    look.className = "TOKBottomDlg3";
    look.caption = "Линии равного потенциала";
    look.clientSize = {322, 263};
    look.incrementCaption = "Прирашение линий: A =";
    look.incrementCaptionHint = false;
    look.incrementMaximum = 50;
    look.countMaximum = 100;
    look.countDefault = 40;
    look.colour = QColor(0, 0, 0);
    look.penFrameHeight = 84;
    return look;
}

}  // namespace

TOKBottomDlg3::TOKBottomDlg3(QWidget* parent) : TLinesDialog(equipotentialLook(), parent) {
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
}
