#include "dialogs/colour_map_dialog.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

#include "dialogs/dialog_style.h"

namespace {

QDoubleSpinBox* makeRangeEnd(QWidget* parent, const QString& name, double value, QRect geometry) {
    auto* end = new QDoubleSpinBox(parent);
    end->setObjectName(name);
    end->setRange(-1000, 1000);
    end->setDecimals(2);
    end->setSingleStep(0.1);
    end->setValue(value);
    end->setGeometry(geometry);
    return end;
}

}  // namespace

TColourMapDialog::TColourMapDialog(QWidget* parent)
    : TSettingsDialog("TColourMapDialog", "Цветовая карта", QSize(360, 262), parent) {
    QFrame* range = makeGroupFrame(this, {8, 8, 344, 84});
    makeRowCaption(range, "Label1", "Диапазон значений", {12, 6});
    AutomaticRange = new QRadioButton("Автоматически (без особых точек)", range);
    AutomaticRange->setObjectName("AutomaticRange");
    AutomaticRange->setGeometry(12, 28, 326, 20);
    AutomaticRange->setChecked(true);
    FixedRange = new QRadioButton("Задан: от", range);
    FixedRange->setObjectName("FixedRange");
    FixedRange->setGeometry(12, 54, 92, 20);
    RangeLow = makeRangeEnd(range, "RangeLow", -3, {106, 52, 90, 24});
    auto* to = new QLabel("до", range);
    to->setGeometry(206, 54, 24, 20);
    RangeHigh = makeRangeEnd(range, "RangeHigh", 1, {234, 52, 90, 24});

    QFrame* look = makeGroupFrame(this, {8, 100, 344, 114});
    Banded = new QCheckBox("Полосы, число полос:", look);
    Banded->setObjectName("Banded");
    Banded->setGeometry(12, 8, 190, 20);
    Bands = new QSpinBox(look);
    Bands->setObjectName("Bands");
    Bands->setRange(flow::maps::kFewestBands, flow::maps::kMostBands);
    Bands->setValue(10);
    Bands->setGeometry(206, 6, 60, 24);
    Legend = new QCheckBox("Легенда (шкала с подписями)", look);
    Legend->setObjectName("Legend");
    Legend->setGeometry(12, 36, 326, 20);
    Legend->setChecked(true);
    auto* scale = new QLabel(
        "Шкала: скорость — от тёмного к светлому; давление — от синего через серый (Cp = 0) к "
        "жёлтому",
        look);
    scale->setWordWrap(true);
    scale->setGeometry(12, 62, 326, 46);
}

std::optional<flow::maps::MapRange> TColourMapDialog::fixedRange() const {
    if (!FixedRange->isChecked()) return std::nullopt;
    return flow::maps::MapRange{RangeLow->value(), RangeHigh->value()};
}

int TColourMapDialog::bands() const {
    return Banded->isChecked() ? Bands->value() : 0;
}

bool TColourMapDialog::legend() const {
    return Legend->isChecked();
}
