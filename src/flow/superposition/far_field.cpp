#include "flow/superposition/far_field.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <mutex>

namespace flow::superposition {

namespace {

// Cells reach this far beyond the terms' bounding box; farther points are
// summed term by term.
constexpr double kMargin = 2 * FarField::kCell;
constexpr int kMostCells = 1 << 16;

using Complex = std::complex<double>;

Complex reciprocalOf(Complex d) {
    const double k = 1 / (d.real() * d.real() + d.imag() * d.imag());
    return {d.real() * k, -d.imag() * k};
}

}  // namespace

std::shared_ptr<const FarField> FarField::of(const std::vector<FieldTerm>& logs,
                                             const std::vector<FieldTerm>& poles,
                                             const std::vector<Complex>& points) {
    if (logs.size() + poles.size() < kWorthwhile) return nullptr;
    // The streamlines and the equipotentials of one picture are drawn from
    // fields of the same terms, often side by side: they share the cells.
    static std::mutex mutex;
    static std::shared_ptr<const FarField> last;
    {
        const std::lock_guard lock(mutex);
        if (last && last->logs_ == logs && last->poles_ == poles && last->points_ == points)
            return last;
    }
    auto far = std::make_shared<FarField>(logs, poles, points);
    if (!far->cells_) return nullptr;
    const std::lock_guard lock(mutex);
    last = far;
    return far;
}

FarField::FarField(const std::vector<FieldTerm>& logs, const std::vector<FieldTerm>& poles,
                   const std::vector<Complex>& points)
    : logs_(logs), poles_(poles), points_(points) {
    double left = std::numeric_limits<double>::infinity(), top = left;
    double right = -left, bottom = -left;
    for (const std::vector<FieldTerm>* terms : {&logs_, &poles_})
        for (const FieldTerm& t : *terms) {
            left = std::min(left, t.x);
            right = std::max(right, t.x);
            top = std::min(top, t.y);
            bottom = std::max(bottom, t.y);
        }
    const double columns = std::ceil((right - left + 2 * kMargin) / kCell);
    const double rows = std::ceil((bottom - top + 2 * kMargin) / kCell);
    if (!(columns * rows <= kMostCells)) return;  // also when not finite
    left_ = left - kMargin;
    top_ = top - kMargin;
    columns_ = static_cast<int>(columns);
    rows_ = static_cast<int>(rows);
    cells_ =
        std::make_unique<std::atomic<const Cell*>[]>(static_cast<std::size_t>(columns_) * rows_);
}

FarField::~FarField() {
    if (!cells_) return;
    for (std::size_t i = 0; i < static_cast<std::size_t>(columns_) * rows_; ++i)
        delete cells_[i].load(std::memory_order_relaxed);
}

const FarField::Cell* FarField::cellAt(Complex z) const {
    const double column = (z.real() - left_) / kCell;
    const double row = (z.imag() - top_) / kCell;
    if (!(column >= 0 && column < columns_ && row >= 0 && row < rows_)) return nullptr;
    // Not negative: truncation is the floor.
    const int i = static_cast<int>(column), j = static_cast<int>(row);
    std::atomic<const Cell*>& slot = cells_[static_cast<std::size_t>(j) * columns_ + i];
    if (const Cell* cell = slot.load(std::memory_order_acquire)) return cell;
    const Cell* made = make(i, j);
    const Cell* expected = nullptr;
    if (slot.compare_exchange_strong(expected, made, std::memory_order_acq_rel)) return made;
    delete made;  // another thread made the same cell first
    return expected;
}

const FarField::Cell* FarField::make(int column, int row) const {
    auto cell = std::make_unique<Cell>();
    cell->centre = {left_ + (column + 0.5) * kCell, top_ + (row + 0.5) * kCell};
    const auto near = [&](const FieldTerm& t) {
        const double dx = t.x - cell->centre.real(), dy = t.y - cell->centre.imag();
        return dx * dx + dy * dy < kNearRadius * kNearRadius;
    };
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (std::norm(points_[i] - cell->centre) < kNearRadius * kNearRadius)
            cell->nearPoints.push_back(i);
    // With d = z0 - centre and t = z - centre:
    // c / (z - z0) = -(c / d) sum (t / d)^k, and
    // -c / (z - z0)^2 = -(c / d^2) sum (k + 1) (t / d)^k.
    for (const FieldTerm& t : logs_) {
        if (near(t)) {
            cell->nearLogs.push_back(t);
            continue;
        }
        const Complex r = reciprocalOf(Complex(t.x, t.y) - cell->centre);
        Complex q = -Complex(t.re, t.im) * r;
        for (Complex& b : cell->series) {
            b += q;
            q *= r;
        }
    }
    for (const FieldTerm& t : poles_) {
        if (near(t)) {
            cell->nearPoles.push_back(t);
            continue;
        }
        const Complex r = reciprocalOf(Complex(t.x, t.y) - cell->centre);
        Complex q = -Complex(t.re, t.im) * r * r;
        for (int k = 0; k < kSeriesTerms; ++k) {
            cell->series[k] += static_cast<double>(k + 1) * q;
            q *= r;
        }
    }
    for (int k = 0; k < kSeriesTerms; ++k) cell->integral[k] = cell->series[k] / (k + 1.0);
    return cell.release();
}

}  // namespace flow::superposition
