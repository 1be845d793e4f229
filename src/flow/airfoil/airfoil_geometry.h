// A Joukowski airfoil on the picture: the circle that makes it, scaled so
// that the chord (leading edge to trailing edge, measured along the
// horizontal axis of the mapped outline) has the asked length in pixels,
// and placed so that the outline's bounding box is centred in the field.
// The airfoil lies horizontally, leading edge on the left.
#pragma once

#include <optional>
#include <vector>

#include "flow/airfoil/joukowski_map.h"
#include "flow/superposition/drawing.h"

namespace flow::airfoil {

using superposition::PicturePoint;

struct AirfoilShape {
    double chord = 400;      // pixels
    double thickness = 0.1;  // the circle centre's offset along the axis: 0 .. 0.25 of the radius
    double camber = 0.05;    // its offset across: 0 .. 0.2 of the radius
    bool operator==(const AirfoilShape&) const = default;
};

class AirfoilGeometry {
  public:
    AirfoilGeometry(const AirfoilShape& shape, double width, double height);

    const JoukowskiCircle& circle() const { return circle_; }
    double chord() const { return chord_; }
    double width() const { return width_; }
    double height() const { return height_; }
    // The edges in the airfoil plane.
    Complex leadingEdge() const { return leading_; }
    Complex trailingEdge() const { return {2 * circle_.c, 0}; }

    // Airfoil plane <-> picture.
    PicturePoint toPicture(Complex zeta) const;
    Complex fromPicture(double x, double y) const;
    // Circle plane <-> picture; nothing for a picture point inside the airfoil.
    PicturePoint circleToPicture(Complex z) const { return toPicture(circle_.map(z)); }
    std::optional<Complex> pictureToCircle(double x, double y) const {
        return circle_.inverse(fromPicture(x, y));
    }

    // The outline as a closed polygon of picture points (the last point is
    // the first): from the trailing edge along the upper surface to the
    // leading edge and back along the lower one, dense enough that its
    // chords stay within a small fraction of a pixel of the curve.
    std::vector<PicturePoint> outline() const;
    // The circle angle of the leading edge's preimage; angles from the
    // trailing edge's up to it make the upper surface.
    double leadingAngle() const { return leadingAngle_; }

  private:
    JoukowskiCircle circle_;
    double chord_;
    double width_, height_;
    double leadingAngle_ = 0;
    Complex leading_;
    Complex middle_;  // the outline's bounding-box centre in the airfoil plane
};

}  // namespace flow::airfoil
