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
    : TSettingsDialog("TColourMapDialog", "Цветовая карта", QSize(330, 252), parent) {
    QFrame* range = makeGroupFrame(this, {8, 8, 314, 84});
    makeRowCaption(range, "Label1", "Диапазон значений", {12, 6});
    AutomaticRange = new QRadioButton("Автоматически (без окрестностей особых точек)", range);
    AutomaticRange->setObjectName("AutomaticRange");
    AutomaticRange->setGeometry(12, 28, 296, 20);
    AutomaticRange->setChecked(true);
    FixedRange = new QRadioButton("от", range);
    FixedRange->setObjectName("FixedRange");
    FixedRange->setGeometry(12, 54, 44, 20);
    RangeLow = makeRangeEnd(range, "RangeLow", -3, {58, 52, 90, 24});
    auto* to = new QLabel("до", range);
    to->setGeometry(160, 54, 24, 20);
    RangeHigh = makeRangeEnd(range, "RangeHigh", 1, {186, 52, 90, 24});

    QFrame* look = makeGroupFrame(this, {8, 100, 314, 104});
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
    Legend->setGeometry(12, 36, 290, 20);
    Legend->setChecked(true);
    auto* scale = new QLabel(
        "Шкала: скорость — от тёмного к светлому, давление — синий, серый при Cp = 0, жёлтый",
        look);
    scale->setWordWrap(true);
    scale->setGeometry(12, 62, 290, 36);
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
