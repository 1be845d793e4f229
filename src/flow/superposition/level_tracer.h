// Follows one level curve of the stream function or the potential of a
// superposition: steps along the curve's tangent and pulls every new point
// back onto the level by Newton's method. The value is carried along the
// curve by adding up its changes, so it stays continuous where the
// principal branch jumps; no grid is contoured.
#pragma once

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "flow/superposition/elements.h"
#include "flow/superposition/helper_thread.h"

namespace flow::superposition {

enum class Quantity { StreamFunction, Potential };

// The value of the quantity in a complex potential, and the quantity's
// gradient and level-curve tangent (as complex numbers) for dW/dz = w.
double valueOf(Quantity q, Complex W);
Complex gradientOf(Quantity q, Complex w);
Complex tangentOf(Quantity q, Complex w);

// The part of the picture curves are kept in: the field plus a margin, in
// picture pixels.
struct Region {
    double left = 0, top = 0, right = 0, bottom = 0;
    static Region aroundField(double width, double height, double margin);
    bool contains(Complex z) const;  // z in the flow plane
    bool empty() const { return !(right > left && bottom > top); }
    // A spacing of at least `smallest` pixels that crosses the region in
    // at most `most` steps either way, so that huge fields stay affordable.
    double spacing(double smallest, double most) const {
        return std::max(smallest, std::max(right - left, bottom - top) / most);
    }
};

// 0 .. count - 1, every 2^k-th first and then the ones between, halving
// the stride until none is left out: rows in this order cover a region
// evenly however early the work stops.
std::vector<int> coarseToFine(int count);

// How much work a drawing or a search may do, counted in evaluations of one
// element's velocity term (a logarithm costs several); the work stops when
// it runs out. Counting work rather than time keeps the pictures the same
// on every machine.
struct StepBudget {
    long long remaining = 0;
    bool cut = false;  // a share of it ran out (see withShare)
    bool exhausted() const { return remaining <= 0; }
    bool ranOut() const { return cut || exhausted(); }
    void spend(long long work) { remaining -= work; }
};

// Runs `part` with at most `share` of the budget (so that one part cannot
// starve the others); what the part leaves stays in the budget.
template <class Part>
void withShare(StepBudget& budget, long long share, Part part) {
    const long long kept = budget.remaining - std::max(0LL, std::min(share, budget.remaining));
    budget.remaining -= kept;
    part();
    budget.cut = budget.cut || budget.exhausted();
    budget.remaining += kept;
}

// The work of evaluating dW/dz once, per element (and for the stream).
inline long long workPerEvaluation(const Field& field) {
    return static_cast<long long>(field.singularities().size()) + 1;
}

// Curves end this close to a singularity, at the singularity.
inline constexpr double kSingularStop = 1.0;
// And this close to a stagnation point, at the stagnation point.
inline constexpr double kStagnationStop = 0.4;

struct Trace {
    std::vector<Complex> points;  // flow plane
    bool closed = false;
};

class LevelTracer {
  public:
    LevelTracer(const Field& field, Quantity quantity, const Region& region,
                const std::vector<Complex>& stagnationPoints, StepBudget& budget);

    // Sets the longest step (pixels).
    void setMaxStep(double step) { maxStep_ = step; }
    // A test that ends a curve before a point it would add.
    void setStop(std::function<bool(Complex)> stop) { stop_ = std::move(stop); }

    // The level curve of value `value` through `start` (which lies on it),
    // followed one way (direction +1 along the tangent, -1 against it).
    Trace follow(Complex start, double value, int direction) const;
    // Both ways, joined into one curve through `start`. With two threads the
    // backward half is traced beside the forward one; the curve and the
    // work spent are those of tracing the halves one after the other.
    Trace traceThrough(Complex start, double value) const;

    const Field& field() const { return field_; }
    Quantity quantity() const { return quantity_; }

  private:
    Trace follow(Complex start, double value, int direction, StepBudget& budget) const;
    // The stagnation point a step from `from` to `to` passes, or null.
    const Complex* stagnationOnChord(Complex from, Complex to) const;

    const Field& field_;
    Quantity quantity_;
    Region region_;
    const std::vector<Complex>& stagnation_;
    std::vector<std::pair<double, std::size_t>> stagnationByX_;  // x and index, by x
    StepBudget& budget_;
    double maxStep_ = 8;
    std::function<bool(Complex)> stop_;
    long long attemptWork_;  // one try at a step: a few evaluations, the stagnation points checked
};

}  // namespace flow::superposition
