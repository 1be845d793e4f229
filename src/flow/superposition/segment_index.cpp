#include "flow/superposition/segment_index.h"

#include <algorithm>
#include <cmath>

namespace flow::superposition {

namespace {
// Beyond this the array would cost more than it saves: the cells go by key.
constexpr std::int64_t kMostArrayCells = 1 << 20;
constexpr std::size_t kFirstChords = 16;
}  // namespace

double distanceToChord(Complex p, Complex a, Complex b) {
    const Complex ab = b - a;
    const double len2 = squaredLength(ab);
    const double t =
        len2 > 0
            ? std::clamp(((p - a).real() * ab.real() + (p - a).imag() * ab.imag()) / len2, 0.0, 1.0)
            : 0;
    return lengthOf(p - (a + t * ab));
}

SegmentIndex::SegmentIndex(double cellSize, const Region& region) : cell_(cellSize) {
    if (region.empty()) return;
    // Flow plane: x runs from -right to -left, y from -bottom to -top.
    left_ = cellOf(-region.right) - 1;
    top_ = cellOf(-region.bottom) - 1;
    columns_ = cellOf(-region.left) + 2 - left_;
    rows_ = cellOf(-region.top) + 2 - top_;
    if (columns_ * rows_ > kMostArrayCells) columns_ = rows_ = 0;
    array_.resize(static_cast<std::size_t>(columns_ * rows_));
}

std::vector<SegmentIndex::Chord>* SegmentIndex::cell(std::int64_t i, std::int64_t j, bool add) {
    std::vector<Chord>* chords = nullptr;
    if (i - left_ >= 0 && i - left_ < columns_ && j - top_ >= 0 && j - top_ < rows_) {
        chords = &array_[static_cast<std::size_t>((j - top_) * columns_ + (i - left_))];
    } else if (add) {
        chords = &cells_[key(i, j)];
    } else {
        const auto found = cells_.find(key(i, j));
        return found == cells_.end() ? nullptr : &found->second;
    }
    // A cell takes a few chords of every curve through it: room for them at once.
    if (add && chords->capacity() == 0) chords->reserve(kFirstChords);
    return chords;
}

std::int64_t SegmentIndex::cellOf(double v) const {
    // Far-off points share the outermost cells; the region bounds them anyway.
    return static_cast<std::int64_t>(std::floor(std::clamp(v / cell_, -1e9, 1e9)));
}

void SegmentIndex::add(const std::vector<Complex>& polyline, double value) {
    for (std::size_t k = 1; k < polyline.size(); ++k) {
        const Complex a = polyline[k - 1], b = polyline[k];
        const std::int64_t i0 = cellOf(std::min(a.real(), b.real()));
        const std::int64_t i1 = cellOf(std::max(a.real(), b.real()));
        const std::int64_t j0 = cellOf(std::min(a.imag(), b.imag()));
        const std::int64_t j1 = cellOf(std::max(a.imag(), b.imag()));
        // Chords are short; a long one (across a gap) is bucketed only where it starts and ends.
        if ((i1 - i0 + 1) * (j1 - j0 + 1) > 64) {
            cell(cellOf(a.real()), cellOf(a.imag()), true)->push_back({a, b, value});
            cell(cellOf(b.real()), cellOf(b.imag()), true)->push_back({a, b, value});
            continue;
        }
        for (std::int64_t i = i0; i <= i1; ++i)
            for (std::int64_t j = j0; j <= j1; ++j) cell(i, j, true)->push_back({a, b, value});
    }
}

bool SegmentIndex::near(Complex p, double radius) const {
    return anyNear(p, radius, [](const Chord&) { return true; });
}

bool SegmentIndex::near(Complex p, double radius, double value) const {
    return anyNear(p, radius, [value](const Chord& c) { return c.value == value; });
}

template <typename Test>
bool SegmentIndex::anyNear(Complex p, double radius, Test test) const {
    const std::int64_t i = cellOf(p.real()), j = cellOf(p.imag());
    for (std::int64_t di = -1; di <= 1; ++di) {
        for (std::int64_t dj = -1; dj <= 1; ++dj) {
            const std::vector<Chord>* chords = cell(i + di, j + dj);
            if (!chords) continue;
            for (const Chord& c : *chords)
                if (test(c) && distanceToChord(p, c.a, c.b) < radius) return true;
        }
    }
    return false;
}

}  // namespace flow::superposition
