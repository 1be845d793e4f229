#include "flow/superposition/stagnation.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "flow/superposition/helper_thread.h"

namespace flow::superposition {

namespace {

constexpr double kStartSpacing = 50;  // pixels between the starts of the search grid, at least
constexpr double kMostStarts = 40;    // along either side
constexpr int kMaxIterations = 60;
constexpr double kMaxJump = 100;            // longest Newton step, pixels
constexpr double kConverged = 1e-7;         // pixels
constexpr double kSamePoint = 0.05;         // pixels
constexpr double kBesideSingularity = 0.5;  // pixels
constexpr double kPartnerStart = 0.25;      // pixels

// The work budget: a Newton step evaluates dW/dz and its derivative.
constexpr long long kEvaluationsPerIteration = 3;
constexpr long long kWorkOfTheSearch = 40'000'000;
// Starts searched at once, half on each thread, before their points are
// taken in order.
constexpr std::size_t kStartsAtOnce = 64;

// Newton's method on w(z) = 0 from `z`, or with `other` on w(z) / (z - other)
// (the zeros but `other`); nothing when it does not settle.
std::optional<Complex> zeroFrom(const Field& field, Complex z, StepBudget& budget,
                                std::optional<Complex> other = std::nullopt) {
    for (int i = 0; i < kMaxIterations; ++i) {
        if (budget.exhausted()) return std::nullopt;
        budget.spend(kEvaluationsPerIteration * workPerEvaluation(field));
        const Complex w = field.derivative(z);
        Complex dw = field.secondDerivative(z);
        if (w == Complex{}) return z;
        if (other) dw -= w / (z - *other);
        if (dw == Complex{} || !std::isfinite(std::abs(dw))) return std::nullopt;
        Complex dz = -w / dw;
        const double length = std::abs(dz);
        if (!std::isfinite(length)) return std::nullopt;
        if (length > kMaxJump) dz *= kMaxJump / length;
        z += dz;
        if (length < kConverged) return z;
    }
    // Multiple zeros converge slowly: accept a point where the speed is tiny.
    const double speed = std::abs(field.derivative(z));
    if (speed < 1e-9) return z;
    return std::nullopt;
}

}  // namespace

std::vector<Complex> stagnationPoints(const Field& field, const Region& region) {
    StepBudget budget = stagnationBudget();
    return stagnationPoints(field, region, budget);
}

StepBudget stagnationBudget() {
    return {kWorkOfTheSearch};
}

std::vector<Complex> stagnationPoints(const Field& field, const Region& region,
                                      StepBudget& budget) {
    if (region.empty() || field.empty()) return {};
    std::vector<Complex> starts;
    const double spacing = region.spacing(kStartSpacing, kMostStarts);
    const int rows = static_cast<int>((region.bottom - region.top) / spacing) + 1;
    for (const int row : coarseToFine(rows))
        for (double x = region.left; x <= region.right; x += spacing)
            starts.push_back(toFlow(x, region.top + row * spacing));
    for (const Singularity& s : field.singularities()) {
        for (const double r : {3.0, 15.0, 60.0}) {
            for (int k = 0; k < 8; ++k) starts.push_back(s.z + std::polar(r, k * 0.785398));
        }
    }
    std::vector<Complex> found;
    const auto add = [&](std::optional<Complex> zero) {
        if (!zero || !region.contains(*zero)) return;
        if (field.distanceToSingularity(*zero) < kBesideSingularity) return;
        budget.spend(static_cast<long long>(found.size()));
        bool known = false;
        for (const Complex f : found) known = known || std::abs(f - *zero) < kSamePoint;
        if (!known) found.push_back(*zero);
    };
    // With the helper, the searches from a batch of starts run at once, each
    // with what the budget holds at the batch's start, counting its work.
    // Taken in order, one is the search that would have run then if the
    // budget still exceeds its work (the budget is tested before every
    // step), and is run again if not.
    const HelperLease lease;
    const std::size_t batch = lease.get() ? kStartsAtOnce : 1;
    std::vector<std::optional<Complex>> zeros(batch);
    std::vector<long long> spent(batch);
    for (std::size_t first = 0; first < starts.size() && !budget.exhausted(); first += batch) {
        if (!lease.get()) {
            add(zeroFrom(field, starts[first], budget));
            continue;
        }
        const std::size_t count = std::min(batch, starts.size() - first);
        splitInTwo(lease.get(), count, [&](std::size_t k) {
            StepBudget own = budget;
            zeros[k] = zeroFrom(field, starts[first + k], own);
            spent[k] = budget.remaining - own.remaining;
        });
        for (std::size_t k = 0; k < count && !budget.exhausted(); ++k) {
            if (budget.remaining > spent[k]) {
                budget.spend(spent[k]);
                add(zeros[k]);
            } else {
                add(zeroFrom(field, starts[first + k], budget));
            }
        }
    }
    // Two points close together draw Newton's method from afar to one of
    // them: the other is sought with the first divided out.
    for (std::size_t k = 0, first = found.size(); k < first && !budget.exhausted(); ++k)
        add(zeroFrom(field, found[k] + kPartnerStart, budget, found[k]));
    return found;
}

}  // namespace flow::superposition
