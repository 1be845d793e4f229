// The vector-scale dialog: the factor by which velocity vectors are drawn.
#pragma once

#include "dialogs/settings_dialog.h"
#include "flow/settings.h"

class QLabel;
class QSlider;

class TOKBottomDlg9 : public TSettingsDialog, public flow::VectorScaleSettings {
    Q_OBJECT
  public:
    explicit TOKBottomDlg9(QWidget* parent = nullptr);

    QLabel* Label1;  // "Масштаб вектора скорости:  x"
    QLabel* Label2;  // the scale
    QSlider* TrackBar1;

    int scale() const override;

    void TrackBar1Change();
};
