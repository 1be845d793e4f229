// The flow past a Joukowski airfoil: the flow past the circle with
// circulation in the circle plane, carried to the airfoil plane by the map.
// The stream comes from the left at the angle of attack alpha (the airfoil
// stays horizontal and the stream turns: positive alpha blows up and to the
// right). The circulation G counts clockwise, so that a positive G lifts.
#pragma once

#include <optional>
#include <vector>

#include "flow/airfoil/airfoil_geometry.h"

namespace flow::airfoil {

struct AirfoilStream {
    double alphaDegrees = 5;  // -15 .. +20
    double speed = 1;         // U
    bool kutta = true;
    double circulation = 0;  // G when the Kutta condition is off
    bool operator==(const AirfoilStream&) const = default;
};

// The circulation the Kutta condition gives: 4 pi a U sin(alpha + beta).
double kuttaCirculation(const JoukowskiCircle& circle, double speed, double alpha);

class AirfoilFlow {
  public:
    AirfoilFlow(const AirfoilGeometry& geometry, const AirfoilStream& stream);

    const AirfoilGeometry& geometry() const { return geometry_; }
    double speed() const { return speed_; }
    double alpha() const { return alpha_; }  // radians
    double circulation() const { return circulation_; }
    bool kutta() const { return kutta_; }

    // W(z) = U (e^{-i alpha} w + a^2 e^{i alpha} / w) + i G / (2 pi) log w,
    // w = z - z0, in the circle plane, and dW/dz.
    Complex potential(Complex z) const;
    Complex circleVelocity(Complex z) const;
    // dW/dzeta = u - i v at the image of circle point z: dW/dz over
    // dzeta/dz. At a sharp edge (where dzeta/dz vanishes: the trailing edge,
    // and a thin airfoil's leading edge) the limit where dW/dz vanishes too,
    // as the Kutta circulation makes it at the trailing edge; infinite
    // otherwise.
    Complex velocity(Complex z) const;
    // 1 - |V|^2 / U^2 there.
    double pressureCoefficient(Complex z) const;
    // The velocity u + i v (x to the right, y upwards) at a picture point;
    // nothing inside the airfoil.
    std::optional<Complex> velocityAtPicture(double x, double y) const;

    // The sharp edges' preimages about which the speed is unbounded: the
    // trailing edge's unless the circulation is the Kutta one, and a thin
    // airfoil's leading edge's unless the flow stops there.
    std::vector<Complex> unboundedEdges() const;

    // The stagnation points in the circle plane on or outside the circle,
    // the front one (near the leading edge) first; the airfoil plane's are
    // their images. With the Kutta condition the rear one is the trailing
    // edge's preimage c.
    std::vector<Complex> stagnationPoints() const;

    // C_L = 2 G / (U chord) and the lift per unit span rho U G.
    double liftCoefficient() const;
    double lift(double density) const { return density * speed_ * circulation_; }

  private:
    AirfoilGeometry geometry_;
    double speed_;
    double alpha_;
    double circulation_;
    bool kutta_;
};

}  // namespace flow::airfoil
