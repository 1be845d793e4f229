// The streamline dialog: increment A, line count, line width and colour of
// the streamlines, and whether they carry direction arrows.
#pragma once

#include "dialogs/lines_dialog.h"
#include "flow/settings.h"

class QCheckBox;

class TOKBottomDlg2 : public TLinesDialog, public flow::StreamlineSettings {
    Q_OBJECT
  public:
    explicit TOKBottomDlg2(QWidget* parent = nullptr);

    QCheckBox* CheckBox1;  // "Направление тока"

    int lineWidth() const override { return readLineWidth(); }
    flow::Color lineColor() const override { return readLineColor(); }
    int lineCount() const override { return readLineCount(); }
    int increment() const override { return readIncrement(); }
    bool directionArrows() const override;
};
