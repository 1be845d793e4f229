#include "document/particle_animation.h"

#include <algorithm>
#include <utility>

#include "document/particle_overlay.h"

namespace {

constexpr int kFrameMilliseconds = 16;
constexpr double kFrameSeconds = 1.0 / 60;
// A frame late by more than this (the window was busy) moves no further.
constexpr double kLongestFrameSeconds = 0.1;
// The positions a trail keeps: a third of a second at 60 frames a second.
constexpr int kTrailLength = 20;

}  // namespace

ParticleAnimation::ParticleAnimation(QWidget* picture, QSize size, const Options& options,
                                     QObject* parent)
    : QObject(parent),
      overlay_(new ParticleOverlay(picture, size)),
      size_(size),
      options_(options) {
    overlay_->show();
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kFrameMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &ParticleAnimation::frame);
}

ParticleAnimation::~ParticleAnimation() {
    delete overlay_;
}

void ParticleAnimation::follow(ParticleFlow flow) {
    if (flow.sameAs(flow_) && (system_ || still())) return;
    // Particles moving in a flow that changes (an element dragged) go on
    // from where they are; the old flow goes only once they follow the new.
    const ParticleFlow old = std::exchange(flow_, std::move(flow));
    if (system_ && !still()) {
        system_->setFlow(*flow_.flow);
        repaint();
        return;
    }
    rebuild();
}

bool ParticleAnimation::still() const {
    return !flow_.flow || flow_.flow->still();
}

void ParticleAnimation::rebuild() {
    system_.reset();
    if (!still()) {
        const flow::Box box{0, 0, size_.width() - 1, size_.height() - 1};
        system_ = std::make_unique<flow::particles::ParticleSystem>(
            *flow_.flow, box, options_.release, options_.count, kTrailLength);
    }
    repaint();
    if (!system_) timer_.stop();
    if (system_ && playing_ && !timer_.isActive()) play();
}

void ParticleAnimation::play() {
    playing_ = true;
    if (!system_) return;
    clock_.start();
    timer_.start();
}

void ParticleAnimation::pause() {
    playing_ = false;
    timer_.stop();
}

void ParticleAnimation::step() {
    pause();
    advanceBy(kFrameSeconds);
}

void ParticleAnimation::setCount(int count) {
    options_.count = count;
    if (system_) system_->setCount(count);
    repaint();
}

void ParticleAnimation::setRelease(const flow::particles::Release& release) {
    options_.release = release;
    if (system_) system_->setRelease(release);
    repaint();
}

void ParticleAnimation::repaint() {
    if (overlay_) overlay_->showParticles(system_ ? &system_->particles() : nullptr);
}

void ParticleAnimation::frame() {
    advanceBy(std::min(clock_.restart() / 1000.0, kLongestFrameSeconds));
}

void ParticleAnimation::advanceBy(double seconds) {
    if (!system_) return;
    const flow::particles::FrameCount count = system_->advance(seconds * options_.speed);
    repaint();
    emit advanced(count);
}
