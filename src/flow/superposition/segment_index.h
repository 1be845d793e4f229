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

    // The chords of a curve of the given value.
    void add(const std::vector<Complex>& polyline, double value = 0);
    // True when some chord passes within `radius` (at most the cell size) of
    // p; with a value, only the chords of curves of that value count.
    bool near(Complex p, double radius) const;
    bool near(Complex p, double radius, double value) const;

  private:
    struct Chord {
        Complex a, b;
        double value;
    };
    template <typename Test>
    bool anyNear(Complex p, double radius, Test test) const;
    std::int64_t key(std::int64_t i, std::int64_t j) const { return i * 2654435761LL ^ j; }
    std::int64_t cellOf(double v) const;

    double cell_;
    std::unordered_map<std::int64_t, std::vector<Chord>> cells_;
};

}  // namespace flow::superposition
