// A frame of moving particles kept as a step of the construction: their
// trails and dots as numbers, drawn with the picture's surface so that a
// replay and a reopened file give the same pixels.
#pragma once

#include "document/construction.h"
#include "flow/particles/particle_system.h"

// The particles' colour, and that of the particles resting at a stagnation point.
inline constexpr flow::Color kParticleColour = flow::Color::fromRgb(0x10, 0x40, 0xC0);
inline constexpr flow::Color kStoppedParticleColour = flow::Color::fromRgb(0xC0, 0x20, 0x20);

// The frame's trails, their points rounded to a hundredth of a pixel.
ParticleSnapshotStep snapshotOf(const std::vector<flow::particles::Particle>& particles);

bool isParticleSnapshotStep(const ConstructionStep& step);

// Trails as thin lines whose colour fades towards white with age, the
// particles' dots over them.
void drawParticleSnapshot(flow::Surface& surface, const ParticleSnapshotStep& snapshot);
