// A streamline step's lines traced again as polylines, as it drew them
// without arrowheads: for time marks along them and for particles released
// at their upstream ends.
#pragma once

#include <vector>

#include "document/construction.h"
#include "flow/airfoil/airfoil_flow.h"
#include "flow/time_marks/line_capture.h"

// The flow a step's lines belong to: elements, or the airfoil's.
using LinesFlow =
    std::variant<std::vector<flow::superposition::Element>, flow::airfoil::AirfoilFlow>;

// What the step drew before a text that was no integer stopped it, if one did.
std::vector<flow::time_marks::Polyline> streamlineStepLines(const ConstructionStep& step,
                                                            const LinesFlow& flow);
