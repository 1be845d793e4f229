// Traces one drawing's lines beside another's. A picture with streamlines
// and equipotentials traces the two kinds one after the other, and each
// redraw (while an element is dragged, say) repeats that order for changed
// elements. So when a drawing starts, the lines that followed its kind last
// time, with their settings then, are traced for the same elements on a
// thread of their own, and the next drawing takes them when it asks for
// exactly those. They are the lines it would trace itself: pictures are the
// same with one thread and with more.
#pragma once

#include <vector>

#include "flow/superposition/elements.h"
#include "flow/superposition/level_curves.h"

namespace flow::superposition {

// What one drawing's lines depend on besides the elements: their kind, the
// dialog's settings and the picture's size.
struct LinesRequest {
    Quantity quantity = Quantity::StreamFunction;
    bool evenlySpaced = false;  // streamlines only
    int increment = 0;
    int count = 0;
    double width = 0;
    double height = 0;
    friend bool operator==(const LinesRequest&, const LinesRequest&) = default;
};

struct TracedLines {
    CurveSet set;
    bool searchComplete = true;  // the stagnation points' search was not cut short
};

// The requested lines of the field of `elements`: traced here, or taken
// from the thread that traced them ahead.
TracedLines tracedLines(const Field& field, const std::vector<Element>& elements,
                        const LinesRequest& request);

}  // namespace flow::superposition
