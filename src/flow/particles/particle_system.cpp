#include "flow/particles/particle_system.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "flow/particles/release_line.h"

namespace flow::particles {

namespace {

// Speeds below this share of the typical one are numerically zero.
constexpr double kStoppedShare = 1e-9;
// The steps of a frame: a pixel or two at most, and a bounded number of
// them, so a frame's work is bounded however fast the flow.
constexpr StepLimits kFrame{2, 64};
// The coarser steps of a head start and of the particles that time the way
// through the picture.
constexpr StepLimits kAhead{8, 400};
constexpr StepLimits kProbe{8, 500};
// Particles timed on their way through the picture; new particles are at
// most as old as the slowest of them, or this many times the median time
// (one may circle for ever).
constexpr int kProbes = 15;
constexpr double kOldestShare = 3;
// A particle gone within its head start gets a new one this many times.
constexpr int kAheadTries = 8;
// The picture's speed is sampled on a grid of this many points across.
constexpr int kSpeedGrid = 16;

double medianSpeed(const PictureFlow& flow, const Box& picture) {
    if (flow.still()) return 0;
    std::vector<double> speeds;
    const double width = static_cast<double>(picture.right - picture.left);
    const double height = static_cast<double>(picture.bottom - picture.top);
    for (int i = 0; i < kSpeedGrid; ++i)
        for (int j = 0; j < kSpeedGrid; ++j) {
            const double x = static_cast<double>(picture.left) + width * (i + 0.5) / kSpeedGrid;
            const double y = static_cast<double>(picture.top) + height * (j + 0.5) / kSpeedGrid;
            if (!(flow.singularDistance(x, y) >= kSingularReach)) continue;
            const std::optional<superposition::ScreenVelocity> v = flow.velocityAt(x, y);
            if (v && std::isfinite(std::hypot(v->dx, v->dy)))
                speeds.push_back(std::hypot(v->dx, v->dy));
        }
    if (speeds.empty()) return 0;
    const auto middle = speeds.begin() + static_cast<std::ptrdiff_t>(speeds.size() / 2);
    std::nth_element(speeds.begin(), middle, speeds.end());
    return *middle;
}

// Appends p to the trail, dropping its oldest point when it is full; the
// trail keeps its storage from frame to frame.
void append(std::vector<PicturePoint>& trail, PicturePoint p, std::size_t length) {
    if (trail.size() < length) {
        trail.push_back(p);
        return;
    }
    std::move(trail.begin() + 1, trail.end(), trail.begin());
    trail.back() = p;
}

}  // namespace

ParticleSystem::ParticleSystem(const PictureFlow& flow, const Box& picture, const Release& release,
                               int count, int trailLength, std::uint32_t seed)
    : typicalSpeed_(medianSpeed(flow, picture)),
      carrier_(flow, picture, kStoppedShare * typicalSpeed_),
      trailLength_(std::max(1, trailLength)),
      seed_(seed) {
    setRelease(release);
    setCount(count);
}

ParticleSystem::ParticleSystem(ParticleSystem&&) noexcept = default;
ParticleSystem::~ParticleSystem() = default;

FrameCount ParticleSystem::advance(double dt) {
    return advance(dt, 0, particles_.size());
}

FrameCount ParticleSystem::advance(double dt, std::size_t first, std::size_t last) {
    FrameCount count;
    last = std::min(last, particles_.size());
    if (!(dt > 0)) {  // no time passes: nothing changes
        for (std::size_t i = first; i < last; ++i)
            ++(particles_[i].stopped ? count.stopped : count.moving);
        return count;
    }
    const bool still = carrier_.flow().still();
    for (std::size_t i = first; i < last; ++i) {
        Particle& particle = particles_[i];
        PicturePoint p = particle.at();
        const Fate fate = still ? Fate::Stopped : carrier_.carry(p, dt, kFrame).fate;
        if (gone(fate)) {
            // Released at a random moment of the frame: particles released
            // in the same frame do not travel in step (rings round a source).
            RandomStream random = release(i, fate == Fate::Swallowed);
            p = particle.at();
            if (!gone(carrier_.carry(p, random.uniform() * dt, kFrame).fate))
                particle.trail.back() = p;
            ++count.released;
            continue;
        }
        particle.stopped = fate == Fate::Stopped;
        ++(particle.stopped ? count.stopped : count.moving);
        append(particle.trail, p, static_cast<std::size_t>(trailLength_));
    }
    return count;
}

void ParticleSystem::setCount(int count) {
    const std::size_t n = static_cast<std::size_t>(std::max(0, count));
    if (n <= particles_.size()) {
        particles_.resize(n);
        releases_.resize(n);
        return;
    }
    for (std::size_t i = particles_.size(); i < n; ++i) {
        particles_.emplace_back();
        particles_.back().trail.reserve(static_cast<std::size_t>(trailLength_));
        releases_.push_back(0);
        releaseAhead(i);
    }
}

void ParticleSystem::setRelease(const Release& release) {
    release_ = release;
    placeLine();
    for (std::size_t i = 0; i < particles_.size(); ++i) releaseAhead(i);
}

void ParticleSystem::setFlow(const PictureFlow& flow) {
    typicalSpeed_ = medianSpeed(flow, carrier_.picture());
    carrier_ = Carrier(flow, carrier_.picture(), kStoppedShare * typicalSpeed_);
    placeLine();
    for (Particle& particle : particles_) particle.stopped = false;
}

void ParticleSystem::placeLine() {
    line_ = std::make_unique<const ReleaseLine>(carrier_, release_);
    headStart_ = oldestAge();
}

RandomStream ParticleSystem::release(std::size_t i, bool anywhere) {
    const std::uint64_t n = ++releases_[i];
    RandomStream random(seed_, i, n);
    Particle& particle = particles_[i];
    particle.trail.clear();
    particle.trail.push_back(line_->pick(random, i + n, anywhere));
    particle.stopped = false;
    return random;
}

void ParticleSystem::releaseAhead(std::size_t i) {
    // Each particle starts at a random age, uniform up to oldestAge(); one
    // gone by then is drawn again, as a particle released that long ago
    // would no longer be there. The picture holds a steady stream from the
    // first frame, as if particles had been released at an even rate for a
    // while.
    for (int attempt = 0;; ++attempt) {
        RandomStream random = release(i, true);
        if (headStart_ <= 0 || attempt == kAheadTries) return;
        PicturePoint p = particles_[i].at();
        if (!gone(carrier_.carry(p, random.uniform() * headStart_, kAhead).fate)) {
            particles_[i].trail.back() = p;
            return;
        }
    }
}

double ParticleSystem::oldestAge() const {
    if (line_->spread() || carrier_.flow().still()) return 0;
    std::vector<double> times;
    for (int k = 0; k < kProbes; ++k) {
        // Streams of their own, apart from every particle's.
        RandomStream random(seed_, ~std::uint64_t{0} - static_cast<std::uint64_t>(k), 0);
        PicturePoint p = line_->pick(random, static_cast<std::uint64_t>(k), false);
        times.push_back(carrier_.carry(p, std::numeric_limits<double>::infinity(), kProbe).time);
    }
    std::sort(times.begin(), times.end());
    return std::min(times.back(), kOldestShare * times[kProbes / 2]);
}

}  // namespace flow::particles
