// Streamlines of combined flows: a cylinder without circulation in an
// oncoming stream, a source or sink in an oncoming stream, and a source-sink
// pair. Each routine draws its N lines and adds one gauge step per line.
#pragma once

#include "flow/settings.h"

namespace flow {

// Uniform stream (speed 1) from left to right past the cylinder of radius R
// centred at (X, Y); the first line is the cylinder itself.
void StreamCylinder(const Canvas& canvas, int R, int X, int Y);

// Which element sits in the oncoming stream.
inline constexpr int kSourceInStream = 1;
inline constexpr int kSinkInStream = 2;

// A source (mode kSourceInStream) or sink (mode kSinkInStream) of strength Q
// at (X, Y) in a stream from left to right. The fluid of the element is drawn
// in the region colour, the oncoming fluid in the line colour.
void StreamSourceInStream(const Canvas& canvas, int X, int Y, int Q, int mode);

// A source of strength Qsource at (X, Y) and a sink of strength Qsink at
// (X + D, Y). Each line gets one pair of arrowheads whatever the direction
// check box says.
void StreamSourceSink(const Canvas& canvas, int X, int Y, int D, int Qsource, int Qsink);

}  // namespace flow
