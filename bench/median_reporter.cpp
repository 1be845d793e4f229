#include "median_reporter.h"

#include <algorithm>

namespace bench {

double toMilliseconds(double time, benchmark::TimeUnit unit) {
    switch (unit) {
        case benchmark::kNanosecond:
            return time / 1e6;
        case benchmark::kMicrosecond:
            return time / 1e3;
        case benchmark::kMillisecond:
            return time;
        case benchmark::kSecond:
            return time * 1e3;
    }
    return time;
}

bool MedianReporter::timesItself(const std::string&) const {
    return false;
}

double MedianReporter::milliseconds(const Run& run) const {
    // Processor time: the machine's other load then hardly shifts the figures.
    const bool own = timesItself(run.run_name.function_name);
    return toMilliseconds(own ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime(),
                          run.time_unit);
}

void MedianReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (!median && run.run_type != Run::RT_Iteration) continue;
        const std::string& name = run.run_name.function_name;
        const bool hasMedian =
            std::find(fromMedian_.begin(), fromMedian_.end(), name) != fromMedian_.end();
        if (hasMedian) continue;
        if (median) fromMedian_.push_back(name);
        auto known = std::find_if(times_.begin(), times_.end(),
                                  [&](const auto& entry) { return entry.first == name; });
        if (known == times_.end())
            times_.emplace_back(name, milliseconds(run));
        else
            known->second = milliseconds(run);
        counters_[name] = run.counters;
    }
}

void MedianReporter::Finalize() {
    ConsoleReporter::Finalize();
    printTable();
}

}  // namespace bench
