// The chords of the curves drawn so far, bucketed by square cells, to ask
// quickly whether a point lies near any of them.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "flow/superposition/elements.h"
#include "flow/superposition/level_tracer.h"

namespace flow::superposition {

// Distance from p to the chord from a to b.
double distanceToChord(Complex p, Complex a, Complex b);

class SegmentIndex {
  public:
    // Queries look no farther than one cell. The cells over the region (where
    // nearly every chord lies) are kept in an array, the others by their key.
    explicit SegmentIndex(double cellSize, const Region& region = {});

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
    // The chords of cell (i, j): null when it has none yet, unless `add`.
    std::vector<Chord>* cell(std::int64_t i, std::int64_t j, bool add);
    const std::vector<Chord>* cell(std::int64_t i, std::int64_t j) const {
        return const_cast<SegmentIndex*>(this)->cell(i, j, false);
    }

    double cell_;
    std::int64_t left_ = 0, top_ = 0, columns_ = 0, rows_ = 0;  // the array's cells
    std::vector<std::vector<Chord>> array_;
    std::unordered_map<std::int64_t, std::vector<Chord>> cells_;
};

}  // namespace flow::superposition
