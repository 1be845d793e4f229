// A menu item as the main window makes them all: its object name, caption,
// status-bar hint and shortcuts.
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>

inline QAction* makeMenuItem(QObject* parent, const QString& name, const QString& caption,
                             const QString& hint = {}, const QList<QKeySequence>& keys = {}) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(name);
    action->setStatusTip(hint);
    action->setShortcuts(keys);
    return action;
}
