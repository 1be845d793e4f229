// Helpers for the superposition tests: the curves of an element set with the
// field and levels of the tests, and how far a curve strays from its level.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "flow/superposition/drawing.h"
#include "flow/superposition/evenly_spaced.h"
#include "flow/superposition/level_curves.h"
#include "flow/superposition/stagnation.h"

namespace flow::superposition::test {

inline constexpr double kWidth = 800;
inline constexpr double kHeight = 600;

inline Region fieldRegion() {
    return Region::aroundField(kWidth, kHeight, kFieldMargin);
}

inline CurveSet curvesOf(const Field& field, Quantity quantity, Levels levels) {
    const Region region = fieldRegion();
    StepBudget budget = lineBudget();
    return levelCurves(field, quantity, region, levels, stagnationPoints(field, region), budget);
}

// Whether z is an end a curve is snapped to: a singularity or a stagnation point.
inline bool isSpecialEnd(const Field& field, const std::vector<Complex>& stagnation, Complex z) {
    if (field.distanceToSingularity(z) < 1e-9) return true;
    for (const Complex s : stagnation)
        if (std::abs(z - s) < 1e-9) return true;
    return false;
}

// Distance in pixel equivalents from z to the level `value`, z's value taken
// on the nearest branch: any number of turns about one element (a curve may
// spiral into it) and up to three about each of the others.
inline double branchStray(const Field& field, Quantity quantity, Complex z, double value) {
    std::vector<double> periods;
    for (const Singularity& s : field.singularities()) {
        const double period = std::abs(valueOf(quantity, s.log * Complex(0, 2 * std::numbers::pi)));
        if (period > 0) periods.push_back(period);
    }
    const double offset = valueOf(quantity, field.potential(z)) - value;
    double best = std::abs(offset);
    for (std::size_t free = 0; free < periods.size(); ++free) {
        const std::function<void(std::size_t, double)> search = [&](std::size_t k, double left) {
            if (k == periods.size()) {
                const double turns = std::round(left / periods[free]);
                best = std::min(best, std::abs(left - turns * periods[free]));
            } else if (k == free) {
                search(k + 1, left);
            } else {
                for (int n = -3; n <= 3; ++n) search(k + 1, left - n * periods[k]);
            }
        };
        search(0, offset);
    }
    return best / std::abs(field.derivative(z));
}

// The largest distance, in pixel equivalents |F - c| / |grad F|, of the
// curve's points and chord midpoints from its level. The value is carried
// along the curve from its first point, checked there on the nearest branch.
// Chords that end at a singularity or a stagnation point are left out.
inline double worstStray(const Field& field, Quantity quantity,
                         const std::vector<Complex>& stagnation, const Curve& curve) {
    double worst = 0;
    bool carrying = false;
    double carried = 0;
    const auto stray = [&](Complex z, double value) {
        const double slope = std::abs(field.derivative(z));
        return std::abs(value - curve.value) / slope;
    };
    for (std::size_t k = 1; k < curve.points.size(); ++k) {
        const Complex a = curve.points[k - 1], b = curve.points[k];
        if (isSpecialEnd(field, stagnation, a) || isSpecialEnd(field, stagnation, b)) {
            carrying = false;
            continue;
        }
        if (!carrying) {
            carrying = true;
            carried = curve.value;
            worst = std::max(worst, branchStray(field, quantity, a, curve.value));
        }
        const Complex mid = 0.5 * (a + b);
        const double atMid = carried + valueOf(quantity, field.change(a, mid));
        carried += valueOf(quantity, field.change(a, b));
        worst = std::max({worst, stray(mid, atMid), stray(b, carried)});
    }
    return worst;
}

}  // namespace flow::superposition::test
