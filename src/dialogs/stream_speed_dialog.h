// The stream-speed dialog: the speed U of the oncoming stream.
#pragma once

#include "dialogs/settings_dialog.h"
#include "flow/settings.h"

class QLabel;
class QSlider;
class QToolButton;

class TOKBottomDlg5 : public TSettingsDialog, public flow::StreamSpeedSettings {
    Q_OBJECT
  public:
    explicit TOKBottomDlg5(QWidget* parent = nullptr);

    QLabel* Label1;             // "Скорость набегающего потока"
    QSlider* TrackBar1;         // speed U
    QToolButton* SpeedButton1;  // a flat glyph, no action
    QLabel* Label3;             // "="
    QLabel* Label2;             // the speed

    int speed() const override;
    // The speed as its caption shows it.
    QString speedText() const;

    void TrackBar1Change();
};
