// The squared speed |dW/dz|^2 of a superposition along rows of pixels, the
// hot loop of the colour maps: the log and pole terms of the field kept as
// separate arrays, each evaluated on eight pixels at once without branches
// or transcendental functions, so that the compiler vectorises it.
#pragma once

#include <vector>

#include "flow/maps/picture_geometry.h"
#include "flow/superposition/elements.h"

namespace flow::maps {

inline constexpr double kSingularNeighbourhood = 5;
inline constexpr double kOutrunStream = 3;

class SpeedTerms {
  public:
    explicit SpeedTerms(const std::vector<superposition::Element>& elements);

    // The free stream's speed; 0 when there is none.
    double streamSpeed() const { return superposition::lengthOf(stream_); }
    // The neighbourhoods of the points where the field is singular (sources,
    // sinks, vortices and dipoles), where the point's own term outruns the
    // rest of the flow: within kSingularNeighbourhood pixels, and, in a
    // stream, wherever the term alone is kOutrunStream times as fast as it.
    const std::vector<Circle>& singularNeighbourhoods() const { return singular_; }

    // |V|^2 at the centres of the pixels (i, row) for i < width into out.
    // A pixel centre on a singular point gives infinity or NaN.
    void squaredSpeeds(int row, int width, double* out) const;

  private:
    static constexpr int kBlock = 8;  // pixels evaluated together

    struct Terms {
        std::vector<double> x, y, re, im;  // position (flow plane), coefficient
        void add(superposition::Complex at, superposition::Complex coefficient);
        // Adds every term's share to (u, v) at the block's points (zx[j], zy):
        // `share(dx, dy, re, im, u, v)` from the point's offset and the
        // term's coefficient.
        template <class Share>
        void addTo(const double* zx, double zy, double* u, double* v, Share share) const {
            for (std::size_t t = 0; t < x.size(); ++t) {
                const double tx = x[t], dy = zy - y[t], c = re[t], d = im[t];
                for (int j = 0; j < kBlock; ++j) share(zx[j] - tx, dy, c, d, u[j], v[j]);
            }
        }
    };

    superposition::Complex stream_;
    Terms logs_;
    Terms poles_;
    std::vector<Circle> singular_;
};

}  // namespace flow::maps
