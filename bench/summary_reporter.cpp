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

}  // namespace

std::string benchmarkName(const std::string& routine, const std::string& caseName,
                          const std::string& surface) {
    return routine + "/" + caseName + "/" + surface;
}

NameParts splitName(const std::string& name) {
    const std::size_t caseStart = name.find('/');
    const std::size_t surfaceStart = name.rfind('/');
    if (caseStart == std::string::npos || surfaceStart == caseStart) return {name, "", ""};
    return {name.substr(0, caseStart), name.substr(caseStart + 1, surfaceStart - caseStart - 1),
            name.substr(surfaceStart + 1)};
}

void SummaryReporter::printTable() const {
    struct Row {
        std::string routine, caseName;
        double rasterMs = -1, nullMs = -1;
    };
    std::vector<Row> rows;  // in the order the benchmarks ran
    for (const auto& [name, ms] : times_) {
        const NameParts parts = splitName(name);
        if (parts.surface != "raster" && parts.surface != "null") continue;
        auto row = std::find_if(rows.begin(), rows.end(), [&](const Row& r) {
            return r.routine == parts.routine && r.caseName == parts.caseName;
        });
        if (row == rows.end()) row = rows.insert(rows.end(), Row{parts.routine, parts.caseName});
        (parts.surface == "raster" ? row->rasterMs : row->nullMs) = ms;
    }

    std::printf("\n| routine | case | surface | median CPU ms | limit | raster / null |\n");
    std::printf("|---|---|---|---:|---|---:|\n");
    int misses = 0;
    for (const Row& row : rows) {
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
