#include "flow/velocity/velocity_numbers.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace flow {

namespace {

using Complex = std::complex<double>;

constexpr double kExactTwoPi = 2 * std::numbers::pi;

// The complex velocity dW/dz = u - i v at z, summed term by term; z is
// measured from the element's centre with y upwards.
class ComplexVelocity {
  public:
    explicit ComplexVelocity(Complex z) : z_(z) {}

    void stream(double U) { w_ += U; }
    void source(Complex at, double Q) { w_ += Q / kExactTwoPi / (z_ - at); }
    // A positive circulation turns counter-clockwise.
    void vortex(double gamma) { w_ += Complex(0, -gamma / kExactTwoPi) / z_; }
    // m / z^2: a dipole's or, with m = -U R^2, a cylinder's.
    void pole(double m) { w_ += m / (z_ * z_); }

    Complex value() const { return w_; }

  private:
    Complex z_;
    Complex w_;
};

Complex about(Point centre, Point p) {
    return {static_cast<double>(p.x - centre.x), static_cast<double>(centre.y - p.y)};
}

void addConfiguration(ComplexVelocity& w, const VelocityInput& in, bool stream) {
    const double R2 = static_cast<double>(in.R) * in.R;
    switch (in.config) {
        case VelocityConfig::CylinderCirculation:
            w.stream(1);
            w.pole(-R2);
            w.vortex(in.gamma);
            break;
        case VelocityConfig::Cylinder:
            w.stream(in.U);
            w.pole(-in.U * R2);
            break;
        case VelocityConfig::SourceInStream:
            if (stream) w.stream(in.U);
            w.source(0, in.Q);
            break;
        case VelocityConfig::VortexSource:
            w.source(0, in.Q);
            w.vortex(-in.gamma);
            break;
        case VelocityConfig::Dipole:
            w.pole(in.M);
            break;
        case VelocityConfig::Vortex:
            w.vortex(in.gamma);
            break;
        case VelocityConfig::PointSource:
            w.source(0, in.Q);
            break;
    }
}

}  // namespace

std::optional<VelocityNumbers> VelocityNumbersAt(const VelocityInput& in, const LeftOut& leftOut) {
    if (in.p.x == in.centre.x || in.p.y == in.centre.y) return std::nullopt;
    ComplexVelocity w(about(in.centre, in.p));
    addConfiguration(w, in, !leftOut.noStream);
    if (leftOut.element) w.source(about(in.centre, leftOut.element->at), leftOut.element->Q);
    const double vx = w.value().real(), vy = -w.value().imag();
    return VelocityNumbers{std::hypot(vx, vy), vx, vy, std::atan2(vy, vx) * 180 / std::numbers::pi};
}

}  // namespace flow
