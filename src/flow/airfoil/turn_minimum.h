// The minimum of a smooth function of an angle over one turn.
#pragma once

#include <cmath>
#include <numbers>

namespace flow::airfoil {

// The angle minimising f over one turn: the best of `samples` evenly
// spaced angles, refined by golden-section search between its neighbours.
template <class F>
double minimumOverTurn(F f, int samples = 720) {
    const double step = 2 * std::numbers::pi / samples;
    int best = 0;
    double lowest = f(0.0);
    for (int k = 1; k < samples; ++k) {
        const double value = f(step * k);
        if (value < lowest) {
            lowest = value;
            best = k;
        }
    }
    double lo = step * (best - 1), hi = step * (best + 1);
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    while (hi - lo > 1e-12) {
        const double m1 = hi - ratio * (hi - lo), m2 = lo + ratio * (hi - lo);
        if (f(m1) < f(m2))
            hi = m2;
        else
            lo = m1;
    }
    return (lo + hi) / 2;
}

}  // namespace flow::airfoil
