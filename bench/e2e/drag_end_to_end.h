// End-to-end benchmark of moving a superposition element with the mouse: a
// press on the mark of one of ten elements with streamlines and
// equipotentials, then sixty mouse moves, each timed (wall clock: the
// latency the user sees) until the picture drawn for it off the window's
// thread has been shown and repainted.
#pragma once

class TMainForm;

namespace bench {

// The window must outlive the benchmark run.
void registerDragEndToEnd(TMainForm& form);

// The median and 95th percentile of the moves' times, and the longest the
// event loop was kept from turning during a move.
inline constexpr const char* kMoveMedianCounter = "move_median_ms";
inline constexpr const char* kMoveP95Counter = "move_p95_ms";
inline constexpr const char* kLongestBlockCounter = "longest_block_ms";

}  // namespace bench
