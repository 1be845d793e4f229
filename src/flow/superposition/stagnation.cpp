#include "flow/superposition/stagnation.h"

#include <cmath>
#include <optional>

namespace flow::superposition {

namespace {

constexpr double kStartSpacing = 50;  // pixels between the starts of the search grid, at least
constexpr double kMostStarts = 40;    // along either side
constexpr int kMaxIterations = 60;
constexpr double kMaxJump = 100;     // longest Newton step, pixels
constexpr double kConverged = 1e-7;  // pixels
constexpr double kSamePoint = 0.5;   // pixels

// The work budget: a Newton step evaluates dW/dz and its derivative.
constexpr long long kEvaluationsPerIteration = 3;
constexpr long long kWorkOfTheSearch = 40'000'000;

// Newton's method on w(z) = 0 from `z`; nothing when it does not settle.
std::optional<Complex> zeroFrom(const Field& field, Complex z, StepBudget& budget) {
    for (int i = 0; i < kMaxIterations; ++i) {
        if (budget.exhausted()) return std::nullopt;
        budget.spend(kEvaluationsPerIteration * workPerEvaluation(field));
        const Complex w = field.derivative(z);
        const Complex dw = field.secondDerivative(z);
        if (w == Complex{}) return z;
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
    for (const Complex start : starts) {
        if (budget.exhausted()) break;
        const std::optional<Complex> zero = zeroFrom(field, start, budget);
        if (!zero || !region.contains(*zero)) continue;
        if (field.distanceToSingularity(*zero) < kSamePoint) continue;
        budget.spend(static_cast<long long>(found.size()));
        bool known = false;
        for (const Complex f : found) known = known || std::abs(f - *zero) < kSamePoint;
        if (!known) found.push_back(*zero);
    }
    return found;
}

}  // namespace flow::superposition
