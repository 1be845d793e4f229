// The line-style dialog: width and colour of the cylinder outline drawn when
// a cylinder is placed. The placing reads the width from Label3 and the
// colour from the dialog's own pen colour, which the colour button sets
// together with the swatch.
#pragma once

#include "dialogs/settings_dialog.h"
#include "dialogs/up_down.h"
#include "flow/surface.h"

class QCheckBox;
class QColorDialog;
class QLabel;
class QToolButton;

class TOKBottomDlg1 : public TSettingsDialog {
    Q_OBJECT
  public:
    explicit TOKBottomDlg1(QWidget* parent = nullptr);

    flow::Color penColor() const { return penColor_; }
    // The pen width through the strict integer conversion.
    int penWidth() const;

    QLabel* Label1;  // "Толщина линии:="
    QLabel* Label3;  // line width
    TUpDown* UpDown1;
    QLabel* Label2;  // "Цвет:"
    QLabel* Label4;  // colour swatch
    QToolButton* SpeedButton1;
    QCheckBox* CheckBox1;  // "Залить": shown, read by nothing
    QColorDialog* ColorDialog1;

    void UpDown1Click(TUpDown::Direction direction);
    void SpeedButton1Click();

  private:
    // The swatch starts with the colour chooser's initial colour.
    void FormCreate();

    flow::Color penColor_ = flow::kBlack;
};
