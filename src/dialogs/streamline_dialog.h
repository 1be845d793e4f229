// The streamline dialog: increment A, line count, line width and colour of
// the streamlines, whether they carry direction arrows and whether a
// superposition's streamlines are spaced by distance instead of by level;
// below them, the time marks' interval, dot size and colour.
#pragma once

#include "dialogs/lines_dialog.h"
#include "flow/settings.h"

class QCheckBox;
class QColorDialog;
class QLabel;
class QSpinBox;
class QToolButton;

class TOKBottomDlg2 : public TLinesDialog, public flow::StreamlineSettings {
    Q_OBJECT
  public:
    explicit TOKBottomDlg2(QWidget* parent = nullptr);

    QCheckBox* CheckBox1;  // "Направление тока"
    QCheckBox* CheckBox2;  // superposition streamlines evenly spaced, off by default
    // Time marks: the time between marks, the dots' size and colour.
    QSpinBox* MarkInterval;
    QSpinBox* MarkSize;
    QLabel* MarkSwatch;
    QToolButton* MarkColorButton;
    QColorDialog* MarkColorDialog;

    int lineWidth() const override { return readLineWidth(); }
    flow::Color lineColor() const override { return readLineColor(); }
    int lineCount() const override { return readLineCount(); }
    int increment() const override { return readIncrement(); }
    bool directionArrows() const override;
    bool evenlySpaced() const override;
    int markInterval() const override;
    int markSize() const override;
    flow::Color markColor() const override;

  private:
    void addTimeMarkRows();
};
