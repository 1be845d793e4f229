// The far part of a sum of many log and pole terms, seen from a small square
// cell of the plane: the terms far from the cell add up to one power series
// about its centre, so that an evaluation in the cell sums only the terms
// near it exactly and the series once instead of every term. The cells are
// made when first asked for, by whichever thread asks; a cell is the same
// whoever makes it, so results do not depend on the threads.
#pragma once

#include <atomic>
#include <complex>
#include <memory>
#include <vector>

namespace flow::superposition {

// One log or pole term: coefficient (re, im) at the point (x, y) of the flow
// plane.
struct FieldTerm {
    double x, y;
    double re, im;
    friend bool operator==(const FieldTerm&, const FieldTerm&) = default;
};

class FarField {
  public:
    using Complex = std::complex<double>;

    // Terms farther than kNearRadius from a cell's centre are far: over four
    // times farther than any point of the cell, so the series' terms fall
    // off fast.
    static constexpr double kCell = 32;               // pixels
    static constexpr double kNearRadius = 3 * kCell;  // from the cell's centre
    static constexpr int kSeriesTerms = 24;           // even
    // A change of W is taken from the series between points this near the
    // centre (a tracer's step from anywhere in the cell); its terms then fall
    // off by a third.
    static constexpr double kChangeReach = kCell;
    static_assert(kSeriesTerms % 2 == 0);
    // Fewer terms than this are summed faster one by one.
    static constexpr std::size_t kWorthwhile = 32;

    struct Cell {
        Complex centre;
        Complex series[kSeriesTerms];    // dW/dz of the far terms = sum series[k] (z - centre)^k
        Complex integral[kSeriesTerms];  // series[k] / (k + 1): W's change is their sum's
        // True when the series' integral is exact enough from a to b.
        bool reaches(Complex a, Complex b) const {
            return std::norm(a - centre) <= kChangeReach * kChangeReach &&
                   std::norm(b - centre) <= kChangeReach * kChangeReach;
        }
        std::vector<FieldTerm> nearLogs, nearPoles;
        std::vector<std::size_t> nearPoints;  // indices of the points near the cell
    };

    // The terms, and the points they sit at (for the nearest point's search).
    // Null when there are too few terms for grouping to pay.
    static std::shared_ptr<const FarField> of(const std::vector<FieldTerm>& logs,
                                              const std::vector<FieldTerm>& poles,
                                              const std::vector<Complex>& points);
    FarField(const std::vector<FieldTerm>& logs, const std::vector<FieldTerm>& poles,
             const std::vector<Complex>& points);
    ~FarField();
    FarField(const FarField&) = delete;
    FarField& operator=(const FarField&) = delete;

    // The cell z lies in, or null outside the cells' grid.
    const Cell* cellAt(Complex z) const;

  private:
    const Cell* make(int column, int row) const;

    std::vector<FieldTerm> logs_, poles_;
    std::vector<Complex> points_;
    double left_ = 0, top_ = 0;  // flow-plane corner of the grid
    int columns_ = 0, rows_ = 0;
    std::unique_ptr<std::atomic<const Cell*>[]> cells_;
};

// The far terms' dW/dz at z in the cell: the even and the odd powers summed
// side by side, which halves the chain of dependent products.
inline std::complex<double> farDerivative(const FarField::Cell& cell, std::complex<double> z) {
    const double x = z.real() - cell.centre.real(), y = z.imag() - cell.centre.imag();
    const double x2 = x * x - y * y, y2 = 2 * x * y;  // t^2
    constexpr int last = FarField::kSeriesTerms - 2;  // the last even power
    double er = cell.series[last].real(), ei = cell.series[last].imag();
    double orr = cell.series[last + 1].real(), oi = cell.series[last + 1].imag();
    for (int k = last - 2; k >= 0; k -= 2) {
        const double e = er * x2 - ei * y2 + cell.series[k].real();
        ei = er * y2 + ei * x2 + cell.series[k].imag();
        er = e;
        const double o = orr * x2 - oi * y2 + cell.series[k + 1].real();
        oi = orr * y2 + oi * x2 + cell.series[k + 1].imag();
        orr = o;
    }
    return {er + orr * x - oi * y, ei + orr * y + oi * x};
}

// The far terms' second derivative of W at z in the cell.
inline std::complex<double> farSecondDerivative(const FarField::Cell& cell,
                                                std::complex<double> z) {
    const std::complex<double> t = z - cell.centre;
    std::complex<double> sum;
    for (int k = FarField::kSeriesTerms - 1; k >= 1; --k)
        sum = sum * t + static_cast<double>(k) * cell.series[k];
    return sum;
}

// The far terms' change of W from a to b, both within the cell's reach.
inline std::complex<double> farChange(const FarField::Cell& cell, std::complex<double> a,
                                      std::complex<double> b) {
    // sum integral[k] t^(k+1), Horner's way.
    const auto primitive = [&](std::complex<double> t) {
        double re = cell.integral[FarField::kSeriesTerms - 1].real();
        double im = cell.integral[FarField::kSeriesTerms - 1].imag();
        for (int k = FarField::kSeriesTerms - 2; k >= -1; --k) {
            const double r = re * t.real() - im * t.imag() + (k >= 0 ? cell.integral[k].real() : 0);
            im = re * t.imag() + im * t.real() + (k >= 0 ? cell.integral[k].imag() : 0);
            re = r;
        }
        return std::complex<double>(re, im);
    };
    return primitive(b - cell.centre) - primitive(a - cell.centre);
}

}  // namespace flow::superposition
