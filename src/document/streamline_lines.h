// A streamline step's lines traced again as polylines, as it drew them
// without arrowheads: for time marks along them and for particles released
// at their upstream ends.
#pragma once

#include <vector>

#include "document/construction.h"
#include "flow/time_marks/line_capture.h"

// What the step drew before a text that was no integer stopped it, if one did.
std::vector<flow::time_marks::Polyline> streamlineStepLines(
    const ConstructionStep& step, const std::vector<flow::superposition::Element>& elements);
