// Moving a superposition element with the mouse: pressed on its mark, the
// element follows the pointer, the picture drawn again for each place; the
// release keeps the move as one step of the history, Esc puts it back. The
// mark is highlighted over the picture (never in it) while it moves.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <optional>

#include "flow/superposition/elements.h"

class QWidget;
class TMDIChild;

// The element whose mark is at the point, the one drawn last first; none
// when no mark is within reach.
std::optional<int> superpositionElementAt(TMDIChild& document, QPoint at);

class ElementDrag : public QObject {
    Q_OBJECT
  public:
    ElementDrag(TMDIChild& document, int index, QPoint grabbed);
    ~ElementDrag() override;

    TMDIChild* document() const { return document_; }
    int index() const { return index_; }
    void moveTo(QPoint at);
    // The move kept as a step (when something moved), or put back; one of
    // them ends every drag.
    void finish();
    void cancel();

  private:
    void showHighlight();

    QPointer<TMDIChild> document_;
    int index_;
    QPoint grabbed_;
    flow::superposition::Element start_;
    QPointer<QWidget> highlight_;
};
