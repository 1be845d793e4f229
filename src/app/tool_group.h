// Sticky toggle buttons of one tool bar: pressing one releases the others,
// pressing a pressed one releases it, so all may be up. Unlike an exclusive
// QButtonGroup it lets the pressed button go up again.
#pragma once

#include <QList>
#include <QObject>

class QToolButton;

class ToolGroup : public QObject {
    Q_OBJECT
  public:
    explicit ToolGroup(QObject* parent = nullptr) : QObject(parent) {}
    void add(QToolButton* button);

  private:
    void releaseOthers(QToolButton* pressed);
    QList<QToolButton*> buttons_;
};
