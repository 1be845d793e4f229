// The streamline dialog: increment A, line count, line width and colour of
// the streamlines, whether they carry direction arrows and whether a
// superposition's streamlines are spaced by distance instead of by level.
#pragma once

#include "dialogs/lines_dialog.h"
#include "flow/settings.h"

class QCheckBox;

class TOKBottomDlg2 : public TLinesDialog, public flow::StreamlineSettings {
    Q_OBJECT
  public:
    explicit TOKBottomDlg2(QWidget* parent = nullptr);

    QCheckBox* CheckBox1;  // "Направление тока"
    QCheckBox* CheckBox2;  // superposition streamlines evenly spaced, off by default

    int lineWidth() const override { return readLineWidth(); }
    flow::Color lineColor() const override { return readLineColor(); }
    int lineCount() const override { return readLineCount(); }
    int increment() const override { return readIncrement(); }
    bool directionArrows() const override;
    bool evenlySpaced() const override;
};
