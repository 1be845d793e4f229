// End-to-end benchmarks of moving particles on the real main window: 2,000
// particles played for two seconds over a cylinder in a stream, a
// vortex-source, a source–sink pair and a superposition of ten elements;
// the process's processor time over the wall time, as a share of one core,
// and the frames the overlay painted a second.
#pragma once

class TMainForm;

namespace bench {

// The window must outlive the benchmark run.
void registerParticlesEndToEnd(TMainForm& form);

inline constexpr const char* kCorePercentCounter = "core_percent";
inline constexpr const char* kFramesPerSecondCounter = "frames_per_s";

}  // namespace bench
