// Google Benchmark's console output, plus one table at the end: the median
// processor time of every routine, case and surface, checked against the speed
// figures the routines must meet.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

// Benchmarks are named "routine/case/surface", surface "raster" or "null".
std::string benchmarkName(const std::string& routine, const std::string& caseName,
                          const std::string& surface);

class SummaryReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

  private:
    struct Row {
        std::string routine, caseName;
        double rasterMs = -1, nullMs = -1;
    };
    void record(const std::string& name, double ms, bool median);
    void printTable() const;

    std::vector<Row> rows_;                   // in the order the benchmarks ran
    std::map<std::string, bool> fromMedian_;  // per benchmark name
};

}  // namespace bench
