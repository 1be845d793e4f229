#include "dialogs/airfoil_dialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <cmath>

#include "dialogs/dialog_style.h"
#include "dialogs/track_bar.h"

namespace af = flow::airfoil;

namespace {

QSpinBox* makeSpinBox(QWidget* parent, const QString& name, af::Parameter parameter, QRect at) {
    const af::ParameterInfo& info = af::parameterInfo(parameter);
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(static_cast<int>(info.minimum), static_cast<int>(info.maximum));
    box->setGeometry(at);
    box->setKeyboardTracking(false);
    return box;
}

}  // namespace

TAirfoilDialog::TAirfoilDialog(QWidget* parent)
    : TSettingsDialog("TAirfoilDialog", "Профиль Жуковского", QSize(360, 300), parent) {
    QFrame* frame = makeGroupFrame(this, {8, 8, 344, 246});
    const auto row = [&](const QString& name, const QString& text, int y) {
        makeRowCaption(frame, name, text, {12, y + 4});
    };
    row("ChordLabel", "Хорда, пикс.", 8);
    chord = makeSpinBox(frame, "ChordBox", af::Parameter::Chord, {230, 8, 100, 26});
    row("ThicknessLabel", "Толщина, %", 40);
    thickness = makeSpinBox(frame, "ThicknessBox", af::Parameter::Thickness, {230, 40, 100, 26});
    row("CamberLabel", "Кривизна, %", 72);
    camber = makeSpinBox(frame, "CamberBox", af::Parameter::Camber, {230, 72, 100, 26});
    row("AngleLabel", "Угол атаки", 104);
    const af::ParameterInfo& alpha = af::parameterInfo(af::Parameter::Alpha);
    angle = makeTrackBar(frame, "AngleBar", static_cast<int>(alpha.minimum * 2),
                         static_cast<int>(alpha.maximum * 2), 10, 10, {8, 130, 250, 30});
    angleValue = makeValueLabel(frame, "AngleValue", "5°", {266, 134, 70, 22});
    row("SpeedLabel", "Скорость потока U", 168);
    speed = makeSpinBox(frame, "SpeedBox", af::Parameter::Speed, {230, 168, 100, 26});
    kutta = new QCheckBox("Условие Кутты", frame);
    kutta->setObjectName("KuttaBox");
    kutta->setGeometry(12, 204, 150, 26);
    circulation =
        makeSpinBox(frame, "CirculationBox", af::Parameter::Circulation, {230, 204, 100, 26});
    makeRowCaption(frame, "CirculationLabel", "Г =", {196, 208});
    placeButtons();
    showAirfoil({});

    for (QSpinBox* box : {chord, thickness, camber, speed, circulation})
        connect(box, &QSpinBox::valueChanged, this, &TAirfoilDialog::changed);
    connect(kutta, &QCheckBox::toggled, this, [this](bool on) {
        circulation->setEnabled(!on);
        emit changed();
    });
    connect(angle, &QSlider::sliderPressed, this, &TAirfoilDialog::angleDragStarted);
    connect(angle, &QSlider::sliderReleased, this, &TAirfoilDialog::angleDragFinished);
    connect(angle, &QSlider::valueChanged, this, [this] {
        showAngle();
        if (angle->isSliderDown())
            emit angleDragged();
        else
            emit changed();
    });
}

af::Airfoil TAirfoilDialog::airfoil() const {
    af::Airfoil airfoil;
    af::setParameterValue(airfoil, af::Parameter::Chord, chord->value());
    af::setParameterValue(airfoil, af::Parameter::Thickness, thickness->value());
    af::setParameterValue(airfoil, af::Parameter::Camber, camber->value());
    af::setParameterValue(airfoil, af::Parameter::Alpha, angle->value() / 2.0);
    af::setParameterValue(airfoil, af::Parameter::Speed, speed->value());
    af::setParameterValue(airfoil, af::Parameter::Circulation, circulation->value());
    airfoil.stream.kutta = kutta->isChecked();
    return airfoil;
}

void TAirfoilDialog::showAirfoil(const af::Airfoil& airfoil) {
    const auto set = [&](QSpinBox* box, af::Parameter parameter) {
        const QSignalBlocker blocker(box);
        box->setValue(static_cast<int>(std::lround(af::parameterValue(airfoil, parameter))));
    };
    set(chord, af::Parameter::Chord);
    set(thickness, af::Parameter::Thickness);
    set(camber, af::Parameter::Camber);
    set(speed, af::Parameter::Speed);
    set(circulation, af::Parameter::Circulation);
    {
        const QSignalBlocker blocker(angle);
        angle->setValue(static_cast<int>(std::lround(airfoil.stream.alphaDegrees * 2)));
    }
    {
        const QSignalBlocker blocker(kutta);
        kutta->setChecked(airfoil.stream.kutta);
    }
    circulation->setEnabled(!airfoil.stream.kutta);
    showAngle();
}

void TAirfoilDialog::showAngle() {
    angleValue->setText(QString::number(angle->value() / 2.0) + "°");
}
