// The equipotential dialog: increment A, line count, line width and colour of
// the lines of equal potential. Unlike the other dialogs its title bar also
// has minimize and maximize boxes.
#pragma once

#include "dialogs/lines_dialog.h"
#include "flow/settings.h"

class TOKBottomDlg3 : public TLinesDialog, public flow::EquipotentialSettings {
    Q_OBJECT
  public:
    explicit TOKBottomDlg3(QWidget* parent = nullptr);

    int lineWidth() const override { return readLineWidth(); }
    flow::Color lineColor() const override { return readLineColor(); }
    int lineCount() const override { return readLineCount(); }
    int increment() const override { return readIncrement(); }
};
