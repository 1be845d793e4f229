// A contour being drawn with the mouse: a press and a drag from the centre
// make a circle, clicks make a polygon's corners and a double-click closes
// it. The events that finish a contour give its shape.
#pragma once

#include <QPainterPath>
#include <QPoint>
#include <optional>
#include <vector>

#include "document/construction.h"

class ContourDraft {
  public:
    bool active() const { return pressed_ || !corners_.empty(); }
    void press(QPoint at);
    void move(QPoint at);
    std::optional<ContourShape> release(QPoint at);
    // The polygon of the corners clicked, the double-click's own press
    // counted once.
    std::optional<ContourShape> close();
    void clear();
    // What is drawn so far, to show over the picture.
    QPainterPath outline() const;

  private:
    std::optional<QPoint> pressed_;  // held down since this press
    bool circle_ = false;            // dragged far enough for a circle
    QPoint pointer_;
    std::vector<QPoint> corners_;
    double radius() const;
};
