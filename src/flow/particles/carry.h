// Carries one particle along a flow for a given time, in steps small enough
// that it never jumps across a singular point or into a body.
#pragma once

#include "flow/surface.h"
#include "flow/velocity/picture_flow.h"

namespace flow::particles {

// A particle this close to a singular point (pixels) is swallowed by it.
inline constexpr double kSingularReach = 1;

enum class Fate {
    Moving,
    Stopped,    // the speed where it is is numerically zero: it stays
    Left,       // left the picture
    Swallowed,  // reached a singular point or a body
};

inline bool gone(Fate fate) {
    return fate == Fate::Left || fate == Fate::Swallowed;
}

// How a call to carry ended, and the time the particle was carried.
struct Trip {
    Fate fate = Fate::Moving;
    double time = 0;
};

struct StepLimits {
    double longest = 2;  // pixels a step moves at most
    int steps = 64;      // steps at most in one call: a particle beyond moves less
};

class Carrier {
  public:
    // Speeds at or below `stoppedSpeed` (pixels per unit time) count as zero.
    Carrier(const PictureFlow& flow, const Box& picture, double stoppedSpeed)
        : flow_(&flow), picture_(picture), stoppedSpeed_(stoppedSpeed) {}

    // Moves `p` along the flow for `time`, or less when it reaches the step
    // limit, stops or is gone.
    Trip carry(maps::PicturePoint& p, double time, const StepLimits& limits) const;

    // Whether a particle at `p` is gone: outside the picture, within reach
    // of a singular point, or inside a body.
    bool gone(maps::PicturePoint p) const;
    // Whether `p` lies in the picture and outside every body.
    bool inside(maps::PicturePoint p) const;

    const PictureFlow& flow() const { return *flow_; }
    const Box& picture() const { return picture_; }

  private:
    bool outside(maps::PicturePoint p) const;
    // One fourth-order Runge-Kutta step of time h from p, where the velocity
    // is v; false when a stage or the end lies in a body.
    bool step(maps::PicturePoint p, superposition::ScreenVelocity v, double h,
              maps::PicturePoint& end) const;

    const PictureFlow* flow_;
    Box picture_;
    double stoppedSpeed_;
};

}  // namespace flow::particles
