#include "flow/maps/speed_terms.h"

#include <algorithm>
#include <cmath>

namespace flow::maps {

namespace sp = superposition;

void SpeedTerms::Terms::add(sp::Complex at, sp::Complex coefficient) {
    x.push_back(at.real());
    y.push_back(at.imag());
    re.push_back(coefficient.real());
    im.push_back(coefficient.imag());
}

SpeedTerms::SpeedTerms(const std::vector<sp::Element>& elements) {
    std::vector<sp::Element> streams;
    std::copy_if(elements.begin(), elements.end(), std::back_inserter(streams),
                 [](const sp::Element& e) { return e.kind == sp::ElementKind::Stream; });
    // A field of streams alone has dW/dz the same everywhere.
    stream_ = sp::Field(streams).derivative({});
    const sp::Field field(elements);
    for (const sp::Singularity& s : field.singularities()) {
        if (s.log != sp::Complex{}) logs_.add(s.z, s.log);
        if (s.pole != sp::Complex{}) poles_.add(s.z, s.pole);
        // The term alone runs at |log| / r and |pole| / r^2.
        const double fast = kOutrunStream * streamSpeed();
        const double reach =
            fast > 0 ? std::max(std::abs(s.log) / fast, std::sqrt(std::abs(s.pole) / fast)) : 0;
        singular_.push_back({pictureOf(s.z), std::max(reach, kSingularNeighbourhood)});
    }
}

void SpeedTerms::squaredSpeeds(int row, int width, double* out) const {
    // The flow plane's point for the pixel (x, y) is -(x + i y).
    const double zy = -(row + 0.5);
    for (int first = 0; first < width; first += kBlock) {
        double zx[kBlock], u[kBlock], v[kBlock];
        for (int j = 0; j < kBlock; ++j) {
            zx[j] = -(first + j + 0.5);
            u[j] = stream_.real();
            v[j] = stream_.imag();
        }
        // log_k / (z - z0) = log_k conj(z - z0) / |z - z0|^2.
        logs_.addTo(zx, zy, u, v,
                    [](double dx, double dy, double re, double im, double& du, double& dv) {
                        const double k = 1 / (dx * dx + dy * dy);
                        du += (re * dx + im * dy) * k;
                        dv += (im * dx - re * dy) * k;
                    });
        // -pole_k / (z - z0)^2 = -pole_k conj(z - z0)^2 / |z - z0|^4.
        poles_.addTo(zx, zy, u, v,
                     [](double dx, double dy, double re, double im, double& du, double& dv) {
                         const double n = 1 / (dx * dx + dy * dy);
                         const double k = n * n;
                         const double cr = dx * dx - dy * dy, ci = -2 * dx * dy;
                         du -= (re * cr - im * ci) * k;
                         dv -= (re * ci + im * cr) * k;
                     });
        const int count = std::min(kBlock, width - first);
        for (int j = 0; j < count; ++j) out[first + j] = u[j] * u[j] + v[j] * v[j];
    }
}

}  // namespace flow::maps
