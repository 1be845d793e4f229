// A particle's own random numbers (splitmix64): the seed, the particle's
// index and the number of its release give them, so particles draw the same
// numbers whatever order they are moved in.
#pragma once

#include <cstdint>

namespace flow::particles {

class RandomStream {
  public:
    RandomStream(std::uint64_t seed, std::uint64_t index, std::uint64_t release) : state_(seed) {
        state_ = next() ^ index;
        state_ = next() ^ release;
    }

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

  private:
    std::uint64_t state_;
};

}  // namespace flow::particles
