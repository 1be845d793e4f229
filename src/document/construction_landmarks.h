// The analytic landmarks of a construction's flow: those of the
// configuration its last element left, with the parameters its steps read,
// then the velocity at every point where velocity vectors were drawn, in
// the order they were drawn. Also their text and their marks on a picture.
#pragma once

#include <vector>

#include "document/construction.h"
#include "flow/landmarks/landmark.h"
#include "flow/landmarks/landmark_marks.h"
#include "flow/landmarks/landmark_text.h"

// A parameter the routines read from the settings (the stream speed U, the
// cylinder's circulation and whether it has one) is taken as the latest step
// that read it saw it: from the settings the step recorded, from the input of
// velocity vectors, or, for the circulation flag, from which cylinder routine
// ran. With no such step it is the setting's default; a configuration whose
// numbers are no integers has no landmarks of its own. Empty for an empty
// construction.
std::vector<flow::Landmark> landmarksOf(const Construction& construction);

using flow::landmarksText;
using flow::markLandmarks;
