// The analytic landmarks of a construction's flow: those of the
// configuration its last element left, with the parameters its steps read,
// then the velocity at every point where velocity vectors were drawn, in
// the order they were drawn. A superposition's are the stagnation points of
// the sum of its elements inside the field, found numerically, then its
// velocities, all about the field's centre. Also their text and their marks
// on a picture.
#pragma once

#include <vector>

#include "document/construction.h"
#include "flow/landmarks/landmark.h"
#include "flow/landmarks/landmark_marks.h"
#include "flow/landmarks/landmark_text.h"
#include "flow/setting_values.h"

// A parameter read from the settings (the stream speed U, the cylinder's
// circulation and whether it has one) is taken as the lines were drawn with
// it: from the settings the latest step that read it recorded (held within
// the dialog's range, as a replay holds it), or from which cylinder routine
// ran last; for a flow whose lines do not read it, from the latest velocity
// vectors' input; with none of these, from `built`, the settings the
// construction was built with (a setting not among them: its default). A
// velocity is that of the whole flow the elements placed before it made. A
// configuration whose numbers are no integers has no landmarks of its own.
// Empty for an empty construction. A superposition's stagnation points are
// searched for within a work budget: `*complete` (if given) turns false when
// it ran out.
std::vector<flow::Landmark> landmarksOf(const Construction& construction,
                                        const flow::SettingValues& built = {},
                                        bool* complete = nullptr);

using flow::landmarksText;
using flow::markLandmarks;
