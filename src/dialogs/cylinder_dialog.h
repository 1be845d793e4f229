// The cylinder dialog: radius R, circulation and the with-circulation flag
// (the enabled state of the circulation row, set by the cylinder tools).
// Cancel puts back the track bar positions of the latest activation.
#pragma once

#include "dialogs/settings_dialog.h"
#include "flow/settings.h"

class QLabel;
class QSlider;
class QToolButton;
class TMainForm;

class TOKBottomDlg : public TSettingsDialog, public flow::CylinderSettings {
    Q_OBJECT
  public:
    explicit TOKBottomDlg(TMainForm* mainForm);

    QLabel* Label1;      // "Радиус:"
    QSlider* TrackBar1;  // radius
    QLabel* Label2;      // "R=..."
    QLabel* Label3;      // "Циркуляция:"
    QSlider* TrackBar2;  // circulation
    QLabel* Label5;      // "L=..."
    QLabel* Label4;      // "Дополнительные настройки:"
    QToolButton* BitBtn3;

    int circulation() const override;
    bool withCirculation() const override;

    void TrackBar1Change();
    void TrackBar2Change();
    void FormActivate();
    void BitBtn3Click();

  protected:
    // Hides; with a document active, arms the cylinder tool as the popup
    // menu's "&Цилиндр" does.
    void BitBtn1Click() override;
    // Restores the remembered positions and labels, releases both cylinder
    // tool buttons, hides.
    void BitBtn2Click() override;
    void changeEvent(QEvent* event) override;
    // The close box only hides: unlike Cancel (and Esc) it restores nothing.
    void closeEvent(QCloseEvent* event) override;

  private:
    void showRadius(int radius);
    void showCirculation(int circulation);

    TMainForm* mainForm_;
    int rememberedRadius_ = 100;
    int rememberedCirculation_ = 1000;
};
