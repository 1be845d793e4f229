// The document's record of placed elements: hidden labels whose text is
// either the slot's sentinel (empty) or a value (filled; "" counts as filled).
#pragma once

class QLabel;
class QString;
class QWidget;

QLabel* makeSlot(QWidget* parent, const char* name, const char* sentinel);
bool slotEmpty(const QLabel* slot);
inline bool slotFilled(const QLabel* slot) {
    return !slotEmpty(slot);
}
void writeSlot(QLabel* slot, const QString& text);
void writeSlot(QLabel* slot, long long number);
// Back to the sentinel.
void clearSlot(QLabel* slot);
