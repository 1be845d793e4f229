// End-to-end benchmarks of superposition documents on the real main window:
// streamlines plus lines of equal potential of ten and of a hundred
// elements from the clicks to the repainted picture, and one value edited
// in the elements' panel for ten elements to the repainted picture.
#pragma once

#include <vector>

#include "flow/superposition/elements.h"

class TMainForm;
class TMDIChild;

namespace bench {

// A new superposition document through its menu item, holding the elements.
TMDIChild* superpositionWith(TMainForm& form,
                             const std::vector<flow::superposition::Element>& elements);

// The window must outlive the benchmark run.
void registerSuperpositionEndToEnd(TMainForm& form);

}  // namespace bench
