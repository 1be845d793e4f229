// The Joukowski airfoil's dialog: the chord, thickness and camber of its
// shape, the angle of attack, the stream speed U and the circulation (the
// Kutta condition's, or a typed one). It shows the active airfoil
// document's values and says when the user changes one; the angle's slider
// says also when a drag starts, moves and ends.
#pragma once

#include "dialogs/settings_dialog.h"
#include "flow/airfoil/airfoil_parameters.h"

class QCheckBox;
class QLabel;
class QSlider;
class QSpinBox;

class TAirfoilDialog : public TSettingsDialog {
    Q_OBJECT
  public:
    explicit TAirfoilDialog(QWidget* parent = nullptr);

    QSpinBox* chord;
    QSpinBox* thickness;  // per cent
    QSpinBox* camber;     // per cent
    QSlider* angle;       // half degrees
    QLabel* angleValue;
    QSpinBox* speed;
    QCheckBox* kutta;
    QSpinBox* circulation;  // without the Kutta condition

    flow::airfoil::Airfoil airfoil() const;
    // Shows the values; says nothing.
    void showAirfoil(const flow::airfoil::Airfoil& airfoil);

  signals:
    void changed();
    void angleDragStarted();
    void angleDragged();
    void angleDragFinished();

  private:
    void showAngle();
};
