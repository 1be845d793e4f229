// The cylinder dialog: radius R, circulation and the with-circulation flag
// (the enabled state of the circulation row, set by the cylinder tools).
// Cancel puts back the track bar positions of the latest activation.
#pragma once

#include "dialogs/settings_dialog.h"
#include "flow/settings.h"

class QLabel;
class QSlider;
class QToolButton;

class TOKBottomDlg : public TSettingsDialog, public flow::CylinderSettings {
    Q_OBJECT
  public:
    explicit TOKBottomDlg(QWidget* parent = nullptr);

    QLabel* Label1;      // "Радиус:"
    QSlider* TrackBar1;  // radius
    QLabel* Label2;      // "R=..."
    QLabel* Label3;      // "Циркуляция:"
    QSlider* TrackBar2;  // circulation
    QLabel* Label5;      // "L=..."
    QLabel* Label4;      // "Дополнительные настройки:"
    QToolButton* BitBtn3;

    // Shows the dialog with its circulation row usable or not.
    void showFor(bool circulation);
    // Whether the circulation row's track bar is usable: the cylinder
    // tool its OK arms.
    bool circulationTrackBarEnabled() const;
    // The radius a cylinder placed now gets.
    int radius() const;
    int circulation() const override;
    bool withCirculation() const override;

    void TrackBar1Change();
    void TrackBar2Change();
    void FormActivate();
    void BitBtn3Click();

  signals:
    // OK after the dialog hid: the cylinder tool may be armed.
    void okPressed();
    // Cancel, after the positions were put back: both cylinder tools go up.
    void cancelPressed();
    // The button for the line style of the outline.
    void extraSettingsRequested();

  protected:
    // Hides and reports OK.
    void BitBtn1Click() override;
    // Restores the remembered positions and labels, reports Cancel, hides.
    void BitBtn2Click() override;
    void changeEvent(QEvent* event) override;
    // The close box only hides: unlike Cancel (and Esc) it restores nothing.
    void closeEvent(QCloseEvent* event) override;

  private:
    void showRadius(int radius);
    void showCirculation(int circulation);

    int rememberedRadius_ = 100;
    int rememberedCirculation_ = 1000;
};
