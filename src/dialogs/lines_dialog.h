// Common frame of the streamline and equipotential dialogs: the increment A
// and the line count in one etched frame, the line width and colour in a
// second. The two dialogs differ in captions, ranges and defaults only (the
// streamline dialog adds its direction-arrows check box).
#pragma once

#include <QColor>

#include "dialogs/settings_dialog.h"
#include "dialogs/up_down.h"
#include "flow/surface.h"

class QColorDialog;
class QFrame;
class QLabel;
class QToolButton;

struct LinesDialogLook {
    QString className;
    QString caption;
    QSize clientSize;
    QString incrementCaption;
    bool incrementCaptionHint;  // Label5 carries UpDown1's hint too
    int incrementMaximum;
    int countMaximum;
    int countDefault;
    QColor colour;
    int penFrameHeight;
};

class TLinesDialog : public TSettingsDialog {
    Q_OBJECT
  public:
    TLinesDialog(const LinesDialogLook& look, QWidget* parent);

    QLabel* Label5;  // "Прирашение линий: A=" or "... A ="
    QLabel* Label6;  // increment A
    TUpDown* UpDown1;
    QLabel* Label7;  // "Обшее количество линий:"
    QLabel* Label8;  // line count
    TUpDown* UpDown3;
    QLabel* Label1;  // "Толщина линии:="
    QLabel* Label3;  // line width
    TUpDown* UpDown2;
    QLabel* Label2;  // "Цвет:"
    QLabel* Label4;  // colour swatch
    QToolButton* SpeedButton1;
    QColorDialog* ColorDialog1;

    void UpDown1Click(TUpDown::Direction direction);
    void UpDown2Click(TUpDown::Direction direction);
    void UpDown3Click(TUpDown::Direction direction);
    void SpeedButton1Click();

  protected:
    // The frame holding width and colour; the streamline dialog adds a row.
    QFrame* penFrame() const { return penFrame_; }
    int readLineWidth() const;
    flow::Color readLineColor() const;
    int readLineCount() const;
    int readIncrement() const;

  private:
    QFrame* penFrame_;
};
