#include "flow/particles/release_line.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace flow::particles {

namespace {

using maps::between;

// Pieces of the edges this long (pixels) are weighed by the flow through
// their middles.
constexpr double kEdgePiece = 2;
// Particles leave a source from a circle of this radius (pixels).
constexpr double kOutletRadius = 3;
// Tries to find a point that is not gone before the last one is taken.
constexpr int kTries = 16;

}  // namespace

ReleaseLine::ReleaseLine(const Carrier& carrier, const Release& release) : carrier_(carrier) {
    const std::vector<PicturePoint>& p = release.points;
    switch (release.kind) {
        case ReleaseKind::DrawnLine:
            if (!p.empty()) {
                addInlet(p.front(), p.size() > 1 ? p[1] : p.front(), 0, 1);
                return;
            }
            break;
        case ReleaseKind::Streamlines:
            std::copy_if(p.begin(), p.end(), std::back_inserter(points_),
                         [&](PicturePoint q) { return !carrier_.gone(q); });
            if (!points_.empty()) return;
            break;
        case ReleaseKind::UpstreamEdge:
            break;
    }
    upstreamEdge();
}

void ReleaseLine::addInlet(PicturePoint from, PicturePoint to, double radius, double weight) {
    inlets_.push_back({from, to, radius, (inlets_.empty() ? 0 : inlets_.back().upTo) + weight});
}

void ReleaseLine::upstreamEdge() {
    const PictureFlow& flow = carrier_.flow();
    const Box& box = carrier_.picture();
    const double left = static_cast<double>(box.left), right = static_cast<double>(box.right);
    const double top = static_cast<double>(box.top), bottom = static_cast<double>(box.bottom);
    struct Edge {
        PicturePoint from, to;
        double nx, ny;  // the inward normal
    };
    const Edge edges[] = {{{left, top}, {right, top}, 0, 1},
                          {{left, bottom}, {right, bottom}, 0, -1},
                          {{left, top}, {left, bottom}, 1, 0},
                          {{right, top}, {right, bottom}, -1, 0}};
    // The flow in and out through the edges, the sum of the velocities along
    // them and of the speeds, each times the length.
    double in = 0, out = 0, sumX = 0, sumY = 0, sumSpeed = 0;
    for (const Edge& e : edges) {
        const double length = std::hypot(e.to.x - e.from.x, e.to.y - e.from.y);
        const int pieces = std::max(1, static_cast<int>(std::ceil(length / kEdgePiece)));
        for (int i = 0; i < pieces; ++i) {
            const PicturePoint a = between(e.from, e.to, static_cast<double>(i) / pieces);
            const PicturePoint b = between(e.from, e.to, static_cast<double>(i + 1) / pieces);
            const PicturePoint m = between(a, b, 0.5);
            if (carrier_.gone(m)) continue;
            const std::optional<superposition::ScreenVelocity> v = flow.velocityAt(m.x, m.y);
            if (!v || !std::isfinite(v->dx) || !std::isfinite(v->dy)) continue;
            const double piece = length / pieces;
            const double flux = (v->dx * e.nx + v->dy * e.ny) * piece;
            if (flux > 0) addInlet(a, b, 0, flux);
            (flux > 0 ? in : out) += std::abs(flux);
            sumX += v->dx * piece;
            sumY += v->dy * piece;
            sumSpeed += std::hypot(v->dx, v->dy) * piece;
        }
    }
    bool sources = false;
    for (const PictureFlow::Outlet& o : flow.outlets())
        if (o.strength > 0 && carrier_.inside(o.at)) {
            addInlet(o.at, o.at, kOutletRadius, o.strength);
            sources = true;
        }
    // Fluid passes through the picture when it comes out of sources, when
    // more enters than leaves (sinks inside), or when it crosses the picture
    // mostly one way (a stream). Otherwise (a lone vortex or dipole) what
    // enters at one corner leaves at the next, and particles that only came
    // in there would leave the rest of the picture empty.
    const bool through =
        sources || (in > 0 && (in - out >= 0.5 * in || std::hypot(sumX, sumY) >= 0.5 * sumSpeed));
    spread_ = !through || flow.still();
}

PicturePoint ReleaseLine::candidate(RandomStream& random, std::uint64_t turn, bool anywhere) const {
    if (!points_.empty()) return points_[turn % points_.size()];
    const Box& box = carrier_.picture();
    if ((spread_ && anywhere) || inlets_.empty())
        return {static_cast<double>(box.left) +
                    random.uniform() * static_cast<double>(box.right - box.left),
                static_cast<double>(box.top) +
                    random.uniform() * static_cast<double>(box.bottom - box.top)};
    const double u = random.uniform() * inlets_.back().upTo;
    const auto inlet = std::upper_bound(inlets_.begin(), inlets_.end() - 1, u,
                                        [](double w, const Inlet& i) { return w < i.upTo; });
    const double share = random.uniform();
    if (inlet->radius == 0) return between(inlet->from, inlet->to, share);
    const double angle = 2 * std::numbers::pi * share;
    return {inlet->from.x + inlet->radius * std::cos(angle),
            inlet->from.y + inlet->radius * std::sin(angle)};
}

PicturePoint ReleaseLine::pick(RandomStream& random, std::uint64_t turn, bool anywhere) const {
    PicturePoint p = candidate(random, turn, anywhere);
    for (int i = 1; i < kTries && carrier_.gone(p); ++i) p = candidate(random, turn + i, anywhere);
    return p;
}

}  // namespace flow::particles
