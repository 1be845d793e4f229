// The colour map dialog: the range a map's colours span (found from the
// picture or fixed), continuous colours or 5 to 20 bands, and the legend.
// The scale follows the quantity: sequential for the speed, diverging about
// Cp = 0 for the pressure.
#pragma once

#include <optional>

#include "dialogs/settings_dialog.h"
#include "flow/maps/scale_mapping.h"

class QCheckBox;
class QDoubleSpinBox;
class QRadioButton;
class QSpinBox;

class TColourMapDialog : public TSettingsDialog {
    Q_OBJECT
  public:
    explicit TColourMapDialog(QWidget* parent = nullptr);

    QRadioButton* AutomaticRange;
    QRadioButton* FixedRange;
    QDoubleSpinBox* RangeLow;
    QDoubleSpinBox* RangeHigh;
    QCheckBox* Banded;
    QSpinBox* Bands;
    QCheckBox* Legend;

    // Nothing when the range is found from the picture.
    std::optional<flow::maps::MapRange> fixedRange() const;
    // 0 for continuous colours.
    int bands() const;
    bool legend() const;
};
