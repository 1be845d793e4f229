// Where particles are released: points drawn at random in proportion to the
// fluid that enters the picture there (through its edges and out of the
// sources), on a drawn line, or at given points in turn.
#pragma once

#include <cstdint>
#include <vector>

#include "flow/particles/carry.h"
#include "flow/particles/particle_system.h"
#include "flow/particles/random_stream.h"

namespace flow::particles {

class ReleaseLine {
  public:
    ReleaseLine(const Carrier& carrier, const Release& release);

    // A point to release a particle at, not gone; `turn` picks the point
    // when particles are released at given points in turn. When nothing
    // flows through the picture (a lone vortex or dipole, a still flow),
    // particles are first spread over the whole picture (`anywhere`), and
    // later where fluid enters, if it enters anywhere: fluid that circles
    // inside the picture keeps the particles it had.
    PicturePoint pick(RandomStream& random, std::uint64_t turn, bool anywhere) const;

    // True when particles are spread over the picture at first.
    bool spread() const { return spread_; }

  private:
    // A piece of line, or a circle of `radius` round `from`, chosen with a
    // probability in proportion to its weight: `upTo` sums the weights so far.
    struct Inlet {
        PicturePoint from, to;
        double radius = 0;
        double upTo = 0;
    };

    void addInlet(PicturePoint from, PicturePoint to, double radius, double weight);
    // Pieces of the edges where fluid enters and circles round the sources;
    // decides whether the picture has a flow through it at all.
    void upstreamEdge();
    PicturePoint candidate(RandomStream& random, std::uint64_t turn, bool anywhere) const;

    Carrier carrier_;
    std::vector<Inlet> inlets_;
    std::vector<PicturePoint> points_;  // released at in turn
    bool spread_ = false;
};

}  // namespace flow::particles
