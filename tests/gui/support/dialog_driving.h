// Driving the settings dialogs' controls as a user does: arrows of an
// up-down, keys on a track bar, the modal colour chooser.
#pragma once

#include <QColor>
#include <memory>
#include <optional>

#include "dialogs/up_down.h"

class ModalAnswer;

// One mouse click on the up or down arrow.
void clickArrow(TUpDown* upDown, TUpDown::Direction direction);
void clickArrowTimes(TUpDown* upDown, TUpDown::Direction direction, int times);

// Answers the next modal colour chooser: picks the colour and confirms, or
// cancels when there is none. The colour the chooser was preset to is kept.
class ColorAnswer {
  public:
    explicit ColorAnswer(std::optional<QColor> pick);
    ~ColorAnswer();
    bool answered() const;
    QColor presetColor() const { return preset_; }

  private:
    QColor preset_;
    std::unique_ptr<ModalAnswer> answer_;
};
