// Streamlines of single point elements: source or sink, plane vortex, dipole
// and vortex-source. Each routine draws its N lines on the canvas and adds
// one gauge step per line.
#pragma once

#include "flow/settings.h"

namespace flow {

// N rays from (X, Y), evenly spread over 6.28 radians, as long as the field
// width; arrowheads every 200 pixels point away from the centre.
void StreamPointSource(const Canvas& canvas, int X, int Y);

// N circles about (X, Y) with radii A, 2A, ...; circles not narrower than the
// field width are skipped, their four arrowheads are drawn all the same.
void StreamVortex(const Canvas& canvas, int X, int Y);

// N pairs of circles through (X, Y), one above and its mirror image below,
// with diameters M, M + A, M + 2A, ...
void StreamDipole(const Canvas& canvas, int X, int Y, int M);

// N logarithmic spirals from the boundary circle of radius boundaryRadius out
// to the field diagonal, for the line values 0, A, 2A, ...
void StreamVortexSource(const Canvas& canvas, int X, int Y, int boundaryRadius);

}  // namespace flow
