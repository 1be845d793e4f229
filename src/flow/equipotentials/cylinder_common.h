// Geometry shared by the cylinder equipotential tracers: the radial solution
// of rho + R^2/rho = 2h, the pixel offsets of a point on a ray and the foot of
// a ray on the cylinder's circle.
#pragma once

#include <cstdint>

namespace flow::cylinder {

// Pixel offsets of a point from the cylinder's centre.
struct Offsets {
    std::int64_t a = 0;
    std::int64_t b = 0;
};

// rho = h + sqrt(h^2 - R^2), the outer root; callers compare h^2 with R^2
// first (below it the result is NaN, which Round maps to 0).
double radialSolution(double h, int R);

// a = Round(cos(angle) * rho), b = Round(sin(angle) * rho).
Offsets rayOffsets(double rho, double angle);

// The point of the circle of radius R on the ray through (a, b), as the
// non-negative offsets (xc, yc) in `a` and `b`: t = b / a,
// xc = Round(R / sqrt(t^2 + 1)), yc = Round(sqrt(R*R - xc*xc)).
Offsets circleFoot(Offsets point, int R);

}  // namespace flow::cylinder
