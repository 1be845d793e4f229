// End-to-end benchmarks of the undo history on the real main window: the last
// step undone and redone, each to the repainted picture, in a construction of
// twenty steps and in a superposition of ten elements with streamlines and
// equipotentials; and the resident memory a hundred undos in a row add to a
// construction of a hundred steps.
#pragma once

class TMainForm;

namespace bench {

// The window must outlive the benchmark run.
void registerUndoEndToEnd(TMainForm& form);

// Counters of the memory benchmark: the growth of the resident set over the
// undos and over their last half, and the bytes of the document's picture.
inline constexpr const char* kResidentGrowthCounter = "resident_growth_bytes";
inline constexpr const char* kLastHalfGrowthCounter = "last_half_growth_bytes";
inline constexpr const char* kPictureBytesCounter = "picture_bytes";
// The mean processor time per iteration of the key's command alone: the
// picture drawn again from the steps, before the event loop repaints it.
inline constexpr const char* kReplayCounter = "replay_ms";
// 1 when the main window's action for the key undid and redid, 0 when the
// history was called directly for want of one.
inline constexpr const char* kByKeyCounter = "by_key";

}  // namespace bench
