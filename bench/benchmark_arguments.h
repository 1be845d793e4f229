// The command line handed to Google Benchmark, with this project's defaults.
#pragma once

#include <string>
#include <vector>

namespace benchmark {
class BenchmarkReporter;
}

namespace bench {

// argv plus five repetitions reported as aggregates unless the command line
// names a repetition count, plus each of `defaults` ("--option=value") whose
// option the command line does not give; null-terminated. The strings must
// outlive the result.
std::vector<char*> withDefaultArguments(int argc, char** argv,
                                        const std::vector<std::string>& defaults = {});

// Runs the registered benchmarks with the arguments left after the
// application took its own, and the reporter; 1 for unknown arguments.
int runBenchmarks(int argc, char** argv, benchmark::BenchmarkReporter& reporter);

}  // namespace bench
