// Registers the end-to-end benchmarks on the real main window: each case's
// command from the click to the repainted picture, a new document to its
// painted picture, and the program's start to its first painted window.
#pragma once

#include <string>
#include <vector>

#include "end_to_end_cases.h"

class TMainForm;

namespace bench {

// The cases and the window must outlive the benchmark run. `self` is this
// executable, started again for each measured program start with
// `firstWindowOption`.
void registerEndToEnd(const std::vector<EndToEndCase>& cases, TMainForm& form,
                      const std::string& self);

// The counter of a click benchmark that holds the mean processor time, in
// milliseconds, of the routine alone run beside each click.
inline constexpr const char* kRoutineAloneCounter = "routine_alone_ms";

inline constexpr const char* firstWindowOption = "--first-window";

// The child's part of a measured start: builds the program, shows its main
// window maximized and returns once it has been painted.
int showFirstWindow(int argc, char** argv);

}  // namespace bench
