// The elements of a free superposition and the complex potential of their
// sum. Positions are picture pixels (x right, y down). The flow's own plane
// has its x axis pointing left on the screen and its y axis up, as in the
// closed-form routines, so that stream function and potential agree with
// theirs: z = -(x + i y) for the pixel (x, y).
#pragma once

#include <cmath>
#include <complex>
#include <limits>
#include <memory>
#include <vector>

#include "flow/superposition/far_field.h"

namespace flow::superposition {

using Complex = std::complex<double>;

enum class ElementKind { Source, Sink, Vortex, Dipole, VortexSource, Stream };

// Angles are degrees measured counterclockwise on the screen from the
// rightward direction. A positive circulation turns counterclockwise on the
// screen.
struct Element {
    ElementKind kind = ElementKind::Source;
    double x = 0;  // pixel position; not used by the stream
    double y = 0;
    double strength = 0;     // Q (sink: its magnitude), dipole moment M, stream speed U
    double circulation = 0;  // vortex and vortex-source
    double angle = 0;  // dipole axis (from its sink side to its source side), stream direction
    friend bool operator==(const Element&, const Element&) = default;
};

Element source(double x, double y, double Q);
Element sink(double x, double y, double Q);
Element vortex(double x, double y, double circulation);
Element dipole(double x, double y, double moment, double angle);
Element vortexSource(double x, double y, double Q, double circulation);
Element stream(double speed, double angle);

// Plain complex arithmetic for the hot loops. The library's operators guard
// every product and quotient against infinities and NaNs (and its norm and
// abs go through hypot), which costs more than the rest of an evaluation;
// the values here are finite or the point is a singularity anyway.
inline Complex times(Complex a, Complex b) {
    return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}
inline double squaredLength(Complex c) {
    return c.real() * c.real() + c.imag() * c.imag();
}
inline double lengthOf(Complex c) {
    return std::sqrt(squaredLength(c));
}
inline Complex reciprocal(Complex d) {
    const double k = 1 / squaredLength(d);  // one division instead of two
    return {d.real() * k, -d.imag() * k};
}
// i c: c turned a quarter turn counterclockwise.
inline Complex quarterTurn(Complex c) {
    return {-c.imag(), c.real()};
}

// A point of the flow plane for a picture point, and back.
inline Complex toFlow(double x, double y) {
    return {-x, -y};
}

// A point where the potential is singular: a source, sink, vortex or dipole.
struct Singularity {
    Complex z;     // flow plane
    Complex log;   // coefficient of log(z - z0): (Q + i Gamma) / (2 pi)
    Complex pole;  // coefficient of 1 / (z - z0)
};

// The sum W(z) = sum log_k log(z - z_k) + pole_k / (z - z_k) + s z, with
// pi exact: a source of strength Q adds Q to the stream function once round
// it, a vortex of circulation G adds G to the potential, and a dipole of
// moment M has pole M / (2 pi). Elements that add nothing are dropped.
class Field {
  public:
    explicit Field(const std::vector<Element>& elements);

    // True when no element contributes to the flow.
    bool empty() const { return singularities_.empty() && stream_ == Complex{}; }
    const std::vector<Singularity>& singularities() const { return singularities_; }

    // W on the principal branch: every log's cut runs from its element to
    // the right on the screen.
    Complex potential(Complex z) const;
    // The change of W along the straight segment from a to b, continuous
    // across cuts (a segment that misses an element turns less than pi
    // about it).
    Complex change(Complex a, Complex b) const;
    // The same for a short step from dW/dz = wa at a and wb at b, which the
    // caller has at hand: Simpson's rule for the elements far from the step
    // (as exact as the series above) and the exact change for those near it.
    Complex change(Complex a, Complex wa, Complex b, Complex wb) const;
    // The same from the principal values Wa at a and Wb at b: their
    // difference, corrected for the cuts the segment crosses.
    Complex changeBetween(Complex a, Complex Wa, Complex b, Complex Wb) const;
    // dW/dz = u - i v, and its derivative.
    Complex derivative(Complex z) const;
    Complex secondDerivative(Complex z) const;

    // The nearest singularity (the first of equally near ones; nullptr when
    // none) and its squared distance from z.
    struct Nearest {
        const Singularity* singularity = nullptr;
        double squared = std::numeric_limits<double>::infinity();
    };
    Nearest nearest(Complex z) const;
    // Distance from z to the nearest singularity (infinite when none).
    double distanceToSingularity(Complex z) const { return std::sqrt(nearest(z).squared); }
    // The nearest singularity within `radius`, or nullptr.
    const Singularity* singularityWithin(Complex z, double radius) const {
        const Nearest n = nearest(z);
        return n.squared < radius * radius ? n.singularity : nullptr;
    }

  private:
    std::vector<Singularity> singularities_;
    // The log and pole terms kept apart, so that the hot loops run over
    // just the terms they need, without branches.
    std::vector<FieldTerm> logTerms_;
    std::vector<FieldTerm> poleTerms_;
    Complex stream_;
    std::shared_ptr<const FarField> far_;  // null for few terms
};

// Velocity at a picture point in screen terms: x to the right, y down.
struct ScreenVelocity {
    double dx = 0;
    double dy = 0;
};
ScreenVelocity velocityAt(const Field& field, double x, double y);

}  // namespace flow::superposition
