// Google Benchmark's console output, plus one table at the end: the median
// processor time of every routine, case and surface, checked against the speed
// figures the routines must meet.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "median_reporter.h"

namespace bench {

// Benchmarks are named "routine/case/surface", surface "raster" or "null".
std::string benchmarkName(const std::string& routine, const std::string& caseName,
                          const std::string& surface);

struct NameParts {
    std::string routine, caseName, surface;
};
NameParts splitName(const std::string& name);

class SummaryReporter : public MedianReporter {
  protected:
    void printTable() const override;
};

}  // namespace bench
