// Times every streamline and equipotential routine with the program's own
// settings dialogs, on a real picture and on a surface that draws nothing,
// then prints the table of medians.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/program.h"
#include "case_benchmarks.h"
#include "cases.h"
#include "dialogs/dialogs.h"
#include "flow/settings.h"
#include "summary_reporter.h"

namespace {

// Five repetitions and their median unless the command line says otherwise.
std::vector<char*> withDefaultRepetitions(int argc, char** argv) {
    static char repetitions[] = "--benchmark_repetitions=5";
    static char aggregatesOnly[] = "--benchmark_display_aggregates_only=true";
    std::vector<char*> args(argv, argv + argc);
    bool given = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--benchmark_repetitions", 23) == 0) given = true;
    }
    if (!given) {
        args.push_back(repetitions);
        args.push_back(aggregatesOnly);
    }
    args.push_back(nullptr);
    return args;
}

}  // namespace

int main(int argc, char** argv) {
    // No display is needed: the dialogs only hold the settings.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<char*> args = withDefaultRepetitions(argc, argv);
    int count = static_cast<int>(args.size()) - 1;
    QApplication app(count, args.data());

    TProgram program;
    const flow::Settings settings = settingsOf(program.dialogs());
    const std::vector<bench::Case> cases = bench::allCases();
    bench::registerCases(cases, program.dialogs(), settings);

    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    bench::SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
