#include "flow/particles/carry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace flow::particles {

namespace {

using maps::PicturePoint;
using superposition::ScreenVelocity;

// A step moves at most this share of the distance to the nearest singular
// point or body. Next to a body the step may still be this long (pixels):
// the flow runs along the outline, so the particle does not cross it, and a
// step that would still end inside is taken smaller.
constexpr double kShare = 0.25;
constexpr double kBodyFloor = 0.5;
// How many times a step that ends in a body is halved before the particle
// waits for the next call.
constexpr int kHalvings = 12;

PicturePoint moved(PicturePoint p, ScreenVelocity v, double h) {
    return {p.x + v.dx * h, p.y + v.dy * h};
}

}  // namespace

bool Carrier::outside(PicturePoint p) const {
    return !(
        p.x >= static_cast<double>(picture_.left) && p.x <= static_cast<double>(picture_.right) &&
        p.y >= static_cast<double>(picture_.top) && p.y <= static_cast<double>(picture_.bottom));
}

bool Carrier::gone(PicturePoint p) const {
    return outside(p) || !(flow_->singularDistance(p.x, p.y) >= kSingularReach) ||
           flow_->bodyDistance(p.x, p.y) < 0;
}

bool Carrier::inside(PicturePoint p) const {
    return !outside(p) && flow_->bodyDistance(p.x, p.y) >= 0;
}

bool Carrier::step(PicturePoint p, ScreenVelocity v1, double h, PicturePoint& end) const {
    const auto at = [&](ScreenVelocity v, double t) {
        const PicturePoint q = moved(p, v, t);
        return flow_->velocityAt(q.x, q.y);
    };
    const std::optional<ScreenVelocity> v2 = at(v1, h / 2);
    if (!v2) return false;
    const std::optional<ScreenVelocity> v3 = at(*v2, h / 2);
    if (!v3) return false;
    const std::optional<ScreenVelocity> v4 = at(*v3, h);
    if (!v4) return false;
    const ScreenVelocity mean{(v1.dx + 2 * v2->dx + 2 * v3->dx + v4->dx) / 6,
                              (v1.dy + 2 * v2->dy + 2 * v3->dy + v4->dy) / 6};
    end = moved(p, mean, h);
    return std::isfinite(end.x) && std::isfinite(end.y) && flow_->bodyDistance(end.x, end.y) >= 0;
}

Trip Carrier::carry(PicturePoint& p, double time, const StepLimits& limits) const {
    double left = time, spent = 0;
    for (int n = 0; n < limits.steps && left > 0; ++n) {
        const double singular = flow_->singularDistance(p.x, p.y);
        const double body = flow_->bodyDistance(p.x, p.y);
        if (outside(p)) return {Fate::Left, spent};
        if (!(singular >= kSingularReach) || body < 0) return {Fate::Swallowed, spent};
        const std::optional<ScreenVelocity> v = flow_->velocityAt(p.x, p.y);
        const double speed =
            v ? std::sqrt(v->dx * v->dx + v->dy * v->dy) : std::numeric_limits<double>::quiet_NaN();
        if (!std::isfinite(speed)) return {Fate::Swallowed, spent};
        if (!(speed > stoppedSpeed_)) return {n == 0 ? Fate::Stopped : Fate::Moving, spent};
        const double reach =
            std::min({limits.longest, kShare * singular, std::max(kShare * body, kBodyFloor)});
        double h = std::min(left, reach / speed);
        PicturePoint end;
        int halvings = 0;
        while (!step(p, *v, h, end)) {
            if (++halvings > kHalvings) return {Fate::Moving, spent};
            h /= 2;
        }
        p = end;
        left -= h;
        spent += h;
    }
    if (outside(p)) return {Fate::Left, spent};
    return {gone(p) ? Fate::Swallowed : Fate::Moving, spent};
}

}  // namespace flow::particles
