// The chords of the curves drawn so far, bucketed by square cells, to ask
// quickly whether a point lies near any of them.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "flow/superposition/elements.h"

namespace flow::superposition {

// Distance from p to the chord from a to b.
double distanceToChord(Complex p, Complex a, Complex b);

class SegmentIndex {
  public:
    // Queries look no farther than one cell.
    explicit SegmentIndex(double cellSize) : cell_(cellSize) {}

    void add(const std::vector<Complex>& polyline);
    // True when some chord passes within `radius` (at most the cell size) of p.
    bool near(Complex p, double radius) const;

  private:
    struct Chord {
        Complex a, b;
    };
    std::int64_t key(std::int64_t i, std::int64_t j) const { return i * 2654435761LL ^ j; }
    std::int64_t cellOf(double v) const;

    double cell_;
    std::unordered_map<std::int64_t, std::vector<Chord>> cells_;
};

}  // namespace flow::superposition
