// Times the program as a user meets it, on the offscreen platform with one
// 1920 x 1200 screen and the main window maximized: each construction command
// from the button's click to the repainted picture, next to the routine's own
// time measured alongside; a new document; the start to the first painted
// window; superposition documents' lines and panel edits; the undo and redo
// of a step and the memory a hundred undos take; moving particles' share of
// a core and their frames a second.
#include <unistd.h>

#include <QStandardPaths>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "airfoil_end_to_end.h"
#include "app/application.h"
#include "app/program.h"
#include "benchmark_arguments.h"
#include "end_to_end_benchmarks.h"
#include "end_to_end_reporter.h"
#include "map_end_to_end.h"
#include "particles_end_to_end.h"
#include "superposition_end_to_end.h"
#include "undo_end_to_end.h"

namespace {

// The offscreen platform's screen, described in a file the platform reads;
// child processes inherit the setting.
void useLargeOffscreenScreen() {
    char path[] = "/tmp/zef_bench_e2e_screen_XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return;
    close(fd);
    std::ofstream(path) << R"({"screens": [{"name": "screen", "x": 0, "y": 0,)"
                        << R"( "width": 1920, "height": 1200, "logicalDpi": 96}]})";
    setenv("QT_QPA_PLATFORM", (std::string("offscreen:configfile=") + path).c_str(), 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], bench::firstWindowOption) == 0)
        return bench::showFirstWindow(argc, argv);
    useLargeOffscreenScreen();
    // The repetitions of all cases run in random order, so that a change in
    // the machine's load during the run reaches every case alike.
    static const std::vector<std::string> defaults = {
        "--benchmark_enable_random_interleaving=true"};
    std::vector<char*> args = bench::withDefaultArguments(argc, argv, defaults);
    int count = static_cast<int>(args.size()) - 1;
    TApplication app(count, args.data());
    QStandardPaths::setTestModeEnabled(true);

    TProgram program;
    program.mainForm().showMaximized();
    const std::vector<bench::EndToEndCase> endToEnd = bench::endToEndCases();
    bench::registerEndToEnd(endToEnd, program.mainForm(), "/proc/self/exe");
    bench::registerSuperpositionEndToEnd(program.mainForm());
    bench::registerUndoEndToEnd(program.mainForm());
    bench::registerMapEndToEnd(program.mainForm());
    bench::registerAirfoilEndToEnd(program.mainForm());
    bench::registerParticlesEndToEnd(program.mainForm());

    bench::EndToEndReporter reporter;
    return bench::runBenchmarks(count, args.data(), reporter);
}
