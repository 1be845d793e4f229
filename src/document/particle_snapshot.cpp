#include "document/particle_snapshot.h"

#include <cmath>

namespace {

constexpr int kHundredths = 100;

std::int64_t hundredths(double pixels) {
    return std::llround(pixels * kHundredths);
}

// The whole pixel of a point in hundredths, rounded to the nearest.
std::int64_t pixelOf(std::int64_t h) {
    return static_cast<std::int64_t>(std::floor((static_cast<double>(h) + 50) / kHundredths));
}

flow::Point pixelOf(flow::Point p) {
    return {pixelOf(p.x), pixelOf(p.y)};
}

// The colour `share` of the way from white to the particles' colour.
flow::Color faded(double share) {
    const auto towards = [share](int channel) {
        return static_cast<int>(std::lround(255 + (channel - 255) * share));
    };
    return flow::Color::fromRgb(towards(kParticleColour.red()), towards(kParticleColour.green()),
                                towards(kParticleColour.blue()));
}

}  // namespace

ParticleSnapshotStep snapshotOf(const std::vector<flow::particles::Particle>& particles) {
    ParticleSnapshotStep snapshot;
    snapshot.trails.reserve(particles.size());
    for (const flow::particles::Particle& particle : particles) {
        std::vector<flow::Point>& trail = snapshot.trails.emplace_back();
        trail.reserve(particle.trail.size());
        for (const flow::maps::PicturePoint p : particle.trail)
            trail.push_back({hundredths(p.x), hundredths(p.y)});
    }
    return snapshot;
}

bool isParticleSnapshotStep(const ConstructionStep& step) {
    return std::holds_alternative<ParticleSnapshotStep>(step.action);
}

void drawParticleSnapshot(flow::Surface& surface, const ParticleSnapshotStep& snapshot) {
    surface.setPenWidth(1);
    surface.setPenStyle(flow::PenStyle::Solid);
    for (const std::vector<flow::Point>& trail : snapshot.trails) {
        const std::size_t segments = trail.empty() ? 0 : trail.size() - 1;
        for (std::size_t i = 0; i < segments; ++i) {
            surface.setPenColor(faded(static_cast<double>(i + 1) / static_cast<double>(segments)));
            surface.line(pixelOf(trail[i]), pixelOf(trail[i + 1]));
        }
    }
    surface.setPenColor(kParticleColour);
    surface.setBrushColor(kParticleColour);
    for (const std::vector<flow::Point>& trail : snapshot.trails) {
        if (trail.empty()) continue;
        const flow::Point at = pixelOf(trail.back());
        surface.ellipse(at.x - 1, at.y - 1, at.x + 2, at.y + 2);
    }
    surface.setBrushClear();
}
