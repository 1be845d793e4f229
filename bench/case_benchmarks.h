// Registers each case twice with Google Benchmark: drawing into a picture of
// the case's field size and on the null surface.
#pragma once

#include <vector>

#include "cases.h"

struct TDialogs;

namespace bench {

// The cases and the dialogs must outlive the benchmark run.
void registerCases(const std::vector<Case>& cases, const TDialogs& dialogs,
                   const flow::Settings& settings);

}  // namespace bench
