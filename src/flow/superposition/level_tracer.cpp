#include "flow/superposition/level_tracer.h"

#include <algorithm>
#include <cmath>

#include "flow/superposition/segment_index.h"

namespace flow::superposition {

double valueOf(Quantity q, Complex W) {
    return q == Quantity::StreamFunction ? W.imag() : W.real();
}

Complex gradientOf(Quantity q, Complex w) {
    // grad phi = conj(w); grad psi is that turned a quarter turn.
    const Complex g = std::conj(w);
    return q == Quantity::StreamFunction ? quarterTurn(g) : g;
}

Complex tangentOf(Quantity q, Complex w) {
    // Streamlines run along the velocity conj(w), equipotentials across it.
    const Complex v = std::conj(w);
    return q == Quantity::StreamFunction ? v : quarterTurn(v);
}

Region Region::aroundField(double width, double height, double margin) {
    return {-margin, -margin, width + margin, height + margin};
}

bool Region::contains(Complex z) const {
    const double x = -z.real();
    const double y = -z.imag();
    return x >= left && x <= right && y >= top && y <= bottom;
}

std::vector<int> coarseToFine(int count) {
    std::vector<int> order;
    std::vector<bool> taken(static_cast<std::size_t>(std::max(count, 0)));
    int stride = 1;
    while (stride * 2 < count) stride *= 2;
    for (; stride >= 1; stride /= 2)
        for (int i = 0; i < count; i += stride)
            if (!taken[i]) {
                taken[i] = true;
                order.push_back(i);
            }
    return order;
}

namespace {

// Newton corrections and the turn between steps are kept this small.
const double kMinTurnCosine = std::cos(0.12);  // at most 0.12 radians of turn per step
const double kTurnAimed = 0.8 * std::acos(kMinTurnCosine);
constexpr double kMinStep = 1e-3;       // pixels
constexpr double kNewtonDone = 1e-2;    // pixels: what is left after this is far smaller
constexpr double kCloseDistance = 0.3;  // a curve closes passing this near its start
constexpr long long kMaxStepsPerCurve = 200000;
constexpr long long kEvaluationsPerAttempt = 6;  // of dW/dz, counting the change along the step

// A point with dW/dz there and the quantity's value carried to it.
struct Anchor {
    Complex z;
    double value = 0;
    Complex w;
};

Complex unit(Complex c) {
    const double a = lengthOf(c);
    return a > 0 && std::isfinite(a) ? c / a : Complex{};
}

}  // namespace

LevelTracer::LevelTracer(const Field& field, Quantity quantity, const Region& region,
                         const std::vector<Complex>& stagnationPoints, StepBudget& budget)
    : field_(field),
      quantity_(quantity),
      region_(region),
      stagnation_(stagnationPoints),
      budget_(budget),
      attemptWork_(kEvaluationsPerAttempt * workPerEvaluation(field) +
                   static_cast<long long>(stagnationPoints.size())) {
    for (std::size_t i = 0; i < stagnationPoints.size(); ++i)
        stagnationByX_.emplace_back(stagnationPoints[i].real(), i);
    std::sort(stagnationByX_.begin(), stagnationByX_.end());
}

const Complex* LevelTracer::stagnationOnChord(Complex from, Complex to) const {
    const Complex middle = 0.5 * (from + to);
    const double reach = 0.5 * lengthOf(to - from) + kStagnationStop;
    // The first of the points (in their order) that lies on the chord.
    const auto first = std::lower_bound(
        stagnationByX_.begin(), stagnationByX_.end(), middle.real() - reach,
        [](const std::pair<double, std::size_t>& p, double x) { return p.first < x; });
    std::size_t found = stagnation_.size();
    for (auto p = first; p != stagnationByX_.end() && p->first <= middle.real() + reach; ++p) {
        const Complex s = stagnation_[p->second];
        if (p->second < found && squaredLength(s - middle) < reach * reach &&
            distanceToChord(s, from, to) < kStagnationStop)
            found = p->second;
    }
    return found < stagnation_.size() ? &stagnation_[found] : nullptr;
}

Trace LevelTracer::follow(Complex start, double value, int direction) const {
    return follow(start, value, direction, budget_);
}

Trace LevelTracer::follow(Complex start, double value, int direction, StepBudget& budget) const {
    Trace trace;
    trace.points.push_back(start);
    Complex z = start;
    // The last point where dW/dz was evaluated, with the value carried to
    // it: the next step's change starts there. It lies within a Newton
    // correction of z, so no evaluation is spent at z itself.
    Anchor anchor{z, value, field_.derivative(z)};
    double step = maxStep_;
    double farthest = 0;
    // How far the nearest singularity is from z.
    double clearance = field_.distanceToSingularity(z);
    const double sense = direction >= 0 ? 1.0 : -1.0;
    double growth = 2;  // of the next step over the last
    for (long long n = 0; n < kMaxStepsPerCurve && !budget.exhausted(); ++n) {
        const Complex t0 = sense * unit(tangentOf(quantity_, anchor.w));
        if (t0 == Complex{}) break;
        // Steps shorter than a third of the way to the nearest singularity
        // keep the log terms well resolved.
        const double limit = std::min(maxStep_, 0.3 * clearance);
        step = std::min(step * growth, limit);
        bool accepted = false;
        Complex z1;
        Anchor anchor1;
        double cosine = 1;
        while (step >= kMinStep) {
            budget.spend(attemptWork_);
            // Midpoint predictor along the tangent, then Newton back onto the level.
            const Complex tm =
                sense * unit(tangentOf(quantity_, field_.derivative(z + 0.5 * step * t0)));
            bool ok = tm.real() * t0.real() + tm.imag() * t0.imag() > 0;
            z1 = z + step * tm;
            const Complex w1 = field_.derivative(z1);
            double at1 =
                anchor.value + valueOf(quantity_, field_.change(anchor.z, anchor.w, z1, w1));
            anchor1 = {z1, at1, w1};
            bool settled = false;
            for (int k = 0; ok && !settled && k < 4; ++k) {
                if (k > 0) anchor1 = {z1, at1, field_.derivative(z1)};
                const Complex g = gradientOf(quantity_, anchor1.w);
                const double gg = squaredLength(g);
                if (!(gg > 0) || !std::isfinite(gg)) {
                    ok = false;
                    break;
                }
                const Complex dz = -(at1 - value) / gg * g;
                const double move = lengthOf(dz);
                if (move > 0.25 * step) ok = false;
                z1 += dz;
                at1 += valueOf(quantity_, times(anchor1.w, dz));
                settled = move < kNewtonDone;
            }
            if (ok) {
                // Newton stopped short of settling: start afresh from z1.
                if (!settled) anchor1 = {z1, at1, field_.derivative(z1)};
                const Complex t1 = sense * unit(tangentOf(quantity_, anchor1.w));
                // Both unit vectors: their dot product is the turn's cosine.
                cosine = t1.real() * t0.real() + t1.imag() * t0.imag();
                ok = t1 != Complex{} && (cosine >= kMinTurnCosine || step <= 4 * kMinStep);
            }
            if (ok) {
                accepted = true;
                break;
            }
            step *= 0.5;
        }
        if (!accepted) break;
        // The turn grows with the step: the next step is as long as keeps
        // it within the limit, so that few tries are turned down.
        const double turn = std::sqrt(std::max(0.0, 2 * (1 - cosine)));
        growth = std::clamp(kTurnAimed / std::max(turn, 1e-9), 0.5, 2.0);
        if (stop_ && stop_(z1)) break;
        farthest = std::max(farthest, lengthOf(z1 - start));
        if (farthest > std::max(1.0, 2 * step) && distanceToChord(start, z, z1) < kCloseDistance) {
            trace.points.push_back(start);
            trace.closed = true;
            break;
        }
        trace.points.push_back(z1);
        z = z1;
        anchor = anchor1;
        if (!region_.contains(z)) break;
        const Field::Nearest nearest = field_.nearest(z);
        if (nearest.squared < kSingularStop * kSingularStop) {
            trace.points.push_back(nearest.singularity->z);
            break;
        }
        clearance = std::sqrt(nearest.squared);
        // The step may pass a stagnation point: the chord is tested, not its
        // end, and the curve ends at the point instead.
        const Complex from = trace.points[trace.points.size() - 2];
        if (const Complex* stagnation = stagnationOnChord(from, z)) {
            trace.points.back() = *stagnation;
            break;
        }
    }
    return trace;
}

Trace LevelTracer::traceThrough(Complex start, double value) const {
    Trace backward;
    StepBudget aside = budget_;
    const HelperLease lease;
    HelperThread* const helper = lease.get();
    if (helper) helper->start([&] { backward = follow(start, value, -1, aside); });
    const long long before = budget_.remaining;
    Trace forward = follow(start, value, +1);
    if (helper) helper->finish();
    if (forward.closed) return forward;
    // The backward half traced aside is the one traced after the forward
    // half when what is left still exceeds its work (the budget is tested
    // before every step); otherwise it is traced again.
    const long long spent = before - aside.remaining;
    if (helper && budget_.remaining > spent)
        budget_.spend(spent);
    else
        backward = follow(start, value, -1);
    std::reverse(backward.points.begin(), backward.points.end());
    backward.points.insert(backward.points.end(), forward.points.begin() + 1, forward.points.end());
    return backward;
}

}  // namespace flow::superposition
