// End-to-end benchmarks of superposition documents on the real main window:
// streamlines plus lines of equal potential of ten and of a hundred
// elements from the clicks to the repainted picture, and one value edited
// in the elements' panel for ten elements to the repainted picture.
#pragma once

class TMainForm;

namespace bench {

// The window must outlive the benchmark run.
void registerSuperpositionEndToEnd(TMainForm& form);

}  // namespace bench
