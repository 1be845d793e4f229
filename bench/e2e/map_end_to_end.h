// End-to-end benchmarks of the colour maps on the real main window: a
// click on "Построить поле давления" or "Построить поле скорости" to the
// repainted picture (the whole picture drawn again, the map under it), for
// every closed-form configuration and for ten and a hundred superposition
// elements. Wall clock: the map's rows are shared between two threads.
#pragma once

class TMainForm;

namespace bench {

// The window must outlive the benchmark run.
void registerMapEndToEnd(TMainForm& form);

}  // namespace bench
