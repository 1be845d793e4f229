#include "document/slots.h"

#include <QLabel>

namespace {
constexpr const char* kSentinel = "sentinel";
}

QLabel* makeSlot(QWidget* parent, const char* name, const char* sentinel) {
    auto* slot = new QLabel(sentinel, parent);
    slot->setObjectName(name);
    slot->setProperty(kSentinel, QString(sentinel));
    slot->hide();
    return slot;
}

bool slotEmpty(const QLabel* slot) {
    return slot->text() == slot->property(kSentinel).toString();
}

void writeSlot(QLabel* slot, const QString& text) {
    slot->setText(text);
}

void writeSlot(QLabel* slot, long long number) {
    slot->setText(QString::number(number));
}

void clearSlot(QLabel* slot) {
    slot->setText(slot->property(kSentinel).toString());
}
