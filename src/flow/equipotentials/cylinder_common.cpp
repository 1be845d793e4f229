#include "flow/equipotentials/cylinder_common.h"

#include <cmath>

#include "flow/geometry.h"

namespace flow::cylinder {

double radialSolution(double h, int R) {
    const double r = R;
    return h + std::sqrt(h * h - r * r);
}

Offsets rayOffsets(double rho, double angle) {
    return {Round(std::cos(angle) * rho), Round(std::sin(angle) * rho)};
}

Offsets circleFoot(Offsets point, int R) {
    // On the vertical axis the slope is infinite and the foot is (0, R).
    std::int64_t xc = 0;
    if (point.a != 0) {
        const double t = static_cast<double>(point.b) / static_cast<double>(point.a);
        xc = Round(R / std::sqrt(t * t + 1));
    }
    // |xc| <= |R|, so the difference is never negative and fits in 64 bits.
    const std::int64_t r = R;
    return {xc, Round(std::sqrt(static_cast<double>(r * r - xc * xc)))};
}

}  // namespace flow::cylinder
