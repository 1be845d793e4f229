// The source/sink dialog: source and sink strengths (kept in step with the
// main window's strength panel) and the colour of the source and sink
// regions' streamlines.
#pragma once

#include "dialogs/settings_dialog.h"
#include "flow/settings.h"

class QColorDialog;
class QLabel;
class QSlider;
class QToolButton;
class TMainForm;

class TOKBottomDlg4 : public TSettingsDialog, public flow::SourceSinkSettings {
    Q_OBJECT
  public:
    explicit TOKBottomDlg4(TMainForm* mainForm);

    QLabel* Label1;      // "Мощьность Истока Q :="
    QSlider* TrackBar1;  // source strength
    QLabel* Label3;
    QLabel* Label2;      // "Мощьность  Стока  Q :="
    QSlider* TrackBar2;  // sink strength
    QLabel* Label4;
    QLabel* Label8;  // "Цвет области Истока и Стока"
    QLabel* Label7;  // colour swatch
    QToolButton* SpeedButton1;
    QColorDialog* ColorDialog1;

    flow::Color regionColor() const override;
    int sourceStrength() const override;

    void TrackBar1Change();
    void TrackBar2Change();
    void SpeedButton1Click();

  protected:
    // Copies both strengths to the main window's strength panel, then hides.
    void BitBtn1Click() override;

  private:
    TMainForm* mainForm_;
};
