// Moving an element with the mouse: pressed on its mark, the element follows
// the pointer, the picture drawn again for each place; the release keeps the
// move as one step of the history, Esc puts it back. The mark is highlighted
// over the picture (never in it) while it moves. In a superposition any
// element moves; in an ordinary document the placed element takes everything
// drawn for it along, its partner moves along the first element's line, and
// a cylinder's outline pulled changes its radius.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <optional>

#include "flow/superposition/elements.h"

class QWidget;
class TMDIChild;

// What a press takes up.
struct DragTarget {
    enum class Part { Superposition, Element, Partner, Outline };
    Part part = Part::Superposition;
    int index = 0;  // a superposition element's
};

// The radii a cylinder's outline may be pulled to.
struct RadiusRange {
    int minimum = 0;
    int maximum = 0;
};

// The element whose mark is at the point, the one drawn last first; none
// when no mark is within reach.
std::optional<int> superpositionElementAt(TMDIChild& document, QPoint at);
// A mark, the partner's first, or a cylinder's outline near the point.
std::optional<DragTarget> dragTargetAt(TMDIChild& document, QPoint at);

class ElementDrag : public QObject {
    Q_OBJECT
  public:
    ElementDrag(TMDIChild& document, DragTarget target, QPoint grabbed, RadiusRange radii);
    ~ElementDrag() override;

    TMDIChild* document() const { return document_; }
    const DragTarget& target() const { return target_; }
    void moveTo(QPoint at);
    // The move kept as a step (when something moved), or put back; one of
    // them ends every drag.
    void finish();
    void cancel();

  private:
    void showHighlight(QPoint at);

    QPointer<TMDIChild> document_;
    DragTarget target_;
    QPoint grabbed_;
    RadiusRange radii_;
    flow::superposition::Element start_;  // a superposition element as it was
    QPoint mark_;  // the mark taken (the cylinder's centre for its outline), where it was
    QPointer<QWidget> highlight_;
};
