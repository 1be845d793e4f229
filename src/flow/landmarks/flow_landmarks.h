// The landmarks of each flow configuration in closed form: the textbook
// values with the exact pi, in the directions of the routines that draw it
// (their 3.14 may put a drawn line 0.05 % of its distance away): the stream
// flows from left to right on the screen, a positive circulation turns
// counter-clockwise on the screen, strengths and circulations are the
// numbers the routines take.
#pragma once

#include <optional>
#include <vector>

#include "flow/landmarks/landmark.h"
#include "flow/surface.h"
#include "flow/velocity/velocity_numbers.h"

namespace flow {

// A source (or, with `sink`, a sink of strength Q) at `centre` in a stream
// of speed U: the stagnation point Q / (2 pi U) upstream of a source,
// downstream of a sink, and the half-body's half-width Q / (2 U).
std::vector<Landmark> elementInStreamLandmarks(Point centre, int Q, int U, bool sink);

// A cylinder of radius R without circulation in a stream of speed U: the
// stagnation points in front of and behind it, and its top and bottom, where
// the surface speed is 2 U.
std::vector<Landmark> cylinderLandmarks(Point centre, int R, int U);

// A cylinder of radius R with circulation gamma in a unit stream. While
// gamma <= 4 pi R the two stagnation points lie on the circle where
// sin(angle) = gamma / (4 pi R); beyond, one lies on the vertical through the
// centre. The surface is fastest, at 2 + gamma / (2 pi R), on the side where
// circulation and stream agree.
std::vector<Landmark> circulatingCylinderLandmarks(Point centre, int R, int gamma);

// A source of strength Qs at `centre` and a sink of strength Qk D pixels to
// its right, as the pair's streamlines place them: unequal strengths have
// one stagnation point on their line, Qs D / (Qs - Qk) from the source.
std::vector<Landmark> sourceSinkPairLandmarks(Point centre, int D, int Qs, int Qk);

// The velocity `numbers` at p, placed about `centre`.
Landmark velocityAt(Point centre, Point p, const VelocityNumbers& numbers, LandmarkOrigin origin);

// The velocity at the input's point of the flow with what the input left
// out, the numbers the program shows for it; nothing where there are none.
std::optional<Landmark> velocityLandmark(const VelocityInput& input, const LeftOut& leftOut = {});

}  // namespace flow
