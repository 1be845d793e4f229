// Fluid particles carried by a steady flow over the picture, frame by frame,
// each with the short trail of its last positions. Particles that leave the
// picture, come within a pixel of a singular point (a sink swallows them) or
// end up in a body are released again on the release line. New particles
// start at random ages, as if they had been flowing for a while, so that a
// steady stream shows from the first frame. The same seed, flow and calls
// give the same particles, frame for frame, whatever order they are moved
// in. The flow must outlive the system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "flow/particles/carry.h"
#include "flow/particles/random_stream.h"
#include "flow/surface.h"
#include "flow/velocity/picture_flow.h"

namespace flow::particles {

using maps::PicturePoint;

class ReleaseLine;

enum class ReleaseKind {
    UpstreamEdge,  // where the flow enters the picture (and next to sources)
    DrawnLine,     // along a line the user drew: `points` holds its two ends
    Streamlines,   // at the upstream ends of the drawn streamlines: `points`
};

struct Release {
    ReleaseKind kind = ReleaseKind::UpstreamEdge;
    std::vector<PicturePoint> points;
};

struct Particle {
    // The positions of the last frames, newest last; the first is where the
    // particle was released when its trail is shorter than the longest.
    std::vector<PicturePoint> trail;
    bool stopped = false;  // resting at a stagnation point
    PicturePoint at() const { return trail.back(); }
};

// Every particle counts once: moving + stopped + released is their number.
struct FrameCount {
    int moving = 0;
    int stopped = 0;   // at stagnation points: they stay where they are
    int released = 0;  // released again this frame
};

class ParticleSystem {
  public:
    // `picture` is the box particles live in; `trailLength` the number of
    // positions a trail keeps (at least 1).
    ParticleSystem(const PictureFlow& flow, const Box& picture, const Release& release, int count,
                   int trailLength, std::uint32_t seed = 1);
    ParticleSystem(ParticleSystem&&) noexcept;
    ~ParticleSystem();

    // Moves every particle along the flow by dt units of the flow's time,
    // in as many smaller steps as it takes that no particle jumps across an
    // element or into a body; appends the new positions to the trails. A
    // frame moves a particle some 128 pixels at most: a faster one moves
    // less. A particle released again starts a new trail. No time (dt <= 0)
    // changes nothing.
    FrameCount advance(double dt);
    // The same for the particles from `first` up to `last` only: ranges that
    // do not overlap may be advanced on different threads at once.
    FrameCount advance(double dt, std::size_t first, std::size_t last);

    const std::vector<Particle>& particles() const { return particles_; }
    // Particles are added (released anew) or dropped from the end.
    void setCount(int count);
    // Every particle is released anew on the new line.
    void setRelease(const Release& release);
    // The particles go on from where they are in the new flow (one placed,
    // dragged or taken away): those it leaves in a body or at a singular
    // point are released again by the next frame. The flow must outlive
    // the particles, as the first one.
    void setFlow(const PictureFlow& flow);

    // The median speed over the picture (pixels per unit of the flow's
    // time; 0 in a still flow): dt = seconds x pixels per second / this
    // shows the flow at a chosen pace whatever its strength.
    double typicalSpeed() const { return typicalSpeed_; }

  private:
    // Releases particle i anew on the line (`anywhere`: see
    // ReleaseLine::pick); its random stream for more.
    RandomStream release(std::size_t i, bool anywhere);
    // The release line of the flow and the release, and its head start.
    void placeLine();
    // Releases particle i and carries it for a random share of the time
    // particles take through the picture, so that particles started
    // together do not move as one sheet.
    void releaseAhead(std::size_t i);
    // The age of the oldest new particles: about the longest time particles
    // released on the line take to leave the picture.
    double oldestAge() const;

    double typicalSpeed_;
    Carrier carrier_;
    int trailLength_;
    std::uint64_t seed_;
    Release release_;
    std::unique_ptr<const ReleaseLine> line_;
    double headStart_ = 0;  // oldestAge()
    std::vector<Particle> particles_;
    std::vector<std::uint64_t> releases_;  // how often each was released
};

}  // namespace flow::particles
