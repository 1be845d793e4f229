// Where a line of equal potential of a point element in an oncoming stream
// meets the circle of radius r about the element.
#pragma once

#include <cstdint>
#include <optional>

#include "flow/surface.h"

namespace flow {

// The two points of one radius, mirror images in the horizontal line through
// the element.
struct RadiusMeeting {
    Point upper;
    Point lower;
};

class StreamLineGeometry {
  public:
    // `direction` is +1 when the flow's x axis points right (source), -1 when
    // it points left (sink).
    StreamLineGeometry(int X, int Y, int strength, int speed, int direction);

    // Cosine of the angle at which the radius meets the line of value c.
    double cosine(double c, std::int64_t r) const;

    // The offset along the flow's x axis of the line of value c at radius r,
    // before rounding (cosine times r). It moves one way only as r grows:
    // down for a positive strength, up for a negative one. A radius meets
    // the line only where the offset's size is at most r.
    double offset(double c, std::int64_t r) const;

    // The points of the radius, or nothing when it misses the line (|cos| > 1).
    std::optional<RadiusMeeting> meet(double c, std::int64_t r) const;

    // True when no radius 1..W meets the line of value c, nor any line of a
    // larger value. Needs a positive speed.
    bool missesField(double c, std::int64_t W) const;

    std::int64_t axisY() const { return Y_; }
    std::int64_t axisX() const { return X_; }
    int direction() const { return direction_; }
    // The offset falls as r grows (a strength of zero or more).
    bool offsetFalls() const { return strength_ >= 0; }
    double speed() const { return speed_; }
    // c at which radius r meets the line straight along the x axis.
    double valueOnAxis(std::int64_t r) const;

  private:
    std::int64_t X_, Y_;
    double strength_, speed_;
    int direction_;
};

}  // namespace flow
