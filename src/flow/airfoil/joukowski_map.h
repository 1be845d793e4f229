// The Joukowski map zeta = z + c^2 / z and the circle it turns into an
// airfoil. Both planes are plain mathematical planes in pixels: x to the
// right, y upwards, the map's origin at 0.
#pragma once

#include <complex>
#include <optional>

namespace flow::airfoil {

using Complex = std::complex<double>;

// The circle of the circle plane: centre z0, radius a, through the point c of
// the real axis where the map folds (the trailing edge's preimage).
struct JoukowskiCircle {
    Complex centre;
    double radius = 0;
    double c = 0;  // the map constant

    // The circle for thickness (the centre's offset towards the leading edge)
    // and camber (its offset upwards), both as fractions of the radius.
    static JoukowskiCircle of(double radius, double thickness, double camber);

    // The angle beta from the real axis at which the circle's centre sees
    // the trailing edge's preimage, measured clockwise: c - z0 = a e^{-i beta}.
    double beta() const;
    // The point of the circle at the angle theta about its centre.
    Complex at(double theta) const { return centre + std::polar(radius, theta); }
    // The angle of the trailing edge's preimage c about the centre (-beta).
    double trailingAngle() const { return -beta(); }

    Complex map(Complex z) const { return z + c * c / z; }
    Complex mapDerivative(Complex z) const { return 1.0 - c * c / (z * z); }
    // Of the two preimages of zeta, the one farther from the circle's
    // centre: outside the circle for a point outside the airfoil, and the
    // nearer to the circle for a point inside it.
    Complex outerPreimage(Complex zeta) const;
    // The preimage of zeta on or outside the circle, where the map is one to
    // one onto the plane outside the airfoil; nothing for a point inside it.
    std::optional<Complex> inverse(Complex zeta) const;
    // Whether z lies on the circle or outside it, to within rounding.
    bool outside(Complex z) const;
};

}  // namespace flow::airfoil
