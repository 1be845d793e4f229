#include "dialog_driving.h"

#include <QColorDialog>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

#include "gui_test_support.h"

void clickArrow(TUpDown* upDown, TUpDown::Direction direction) {
    QStyleOptionSpinBox option;
    option.initFrom(upDown);
    option.rect = upDown->rect();
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
    option.buttonSymbols = QAbstractSpinBox::UpDownArrows;
    option.frame = upDown->hasFrame();
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QStyle::SubControl arrow =
        direction == TUpDown::Direction::Up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown;
    const QRect rect = upDown->style()->subControlRect(QStyle::CC_SpinBox, &option, arrow, upDown);
    QTest::mouseClick(upDown, Qt::LeftButton, Qt::NoModifier, rect.center());
}

void clickArrowTimes(TUpDown* upDown, TUpDown::Direction direction, int times) {
    for (int i = 0; i < times; ++i) clickArrow(upDown, direction);
}

ColorAnswer::ColorAnswer(std::optional<QColor> pick)
    : answer_(std::make_unique<ModalAnswer>([this, pick](QWidget* modal) {
          auto* chooser = qobject_cast<QColorDialog*>(modal);
          if (!chooser) {
              modal->close();
              return;
          }
          preset_ = chooser->currentColor();
          if (pick) {
              chooser->setCurrentColor(*pick);
              chooser->accept();
          } else {
              chooser->reject();
          }
      })) {}

ColorAnswer::~ColorAnswer() = default;

bool ColorAnswer::answered() const {
    return answer_->answered();
}
