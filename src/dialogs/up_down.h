// An up-down control: two arrows and a position within a range, no text of
// its own (a value label beside it shows the setting). It never wraps and
// stops at its limits. Click is emitted only when the user moved the
// position; setting the position from code emits nothing.
#pragma once

#include <QAbstractSpinBox>

class QLabel;

class TUpDown : public QAbstractSpinBox {
    Q_OBJECT
  public:
    enum class Direction { Up, Down };

    TUpDown(int minimum, int maximum, int position, QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int position() const { return position_; }
    // Clamped to the range; emits nothing.
    void setPosition(int position);

    // One step per user action, whatever its size, so that a paired value
    // label moved by one per Click stays equal to the position.
    void stepBy(int steps) override;

  signals:
    void Click(TUpDown::Direction direction);

  protected:
    StepEnabled stepEnabled() const override;

  private:
    int minimum_;
    int maximum_;
    int position_;
};

// An up-down of the dialogs' size at the given point.
TUpDown* makeUpDown(QWidget* parent, const QString& name, int minimum, int maximum, int position,
                    QPoint at);

// The paired value label's number plus or minus one, written back as decimal
// text: the effect of every UpDownNClick.
void stepValueLabel(QLabel* label, TUpDown::Direction direction);
