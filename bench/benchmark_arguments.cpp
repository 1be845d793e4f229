#include "benchmark_arguments.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace bench {

namespace {

bool given(int argc, char** argv, const std::string& option) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], option.c_str(), option.size()) == 0) return true;
    return false;
}

}  // namespace

std::vector<char*> withDefaultArguments(int argc, char** argv,
                                        const std::vector<std::string>& defaults) {
    static char repetitions[] = "--benchmark_repetitions=5";
    static char aggregatesOnly[] = "--benchmark_display_aggregates_only=true";
    std::vector<char*> args(argv, argv + argc);
    if (!given(argc, argv, "--benchmark_repetitions")) {
        args.push_back(repetitions);
        args.push_back(aggregatesOnly);
    }
    for (const std::string& option : defaults)
        if (!given(argc, argv, option.substr(0, option.find('='))))
            args.push_back(const_cast<char*>(option.c_str()));
    args.push_back(nullptr);
    return args;
}

int runBenchmarks(int argc, char** argv, benchmark::BenchmarkReporter& reporter) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
