#include "app/tool_group.h"

#include <QToolButton>

void ToolGroup::add(QToolButton* button) {
    button->setCheckable(true);
    buttons_.append(button);
    // toggled fires for user clicks and for presses from code alike, and
    // before the button's clicked handler runs.
    connect(button, &QToolButton::toggled, this, [this, button](bool down) {
        if (down) releaseOthers(button);
    });
}

void ToolGroup::releaseOthers(QToolButton* pressed) {
    for (QToolButton* other : buttons_)
        if (other != pressed) other->setChecked(false);
}
