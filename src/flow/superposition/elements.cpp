#include "flow/superposition/elements.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace flow::superposition {

Element source(double x, double y, double Q) {
    return {ElementKind::Source, x, y, Q, 0, 0};
}
Element sink(double x, double y, double Q) {
    return {ElementKind::Sink, x, y, Q, 0, 0};
}
Element vortex(double x, double y, double circulation) {
    return {ElementKind::Vortex, x, y, 0, circulation, 0};
}
Element dipole(double x, double y, double moment, double angle) {
    return {ElementKind::Dipole, x, y, moment, 0, angle};
}
Element vortexSource(double x, double y, double Q, double circulation) {
    return {ElementKind::VortexSource, x, y, Q, circulation, 0};
}
Element stream(double speed, double angle) {
    return {ElementKind::Stream, 0, 0, speed, 0, angle};
}

namespace {

// A screen angle in degrees as a unit vector of the flow plane raised to -1:
// e^{-i alpha}. (The screen direction alpha is -e^{-i alpha} in the flow plane.)
Complex screenTurn(double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return {std::cos(a), -std::sin(a)};
}

constexpr double kFullTurn = 2 * std::numbers::pi;

bool finite(Complex c) {
    return std::isfinite(c.real()) && std::isfinite(c.imag());
}

// Principal logarithm; its cut follows the argument's (-pi below the axis).
Complex logarithm(Complex d) {
    return {0.5 * std::log(squaredLength(d)), std::atan2(d.imag(), d.real())};
}

constexpr double kSeriesReach = 0.05;
// Simpson's rule is exact to within |u|^5 / 120 for a log term seen from the
// step's middle at u = step / distance: beyond this |u| the term's exact
// change is taken instead.
constexpr double kSimpsonReach = 0.04;
// Below this |u| the series of atanh below is exact to the last bit.
constexpr double kAtanhReach = 0.3;

// log(1 + u) on the principal branch. Seen from an element far away a step
// is short (|u| small), and then nine terms of the series are exact to
// within |u|^10 / 10, far cheaper than a logarithm and an arctangent. A little
// nearer, log(1 + u) = 2 atanh(s) with s = u / (2 + u), |s| < 0.18, whose
// odd powers fall off by 0.03 or more each.
Complex logOfRatio(Complex u) {
    const double uu = squaredLength(u);
    if (uu >= kAtanhReach * kAtanhReach) return logarithm(Complex(1, 0) + u);
    if (uu >= kSeriesReach * kSeriesReach) {
        const Complex s = times(u, reciprocal(Complex(2, 0) + u));
        const Complex ss = times(s, s);
        Complex sum(1.0 / 21, 0);
        for (int k = 19; k >= 1; k -= 2) sum = Complex(1.0 / k, 0) + times(ss, sum);
        return 2.0 * times(s, sum);
    }
    // u - u^2 / 2 + u^3 / 3 - ... to u^9.
    Complex sum(1.0 / 9, 0);
    for (int k = 8; k >= 1; --k) sum = Complex((k % 2 ? 1.0 : -1.0) / k, 0) + times(u, sum);
    return times(u, sum);
}

// A log term's exact change over a step less Simpson's sum for it, in
// v = half the step over the distance from the term to the step's middle:
// 2 atanh(v) - (2 v / 3) (2 + 1 / (1 - v^2)) = 2 sum_{k >= 2} (1 / (2k + 1) -
// 1 / 3) v^(2k + 1). Below this |v| seven terms leave under 1e-8 of it.
constexpr double kOddSeriesReach = 0.15;

Complex simpsonShortfall(Complex v) {
    const Complex vv = times(v, v);
    Complex sum;
    for (int k = 8; k >= 2; --k) sum = Complex(1.0 / (2 * k + 1) - 1.0 / 3, 0) + times(vv, sum);
    return 2.0 * times(times(v, times(vv, vv)), sum);
}

// w plus the terms' dW/dz at z.
Complex withTerms(Complex w, const std::vector<FieldTerm>& logs,
                  const std::vector<FieldTerm>& poles, Complex z) {
    for (const FieldTerm& t : logs) {
        // log_k / (z - z0) = log_k conj(z - z0) / |z - z0|^2.
        const double dx = z.real() - t.x;
        const double dy = z.imag() - t.y;
        const double k = 1 / (dx * dx + dy * dy);
        w += Complex{(t.re * dx + t.im * dy) * k, (t.im * dx - t.re * dy) * k};
    }
    for (const FieldTerm& t : poles) {
        const Complex inv = reciprocal(z - Complex{t.x, t.y});
        w -= times({t.re, t.im}, times(inv, inv));
    }
    return w;
}

}  // namespace

Field::Field(const std::vector<Element>& elements) {
    for (const Element& e : elements) {
        if (e.kind == ElementKind::Stream) {
            // Uniform flow along the screen angle: W = -U e^{i alpha} z.
            const Complex s = -e.strength * std::conj(screenTurn(e.angle));
            if (finite(s)) stream_ += s;
            continue;
        }
        Singularity s{toFlow(e.x, e.y), {}, {}};
        switch (e.kind) {
            case ElementKind::Source:
                s.log = e.strength / kFullTurn;
                break;
            case ElementKind::Sink:
                s.log = -e.strength / kFullTurn;
                break;
            case ElementKind::Vortex:
                s.log = Complex(0, e.circulation / kFullTurn);
                break;
            case ElementKind::VortexSource:
                s.log = Complex(e.strength, e.circulation) / kFullTurn;
                break;
            case ElementKind::Dipole:
                s.pole = e.strength * screenTurn(e.angle) / kFullTurn;
                break;
            case ElementKind::Stream:
                break;
        }
        if (!finite(s.z) || !finite(s.log) || !finite(s.pole)) continue;
        // Elements at one point act as one; those that cancel act as none.
        bool merged = false;
        for (Singularity& t : singularities_) {
            if (t.z == s.z) {
                t.log += s.log;
                t.pole += s.pole;
                merged = true;
            }
        }
        if (!merged) singularities_.push_back(s);
    }
    std::erase_if(singularities_,
                  [](const Singularity& s) { return s.log == Complex{} && s.pole == Complex{}; });
    for (const Singularity& s : singularities_) {
        const double x = s.z.real(), y = s.z.imag();
        if (s.log != Complex{}) logTerms_.push_back({x, y, s.log.real(), s.log.imag()});
        if (s.pole != Complex{}) poleTerms_.push_back({x, y, s.pole.real(), s.pole.imag()});
    }
    std::vector<Complex> points;
    for (const Singularity& s : singularities_) points.push_back(s.z);
    far_ = FarField::of(logTerms_, poleTerms_, points);
}

Complex Field::potential(Complex z) const {
    Complex w = times(stream_, z);
    for (const Singularity& s : singularities_) {
        const Complex d = z - s.z;
        w += times(s.log, logarithm(d)) + times(s.pole, reciprocal(d));
    }
    return w;
}

namespace {

// w plus the terms' change of W from a to b = a + h.
Complex withChanges(Complex w, const std::vector<FieldTerm>& logs,
                    const std::vector<FieldTerm>& poles, Complex a, Complex h, Complex b) {
    for (const FieldTerm& t : logs) {
        // log((b - z0) / (a - z0)) = log(1 + u) with u = h / (a - z0).
        const double dx = a.real() - t.x;
        const double dy = a.imag() - t.y;
        const double k = 1 / (dx * dx + dy * dy);
        const Complex u{(h.real() * dx + h.imag() * dy) * k, (h.imag() * dx - h.real() * dy) * k};
        w += times({t.re, t.im}, logOfRatio(u));
    }
    for (const FieldTerm& t : poles) {
        // 1 / (b - z0) - 1 / (a - z0) = -h / ((a - z0) (b - z0)).
        const Complex z0{t.x, t.y};
        w -= times({t.re, t.im}, times(h, reciprocal(times(a - z0, b - z0))));
    }
    return w;
}

}  // namespace

Complex Field::change(Complex a, Complex b) const {
    const Complex h = b - a;
    if (far_)
        if (const FarField::Cell* cell = far_->cellAt(a + 0.5 * h); cell && cell->reaches(a, b))
            return withChanges(times(stream_, h) + farChange(*cell, a, b), cell->nearLogs,
                               cell->nearPoles, a, h, b);
    return withChanges(times(stream_, h), logTerms_, poleTerms_, a, h, b);
}

namespace {

// Simpson's sum over the step from a to b = a + h (with dW/dz wa, wm, wb at
// a, its middle m and b) plus, for the terms near the step, their exact
// change less their share of the sum.
Complex simpsonWithNearTerms(const std::vector<FieldTerm>& logs,
                             const std::vector<FieldTerm>& poles, Complex a, Complex wa, Complex m,
                             Complex wm, Complex b, Complex wb) {
    const Complex h = b - a;
    const double reach = squaredLength(h) / (kSimpsonReach * kSimpsonReach);
    Complex near;
    for (const FieldTerm& t : logs) {
        const double dx = m.real() - t.x;
        const double dy = m.imag() - t.y;
        if (dx * dx + dy * dy < reach) {
            const Complex z0{t.x, t.y};
            const Complex im = reciprocal(m - z0);
            const Complex v = 0.5 * times(h, im);
            if (squaredLength(v) < kOddSeriesReach * kOddSeriesReach) {
                near += times({t.re, t.im}, simpsonShortfall(v));
                continue;
            }
            const Complex ia = reciprocal(a - z0);
            const Complex simpson = ia + 4.0 * im + reciprocal(b - z0);
            near += times({t.re, t.im}, logOfRatio(times(h, ia)) - times(h, simpson) * (1.0 / 6));
        }
    }
    for (const FieldTerm& t : poles) {
        const Complex z0{t.x, t.y};
        if (squaredLength(m - z0) < reach) {
            const Complex ia = reciprocal(a - z0);
            const Complex im = reciprocal(m - z0);
            const Complex ib = reciprocal(b - z0);
            const Complex simpson = times(ia, ia) + 4.0 * times(im, im) + times(ib, ib);
            near -= times({t.re, t.im}, times(h, times(ia, ib)) - times(h, simpson) * (1.0 / 6));
        }
    }
    return times(h, wa + 4.0 * wm + wb) * (1.0 / 6) + near;
}

}  // namespace

Complex Field::change(Complex a, Complex wa, Complex b, Complex wb) const {
    const Complex h = b - a;
    const Complex m = a + 0.5 * h;
    if (far_)
        if (const FarField::Cell* cell = far_->cellAt(m); cell && cell->reaches(a, b)) {
            // The far terms' change exactly from their series; Simpson's sum
            // and its corrections for the terms near the cell alone.
            const Complex farA = stream_ + farDerivative(*cell, a);
            const Complex farB = stream_ + farDerivative(*cell, b);
            const Complex nearM = withTerms({}, cell->nearLogs, cell->nearPoles, m);
            return times(stream_, h) + farChange(*cell, a, b) +
                   simpsonWithNearTerms(cell->nearLogs, cell->nearPoles, a, wa - farA, m, nearM, b,
                                        wb - farB);
        }
    return simpsonWithNearTerms(logTerms_, poleTerms_, a, wa, m, derivative(m), b, wb);
}

namespace {

// +1 when the segment from a to b (relative to an element) crosses the cut
// (the negative real axis) downwards, -1 upwards, 0 otherwise. The sides
// follow the principal argument, which gives -pi below the axis (-0 too).
int cutCrossing(Complex a, Complex b) {
    const bool aboveA = !std::signbit(a.imag());
    const bool aboveB = !std::signbit(b.imag());
    if (aboveA == aboveB) return 0;
    const double rise = a.imag() - b.imag();
    const double x = rise != 0 ? a.real() + (b.real() - a.real()) * (a.imag() / rise)
                               : std::min(a.real(), b.real());
    if (!(x < 0)) return 0;
    return aboveA ? 1 : -1;
}

}  // namespace

Complex Field::changeBetween(Complex a, Complex Wa, Complex b, Complex Wb) const {
    Complex w = Wb - Wa;
    for (const Singularity& s : singularities_) {
        if (s.log == Complex{}) continue;
        const int crossing = cutCrossing(a - s.z, b - s.z);
        if (crossing != 0) w += s.log * Complex(0, kFullTurn * crossing);
    }
    return w;
}

Complex Field::derivative(Complex z) const {
    if (far_)
        if (const FarField::Cell* cell = far_->cellAt(z))
            return withTerms(stream_ + farDerivative(*cell, z), cell->nearLogs, cell->nearPoles, z);
    return withTerms(stream_, logTerms_, poleTerms_, z);
}

namespace {

// w plus the terms' second derivative of W at z.
Complex withSecondTerms(Complex w, const std::vector<FieldTerm>& logs,
                        const std::vector<FieldTerm>& poles, Complex z) {
    for (const FieldTerm& t : logs) {
        const Complex inv = reciprocal(z - Complex{t.x, t.y});
        w -= times({t.re, t.im}, times(inv, inv));
    }
    for (const FieldTerm& t : poles) {
        const Complex inv = reciprocal(z - Complex{t.x, t.y});
        w += times(2.0 * Complex{t.re, t.im}, times(inv, times(inv, inv)));
    }
    return w;
}

}  // namespace

Complex Field::secondDerivative(Complex z) const {
    if (far_)
        if (const FarField::Cell* cell = far_->cellAt(z))
            return withSecondTerms(farSecondDerivative(*cell, z), cell->nearLogs, cell->nearPoles,
                                   z);
    return withSecondTerms({}, logTerms_, poleTerms_, z);
}

Field::Nearest Field::nearest(Complex z) const {
    Nearest found;
    if (far_)
        if (const FarField::Cell* cell = far_->cellAt(z)) {
            for (const std::size_t i : cell->nearPoints) {
                const double d = squaredLength(z - singularities_[i].z);
                if (d < found.squared) found = {&singularities_[i], d};
            }
            // Every singularity left out lies at least this far from z.
            const double sure = FarField::kNearRadius - lengthOf(z - cell->centre);
            if (found.squared < sure * sure) return found;
            found = {};
        }
    for (const Singularity& s : singularities_) {
        const double d = squaredLength(z - s.z);
        if (d < found.squared) found = {&s, d};
    }
    return found;
}

ScreenVelocity velocityAt(const Field& field, double x, double y) {
    // u - i v in the flow plane; the screen axes are the flow's turned half a turn.
    const Complex w = field.derivative(toFlow(x, y));
    return {-w.real(), w.imag()};
}

}  // namespace flow::superposition
