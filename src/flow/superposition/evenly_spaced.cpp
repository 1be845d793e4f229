#include "flow/superposition/evenly_spaced.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "flow/superposition/segment_index.h"

namespace flow::superposition {

namespace {

constexpr double kSmallestSeparation = 4;  // pixels
constexpr double kSeedClearance = 2 * kSingularStop;
constexpr double kMostScanSteps = 500;    // along either side of the region
constexpr long long kPotentialWork = 16;  // W at a point, in evaluations of dW/dz

class Spacer {
  public:
    Spacer(const Field& field, const Region& region, double separation,
           const std::vector<Complex>& stagnation, StepBudget& budget)
        : field_(field),
          region_(region),
          separation_(separation),
          budget_(budget),
          index_(separation, region),
          tracer_(field, Quantity::StreamFunction, region, stagnation, budget) {
        tracer_.setMaxStep(std::min(8.0, separation / 2));
        tracer_.setStop([this](Complex z) { return index_.near(z, 0.5 * separation_); });
    }

    void keep(Curve curve) {
        index_.add(curve.points);
        pending_.push_back(set_.curves.size());
        set_.curves.push_back(std::move(curve));
    }

    void fill();
    CurveSet result() {
        set_.complete = !budget_.ranOut();
        return std::move(set_);
    }

  private:
    // Whether p is free for a new streamline; the test costs a look at every element.
    bool free(Complex p) const {
        budget_.spend(workPerEvaluation(field_));
        return region_.contains(p) && field_.distanceToSingularity(p) > kSeedClearance &&
               !index_.near(p, 0.99 * separation_);
    }
    // A new streamline through p; returns whether one was kept.
    bool startAt(Complex p);
    // New streamlines beside the chords of one curve.
    void seedBeside(std::size_t curve);

    const Field& field_;
    Region region_;
    double separation_;
    StepBudget& budget_;
    SegmentIndex index_;
    LevelTracer tracer_;
    CurveSet set_;
    std::deque<std::size_t> pending_;
};

bool Spacer::startAt(Complex p) {
    budget_.spend(kPotentialWork * workPerEvaluation(field_));
    const double value = valueOf(Quantity::StreamFunction, field_.potential(p));
    if (!std::isfinite(value)) return false;
    Trace trace = tracer_.traceThrough(p, value);
    if (trace.points.size() < 2) return false;
    keep({std::move(trace.points), value, false});
    return true;
}

void Spacer::seedBeside(std::size_t curve) {
    // Copied: keeping new curves may move the set's storage.
    const std::vector<Complex> points = set_.curves[curve].points;
    double walked = 0;
    for (std::size_t k = 1; k < points.size() && !budget_.exhausted(); ++k) {
        const Complex chord = points[k] - points[k - 1];
        const double length = std::abs(chord);
        walked += length;
        if (walked < 0.5 * separation_ || length == 0) continue;
        walked = 0;
        const Complex normal = Complex(0, 1) * chord / length;
        for (const double side : {1.0, -1.0}) {
            const Complex p = points[k] + side * separation_ * normal;
            if (free(p)) startAt(p);
        }
    }
}

void Spacer::fill() {
    // Parts of the field no streamline has reached yet are found by a scan
    // that resumes where it stopped: points it passed stay covered.
    const double step = region_.spacing(separation_, kMostScanSteps);
    const auto columns = static_cast<long long>((region_.right - region_.left) / step) + 1;
    const auto rows = static_cast<long long>((region_.bottom - region_.top) / step) + 1;
    long long scanned = 0;
    for (;;) {
        while (!pending_.empty() && !budget_.exhausted()) {
            const std::size_t curve = pending_.front();
            pending_.pop_front();
            seedBeside(curve);
        }
        if (budget_.exhausted()) return;
        bool started = false;
        for (; scanned < columns * rows && !started && !budget_.exhausted(); ++scanned) {
            const Complex p = toFlow(region_.left + static_cast<double>(scanned % columns) * step,
                                     region_.top + static_cast<double>(scanned / columns) * step);
            if (free(p)) started = startAt(p);
        }
        if (!started) return;
    }
}

}  // namespace

CurveSet evenlySpacedStreamlines(const Field& field, const Region& region, double separation,
                                 const std::vector<Complex>& stagnation, StepBudget& budget) {
    const double spacing = std::max(separation, kSmallestSeparation);
    Spacer spacer(field, region, spacing, stagnation, budget);
    CurveSet dividing =
        levelCurves(field, Quantity::StreamFunction, region, Levels{}, stagnation, budget);
    for (Curve& curve : dividing.curves) spacer.keep(std::move(curve));
    spacer.fill();
    return spacer.result();
}

}  // namespace flow::superposition
