// End-to-end benchmarks of superposition documents on the real main window:
// streamlines plus lines of equal potential of ten and of a hundred
// elements from the clicks to the repainted picture, and one value edited
// in the elements' panel for ten elements to the repainted picture; and a
// drag of one of the ten elements (with both families of lines): sixty mouse
// moves, each timed (wall clock: the latency the user sees) until the
// picture drawn for it off the window's thread is shown and repainted; and
// the same drag of an ordinary document's cylinder with circulation; and a
// hand dragging one of the hundred elements at sixty moves a second.
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

// The drag's counters: the median and 95th percentile of the moves' times,
// and the longest the event loop was kept from turning during a move.
inline constexpr const char* kMoveMedianCounter = "move_median_ms";
inline constexpr const char* kMoveP95Counter = "move_p95_ms";
inline constexpr const char* kLongestBlockCounter = "longest_block_ms";
// The new pictures a second the hand's drag shows.
inline constexpr const char* kPicturesPerSecondCounter = "pictures_per_s";

}  // namespace bench
