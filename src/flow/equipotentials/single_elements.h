// Lines of equal potential of one element at (X, Y): a point source or sink,
// a plane vortex, a vortex-source and a dipole. Each tracer sets the
// equipotential pen first, then reads its settings, then draws.
#pragma once

#include "flow/settings.h"

namespace flow {

// Circles of radii A, 2A, ... N*A about (X, Y), unfilled; A is read again
// after every circle.
void EquipotentialPointSource(const Canvas& canvas, int X, int Y);

// N rays of length W from (X, Y), 6.28/N apart, the angle accumulated.
void EquipotentialVortex(const Canvas& canvas, int X, int Y);

// N logarithmic spirals r = exp(6.28*c/Q - theta*G/Q), c = 0, A, 2A, ...,
// each followed degree by degree from theta = 0 until it passes inside the
// boundary circle of radius `boundaryRadius` (the number kept in the
// document's Vihrestok slot); only the stretches between that circle and the
// distance of (X, Y) from the picture's corner are drawn.
void EquipotentialVortexSource(const Canvas& canvas, int X, int Y, int boundaryRadius);

// N pairs of circles through (X, Y), left and right of it, of diameters
// M, M + A, ... (A read again after every pair).
void EquipotentialDipole(const Canvas& canvas, int X, int Y, int M);

}  // namespace flow
