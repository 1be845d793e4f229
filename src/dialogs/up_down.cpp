#include "dialogs/up_down.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "flow/geometry.h"

TUpDown::TUpDown(int minimum, int maximum, int position, QWidget* parent)
    : QAbstractSpinBox(parent),
      minimum_(minimum),
      maximum_(maximum),
      position_(std::clamp(position, minimum, maximum)) {
    setWrapping(false);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    // Only the arrows show; the value lives in the paired label.
    lineEdit()->hide();
    lineEdit()->setFocusPolicy(Qt::NoFocus);
}

void TUpDown::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
}

void TUpDown::stepBy(int steps) {
    if (steps == 0) return;
    const bool up = steps > 0;
    if (up ? position_ >= maximum_ : position_ <= minimum_) return;
    position_ += up ? 1 : -1;
    update();
    emit Click(up ? Direction::Up : Direction::Down);
}

QAbstractSpinBox::StepEnabled TUpDown::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (position_ < maximum_) enabled |= StepUpEnabled;
    if (position_ > minimum_) enabled |= StepDownEnabled;
    return enabled;
}

TUpDown* makeUpDown(QWidget* parent, const QString& name, int minimum, int maximum, int position,
                    QPoint at) {
    auto* upDown = new TUpDown(minimum, maximum, position, parent);
    upDown->setObjectName(name);
    upDown->setGeometry(at.x(), at.y(), 17, 25);
    return upDown;
}

void stepValueLabel(QLabel* label, TUpDown::Direction direction) {
    // 64-bit sum: the caption is any 32-bit integer the conversion accepts.
    const long long value = flow::strToInt(label->text().toStdString());
    label->setText(QString::number(direction == TUpDown::Direction::Up ? value + 1 : value - 1));
}
