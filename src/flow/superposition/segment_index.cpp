#include "flow/superposition/segment_index.h"

#include <algorithm>
#include <cmath>

namespace flow::superposition {

double distanceToChord(Complex p, Complex a, Complex b) {
    const Complex ab = b - a;
    const double len2 = squaredLength(ab);
    const double t =
        len2 > 0
            ? std::clamp(((p - a).real() * ab.real() + (p - a).imag() * ab.imag()) / len2, 0.0, 1.0)
            : 0;
    return lengthOf(p - (a + t * ab));
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
            cells_[key(cellOf(a.real()), cellOf(a.imag()))].push_back({a, b, value});
            cells_[key(cellOf(b.real()), cellOf(b.imag()))].push_back({a, b, value});
            continue;
        }
        for (std::int64_t i = i0; i <= i1; ++i)
            for (std::int64_t j = j0; j <= j1; ++j) cells_[key(i, j)].push_back({a, b, value});
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
            const auto found = cells_.find(key(i + di, j + dj));
            if (found == cells_.end()) continue;
            for (const Chord& c : found->second)
                if (test(c) && distanceToChord(p, c.a, c.b) < radius) return true;
        }
    }
    return false;
}

}  // namespace flow::superposition
