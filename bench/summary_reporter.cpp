#include "summary_reporter.h"

#include <algorithm>
#include <cstdio>

namespace bench {

namespace {

// The figures: every default case under 10 ms, every stress case under 1 s,
// and drawing into the picture at most 3 times the cost of the geometry.
constexpr double kDefaultLimitMs = 10;
constexpr double kStressLimitMs = 1000;
constexpr double kRasterRatioLimit = 3;

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

}  // namespace

std::string benchmarkName(const std::string& routine, const std::string& caseName,
                          const std::string& surface) {
    return routine + "/" + caseName + "/" + surface;
}

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (!median && run.run_type != Run::RT_Iteration) continue;
        // Processor time: the routines run on one thread, and the machine's
        // other load then hardly shifts the figures.
        record(run.run_name.function_name, toMilliseconds(run.GetAdjustedCPUTime(), run.time_unit),
               median);
    }
}

void SummaryReporter::record(const std::string& name, double ms, bool median) {
    // A median, once there, wins over the single repetitions.
    auto known = fromMedian_.find(name);
    if (known != fromMedian_.end() && known->second && !median) return;
    fromMedian_[name] = median;

    const std::size_t caseStart = name.find('/');
    const std::size_t surfaceStart = name.rfind('/');
    if (caseStart == std::string::npos || surfaceStart == caseStart) return;
    const std::string routine = name.substr(0, caseStart);
    const std::string caseName = name.substr(caseStart + 1, surfaceStart - caseStart - 1);
    const bool raster = name.substr(surfaceStart + 1) == "raster";

    auto row = std::find_if(rows_.begin(), rows_.end(), [&](const Row& r) {
        return r.routine == routine && r.caseName == caseName;
    });
    if (row == rows_.end()) row = rows_.insert(rows_.end(), Row{routine, caseName});
    (raster ? row->rasterMs : row->nullMs) = ms;
}

void SummaryReporter::Finalize() {
    ConsoleReporter::Finalize();
    printTable();
}

void SummaryReporter::printTable() const {
    std::printf("\n| routine | case | surface | median CPU ms | limit | raster / null |\n");
    std::printf("|---|---|---|---:|---|---:|\n");
    int misses = 0;
    for (const Row& row : rows_) {
        const double limit = row.caseName == "stress" ? kStressLimitMs : kDefaultLimitMs;
        for (const bool raster : {true, false}) {
            const double ms = raster ? row.rasterMs : row.nullMs;
            if (ms < 0) continue;
            const bool inTime = ms < limit;
            std::string ratio;
            bool ratioMet = true;
            if (raster && row.nullMs > 0) {
                const double r = row.rasterMs / row.nullMs;
                ratioMet = r <= kRasterRatioLimit;
                char text[32];
                std::snprintf(text, sizeof text, "%.2f%s", r, ratioMet ? "" : " MISSED");
                ratio = text;
            }
            misses += !inTime + !ratioMet;
            std::printf("| %s | %s | %s | %.3f | < %g ms%s | %s |\n", row.routine.c_str(),
                        row.caseName.c_str(), raster ? "raster" : "null", ms, limit,
                        inTime ? "" : " MISSED", ratio.c_str());
        }
    }
    std::printf("\n%d figure%s missed\n", misses, misses == 1 ? "" : "s");
}

}  // namespace bench
