// Google Benchmark's console output, plus the end-to-end table: each command
// from the click to the repainted picture beside its routine's own time on
// the raster surface, measured right after the clicks; then a new document
// and the program's start, the undo and redo of a step and the memory of a
// hundred undos, checked against the figures they must meet.
#pragma once

#include "median_reporter.h"

namespace bench {

class EndToEndReporter : public MedianReporter {
  protected:
    void printTable() const override;
    bool timesItself(const std::string& name) const override;

  private:
    // The memory a hundred undos added, against the picture's bytes; 1 when
    // it missed its figure.
    int printUndoMemory() const;
    // Moving particles' share of a core and frames a second; the figures missed.
    int printParticles() const;
};

}  // namespace bench
