// Times every streamline and equipotential routine with the program's own
// settings dialogs, on a real picture and on a surface that draws nothing,
// then prints the table of medians.

#include <QApplication>
#include <cstdlib>
#include <vector>

#include "app/program.h"
#include "benchmark_arguments.h"
#include "case_benchmarks.h"
#include "cases.h"
#include "dialogs/dialogs.h"
#include "flow/settings.h"
#include "summary_reporter.h"

int main(int argc, char** argv) {
    // No display is needed: the dialogs only hold the settings.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<char*> args = bench::withDefaultArguments(argc, argv);
    int count = static_cast<int>(args.size()) - 1;
    QApplication app(count, args.data());

    TProgram program;
    const flow::Settings settings = settingsOf(program.dialogs());
    const std::vector<bench::Case> cases = bench::allCases();
    bench::registerCases(cases, program.dialogs(), settings);

    bench::SummaryReporter reporter;
    return bench::runBenchmarks(count, args.data(), reporter);
}
