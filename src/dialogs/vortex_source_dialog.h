// The vortex-source dialog: strength Q and circulation of the vortex-source
// and the plane vortex, and the boundary radius the placing reads.
#pragma once

#include "dialogs/settings_dialog.h"
#include "dialogs/up_down.h"
#include "flow/settings.h"

class QLabel;
class QSlider;

class TOKBottomDlg8 : public TSettingsDialog, public flow::VortexSourceSettings {
    Q_OBJECT
  public:
    explicit TOKBottomDlg8(QWidget* parent = nullptr);

    QLabel* Label1;      // "Мощьность Истока\Стока Q :="
    QSlider* TrackBar1;  // strength Q
    QLabel* Label2;
    QLabel* Label3;      // "Циркуляция Г :="
    QSlider* TrackBar2;  // circulation
    QLabel* Label4;
    QLabel* Label5;  // "Граничный радиус:"
    QLabel* Label6;  // boundary radius
    TUpDown* UpDown1;

    // Shows the dialog; a plane vortex uses only its circulation row.
    void showFor(bool vortexSource);
    // The texts of the strength, the circulation and the boundary radius.
    QString strengthText() const;
    QString circulationText() const;
    QString boundaryText() const;

    int strength() const override;
    int circulation() const override;

    void TrackBar1Change();
    void TrackBar2Change();
    void UpDown1Click(TUpDown::Direction direction);
};
