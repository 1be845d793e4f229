// Clipping a segment to a rectangle, in doubles, so that far-off ends never
// reach a rasterizer or a vector file.
#pragma once

// Liang-Barsky: clips the segment to the rectangle from (left, top) to
// (right, bottom); false when nothing is left.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, double left, double top,
                 double right, double bottom);
