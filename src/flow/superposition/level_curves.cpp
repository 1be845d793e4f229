#include "flow/superposition/level_curves.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "flow/superposition/helper_thread.h"
#include "flow/superposition/segment_index.h"

namespace flow::superposition {

namespace {

constexpr double kGridSpacing = 16;  // pixels between grid lines, at least
constexpr double kMostGridLines = 400;
constexpr double kDensest = 2;         // levels closer than this (pixels) are not seeded
constexpr double kBranchRadius = 0.5;  // the circle the branches leave a stagnation point on
constexpr int kBranchSamples = 48;
constexpr double kRayStart = 1.5;             // element rays, from this radius ...
constexpr double kRayGrowth = 1.3;            // ... in steps of this ratio ...
constexpr double kRayEnd = 2 * kGridSpacing;  // ... out to this one
constexpr double kSameCurve = 0.3;            // a seed this near a traced chord is on it
constexpr double kSameLevelNear = 1.5;        // pixels
constexpr int kSeedIterations = 8;
constexpr double kSeedPrecision = 1e-4;  // pixels
// The work of W itself and of its change along a segment, in evaluations of
// dW/dz: logarithms and arctangents cost many times a quotient.
constexpr long long kPotentialWork = 16;
constexpr long long kChangeWork = 7;
// The parts of the budget the branches and the element rays may take
// together, and the grid's own values, at most.
constexpr double kSeedsBeforeGrid = 0.7;
constexpr double kGridValuesShare = 0.25;

struct LevelRange {
    long long low = 0, high = -1;
    bool crowded = false;  // left out for lying too close together
};

// Indices k of the levels between the values a and b, at most `most` of them.
LevelRange levelsBetween(double a, double b, const Levels& levels, double most) {
    if (!std::isfinite(a) || !std::isfinite(b)) return {};
    const double middle = static_cast<double>(levels.middle);
    const double reach = static_cast<double>(levels.count - 1);
    const double low = std::max(std::ceil(std::min(a, b) / levels.increment), middle - reach);
    const double high = std::min(std::floor(std::max(a, b) / levels.increment), middle + reach);
    if (!(low <= high)) return {};
    if (high - low >= std::max(1.0, most)) return {.crowded = true};
    return {static_cast<long long>(low), static_cast<long long>(high)};
}

class CurveBuilder {
  public:
    CurveBuilder(const Field& field, Quantity quantity, const Region& region, const Levels& levels,
                 const std::vector<Complex>& stagnation, StepBudget& budget)
        : field_(field),
          quantity_(quantity),
          region_(region),
          levels_(levels),
          budget_(budget),
          tracer_(field, quantity, region, stagnation, budget) {}

    // Values at the grid's corners; the middle level is taken from them.
    void prepareGrid();
    void branchesAt(Complex s);
    void seedAlongRays();
    void seedAlongGrid();
    CurveSet result() {
        set_.complete = !budget_.ranOut();
        return std::move(set_);
    }
    // The budget's work for `evaluations` of dW/dz.
    long long work(long long evaluations) const { return evaluations * workPerEvaluation(field_); }

  private:
    double value(Complex W) const { return valueOf(quantity_, W); }
    // Seeds where the levels cross the segment from a to b, whose values are
    // va and vb on one continuous branch.
    void seedAlong(Complex a, double va, Complex b, double vb);
    // The point of the level near z (value carried from a, where it is va),
    // or nothing when Newton's method does not settle.
    std::optional<Complex> onLevel(Complex a, double va, Complex z, double level) const;
    void keep(std::vector<Complex> points, double value, bool dividing) {
        index_.add(points, value);
        set_.curves.push_back({std::move(points), value, dividing});
    }

    const Field& field_;
    Quantity quantity_;
    Region region_;
    Levels levels_;
    StepBudget& budget_;
    LevelTracer tracer_;
    SegmentIndex index_{8, region_};
    CurveSet set_;
    int columns_ = 0, rows_ = 0;
    std::vector<Complex> gridZ_, gridW_;
};

void CurveBuilder::branchesAt(Complex s) {
    if (budget_.exhausted()) return;
    budget_.spend(work(kPotentialWork + kBranchSamples * kChangeWork));
    const double atS = value(field_.potential(s));
    if (!std::isfinite(atS)) return;
    std::vector<Complex> ring(kBranchSamples + 1);
    std::vector<double> values(kBranchSamples + 1);
    double spread = 0;
    for (int i = 0; i <= kBranchSamples; ++i) {
        ring[i] = s + std::polar(kBranchRadius,
                                 2 * std::numbers::pi * (i % kBranchSamples) / kBranchSamples);
        values[i] = atS + value(field_.change(s, ring[i]));
        spread = std::max(spread, std::abs(values[i] - atS));
    }
    // Levels this near the point's value pass within the ring: they go
    // through the point. Streamlines through it are drawn in any case.
    std::vector<double> through;
    if (levels_.any()) {
        const LevelRange range = levelsBetween(atS - spread, atS + spread, levels_, kBranchSamples);
        for (long long k = range.low; k <= range.high; ++k)
            through.push_back(static_cast<double>(k) * levels_.increment);
    }
    const bool dividing = quantity_ == Quantity::StreamFunction;
    if (dividing && through.empty()) through.push_back(atS);
    for (const double level : through) {
        for (int i = 0; i < kBranchSamples && !budget_.exhausted(); ++i) {
            const double d0 = values[i] - level, d1 = values[i + 1] - level;
            if (!(d0 <= 0 && d1 > 0) && !(d0 >= 0 && d1 < 0)) continue;
            const Complex p = ring[i] + (ring[i + 1] - ring[i]) * (d0 / (d0 - d1));
            if (index_.near(p, kSameCurve * kBranchRadius)) continue;
            // Outwards from the point.
            const Complex t = tangentOf(quantity_, field_.derivative(p));
            const int direction = (t * std::conj(p - s)).real() >= 0 ? 1 : -1;
            Trace branch = tracer_.follow(p, level, direction);
            branch.points.insert(branch.points.begin(), s);
            keep(std::move(branch.points), level, dividing);
        }
    }
}

std::optional<Complex> CurveBuilder::onLevel(Complex a, double va, Complex z, double level) const {
    // Newton's method from the guess; the value is carried from a. Most
    // seeds lie on curves already traced: once near the level, a seed by a
    // traced chord is dropped.
    double atZ = va + value(field_.change(a, z));
    for (int k = 0; k < kSeedIterations; ++k) {
        budget_.spend(work(1 + kChangeWork));
        const Complex w = field_.derivative(z);
        const Complex g = gradientOf(quantity_, w);
        const double gg = squaredLength(g);
        if (!(gg > 0) || !std::isfinite(gg)) return std::nullopt;
        const Complex move = -(atZ - level) / gg * g;
        const double length = lengthOf(move);
        if (!(length < kGridSpacing)) return std::nullopt;
        const double spacing = levels_.increment / std::sqrt(gg);
        if (length < 0.5 * kSameCurve && index_.near(z, std::min(kSameCurve, 0.25 * spacing)))
            return std::nullopt;
        atZ += value(field_.change(z, z + move));
        z += move;
        if (length < kSeedPrecision) return z;
    }
    return std::nullopt;
}

void CurveBuilder::seedAlong(Complex a, double va, Complex b, double vb) {
    const LevelRange range = levelsBetween(va, vb, levels_, lengthOf(b - a) / kDensest);
    set_.crowded = set_.crowded || range.crowded;
    for (long long k = range.low; k <= range.high && !budget_.exhausted(); ++k) {
        const double level = static_cast<double>(k) * levels_.increment;
        const double t = va == vb ? 0 : (level - va) / (vb - va);
        // A guess this near a curve of its level most likely lies on it.
        const Complex guess = a + t * (b - a);
        if (index_.near(guess, kSameLevelNear, level)) continue;
        const std::optional<Complex> z = onLevel(a, va, guess, level);
        if (!z || !region_.contains(*z) || field_.distanceToSingularity(*z) < 1.5 * kSingularStop)
            continue;
        keep(tracer_.traceThrough(*z, level).points, level, false);
    }
}

void CurveBuilder::seedAlongRays() {
    for (const Singularity& s : field_.singularities()) {
        if (!region_.contains(s.z)) continue;
        for (const Complex direction : {Complex(1, 0), Complex(0, 1)}) {
            if (budget_.exhausted()) return;
            budget_.spend(work(kPotentialWork));
            Complex a = s.z + kRayStart * direction;
            double va = value(field_.potential(a));
            for (double r = kRayStart * kRayGrowth; r <= kRayEnd; r *= kRayGrowth) {
                budget_.spend(work(kChangeWork));
                const Complex b = s.z + r * direction;
                const double vb = va + value(field_.change(a, b));
                seedAlong(a, va, b, vb);
                a = b;
                va = vb;
            }
        }
    }
}

void CurveBuilder::prepareGrid() {
    // Grid lines slightly off whole pixels, so elements never sit on them.
    const double x0 = region_.left + 0.371, y0 = region_.top + 0.529;
    if (region_.empty()) return;
    double spacing = region_.spacing(kGridSpacing, kMostGridLines);
    // With very many elements the grid's values alone would take much of
    // the budget: a coarser grid keeps them to their share.
    const double pointWork = static_cast<double>(work(kPotentialWork));
    const double points =
        ((region_.right - x0) / spacing + 1) * ((region_.bottom - y0) / spacing + 1);
    const double affordable = kGridValuesShare * static_cast<double>(budget_.remaining) / pointWork;
    if (points > affordable) spacing *= std::sqrt(points / std::max(affordable, 1.0));
    columns_ = static_cast<int>((region_.right - x0) / spacing) + 1;
    rows_ = static_cast<int>((region_.bottom - y0) / spacing) + 1;
    budget_.spend(static_cast<long long>(columns_) * rows_ * work(kPotentialWork));
    gridZ_.resize(static_cast<std::size_t>(columns_) * rows_);
    gridW_.resize(gridZ_.size());
    {
        // Rows shared with the helper, if any.
        const HelperLease lease;
        splitInTwo(lease.get(), static_cast<std::size_t>(rows_), [&](std::size_t j) {
            for (int i = 0; i < columns_; ++i) {
                const std::size_t n = j * columns_ + i;
                gridZ_[n] = toFlow(x0 + i * spacing, y0 + static_cast<double>(j) * spacing);
                gridW_[n] = field_.potential(gridZ_[n]);
            }
        });
    }
    std::vector<double> values;
    for (const Complex W : gridW_)
        if (std::isfinite(value(W))) values.push_back(value(W));
    if (values.empty()) return;
    const auto median = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), median, values.end());
    const double middle = std::round(*median / levels_.increment);
    levels_.middle =
        std::isfinite(middle) ? static_cast<long long>(std::clamp(middle, -1e15, 1e15)) : 0;
}

void CurveBuilder::seedAlongGrid() {
    const auto side = [&](std::size_t from, std::size_t to) {
        budget_.spend(work(1));
        const double va = value(gridW_[from]);
        const double vb =
            va + value(field_.changeBetween(gridZ_[from], gridW_[from], gridZ_[to], gridW_[to]));
        seedAlong(gridZ_[from], va, gridZ_[to], vb);
    };
    // Rows spread over the field first, so that a budget that runs out
    // leaves no part of it without lines.
    for (const int j : coarseToFine(rows_)) {
        for (int i = 0; i < columns_ && !budget_.exhausted(); ++i) {
            const std::size_t n = static_cast<std::size_t>(j) * columns_ + i;
            if (i + 1 < columns_) side(n, n + 1);
            if (j + 1 < rows_) side(n, n + columns_);
        }
    }
}

}  // namespace

CurveSet levelCurves(const Field& field, Quantity quantity, const Region& region,
                     const Levels& levels, const std::vector<Complex>& stagnation,
                     StepBudget& budget) {
    CurveBuilder builder(field, quantity, region, levels, stagnation, budget);
    // The grid's values fix the middle level, which the branches need too.
    if (levels.any()) builder.prepareGrid();
    // The branches and the element rays leave the grid's seeds a part of
    // the budget, so that a budget that runs out still covers the field.
    const long long share =
        levels.any()
            ? static_cast<long long>(kSeedsBeforeGrid * static_cast<double>(budget.remaining))
            : budget.remaining;
    withShare(budget, share, [&] {
        for (const Complex s : stagnation) builder.branchesAt(s);
        if (levels.any()) builder.seedAlongRays();
    });
    if (levels.any()) builder.seedAlongGrid();
    return builder.result();
}

}  // namespace flow::superposition
