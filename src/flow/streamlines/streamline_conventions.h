// Small pieces every streamline routine shares: the pen taken from the
// streamline dialog, the gauge step per line and the angles of a chord.
#pragma once

#include <cstdint>

#include "flow/settings.h"
#include "flow/surface.h"

namespace flow {

// Twenty lines fill the 0..80 gauge.
inline constexpr int kGaugeStepPerLine = 4;

// Pen width, then pen colour, from the streamline dialog.
void setStreamlinePen(const Canvas& canvas);

// Whole degrees of arcsin(rise / length) and arccos(run / length) for a chord
// of the given length. A chord of length 0 has no direction and gives 0.
int arcsinDegrees(double rise, double length);
int arccosDegrees(double run, double length);

// The mirror image of a point in the horizontal line y = axisY.
Point mirroredIn(std::int64_t axisY, Point p);

// Screen-angle arrowheads (half-angle 20) at `tip` and at its mirror image in
// y = axisY, at the angles arcsin(rise / length) and arcsin(-rise / length).
void mirroredArrowheads(Surface& surface, std::int64_t axisY, Point tip, double rise,
                        double length);

}  // namespace flow
