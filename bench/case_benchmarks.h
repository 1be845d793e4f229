// Registers each case twice with Google Benchmark: drawing into a picture of
// the case's field size and on the null surface.
#pragma once

#include <vector>

#include "bench_gauge.h"
#include "cases.h"
#include "document/raster_surface.h"

struct TDialogs;

namespace bench {

// A case's routine drawing again and again into one picture of the case's
// field size, with the dialogs' settings as they stand. The drawing and the
// settings must outlive it.
class RoutineOnRaster {
  public:
    RoutineOnRaster(const std::function<void(const flow::Canvas&)>& draw,
                    const flow::Settings& settings, int fieldWidth, int fieldHeight);
    // Draws once; finishing the drawing is part of it.
    void drawOnce();

  private:
    const std::function<void(const flow::Canvas&)>& draw_;
    RasterSurface surface_;
    BenchGauge gauge_;
    const flow::Canvas canvas_;
};

// The cases and the dialogs must outlive the benchmark run.
void registerCases(const std::vector<Case>& cases, const TDialogs& dialogs,
                   const flow::Settings& settings);

}  // namespace bench
