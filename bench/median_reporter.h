// Google Benchmark's console output, collecting for each benchmark its median
// time in milliseconds and its counters' medians (or its single run's,
// without repetitions), in the order the benchmarks ran, for a table printed
// at the end.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace bench {

double toMilliseconds(double time, benchmark::TimeUnit unit);

class MedianReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

  protected:
    // Called once every benchmark has run.
    virtual void printTable() const = 0;
    // Benchmarks that set each iteration's time themselves; the others are
    // measured in processor time.
    virtual bool timesItself(const std::string& name) const;
    // Benchmark name and its time; a median replaces the single runs.
    std::vector<std::pair<std::string, double>> times_;
    // Benchmark name and its user counters, taken with its time.
    std::map<std::string, benchmark::UserCounters> counters_;

  private:
    double milliseconds(const Run& run) const;
    std::vector<std::string> fromMedian_;
};

}  // namespace bench
