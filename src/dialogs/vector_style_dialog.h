// The vector-style dialog: widths and colours of the velocity vectors and of
// their connecting lines.
#pragma once

#include "dialogs/settings_dialog.h"
#include "dialogs/up_down.h"
#include "flow/settings.h"

class QColorDialog;
class QLabel;
class QToolButton;

class TSetting9 : public TSettingsDialog, public flow::VectorStyleSettings {
    Q_OBJECT
  public:
    explicit TSetting9(QWidget* parent = nullptr);

    QLabel* Label1;  // "Толщина линии результирующего вектора:="
    QLabel* Label5;
    TUpDown* UpDown2;
    QLabel* Label2;  // "Толщина линии радиального и кассательных векторов:="
    QLabel* Label4;
    TUpDown* UpDown1;
    QLabel* Label10;  // "Толщина соединительных линий:=" (shown, read by nothing)
    QLabel* Label11;
    TUpDown* UpDown3;
    QLabel* Label6;  // "Цвет результирующего вектора:"
    QLabel* Label7;
    QToolButton* SpeedButton1;
    QLabel* Label8;  // "Цвет радиального и кассательных векторов:"
    QLabel* Label9;
    QToolButton* SpeedButton2;
    QLabel* Label12;  // "Цвет соединительных линий:"
    QLabel* Label13;
    QToolButton* SpeedButton3;
    QColorDialog* ColorDialog1;

    int resultantWidth() const override;
    int componentWidth() const override;
    flow::Color resultantColor() const override;
    flow::Color componentColor() const override;
    flow::Color connectingColor() const override;

    void UpDown1Click(TUpDown::Direction direction);
    void UpDown2Click(TUpDown::Direction direction);
    void UpDown3Click(TUpDown::Direction direction);
    void SpeedButtonClick();  // SpeedButton1
    void SpeedButton2Click();
    void SpeedButton3Click();

  private:
    void chooseSwatchColor(QLabel* swatch);
};
