#include "document/particle_overlay.h"

#include <QEvent>
#include <QPainter>

#include "document/particle_snapshot.h"
#include "document/picture_surface.h"

namespace {

QRectF dotAt(flow::maps::PicturePoint p) {
    return {p.x - 1, p.y - 1, 3, 3};
}

}  // namespace

ParticleOverlay::ParticleOverlay(QWidget* picture) : QWidget(picture) {
    setObjectName("ParticleOverlay");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(picture->rect());
    picture->installEventFilter(this);
}

bool ParticleOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void ParticleOverlay::showParticles(const std::vector<flow::particles::Particle>* particles) {
    particles_ = particles;
    update();
}

void ParticleOverlay::paintEvent(QPaintEvent*) {
    if (!particles_) return;
    for (auto& piece : pieces_) piece.clear();
    dots_.clear();
    stoppedDots_.clear();
    for (const flow::particles::Particle& particle : *particles_) {
        const auto& trail = particle.trail;
        if (trail.empty()) continue;
        const std::size_t segments = trail.size() - 1;
        for (std::size_t i = 0; i < segments; ++i)
            pieces_[i * kLevels / segments].emplace_back(trail[i].x, trail[i].y, trail[i + 1].x,
                                                         trail[i + 1].y);
        (particle.stopped ? stoppedDots_ : dots_).push_back(dotAt(particle.at()));
    }
    QPainter p(this);
    const QColor colour = toQColor(kParticleColour);
    for (int level = 0; level < kLevels; ++level) {
        QColor faded = colour;
        faded.setAlpha(255 * (level + 1) / (kLevels + 1));
        p.setPen(faded);
        p.drawLines(pieces_[static_cast<std::size_t>(level)].data(),
                    static_cast<int>(pieces_[static_cast<std::size_t>(level)].size()));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRects(dots_.data(), static_cast<int>(dots_.size()));
    p.setBrush(toQColor(kStoppedParticleColour));
    p.drawRects(stoppedDots_.data(), static_cast<int>(stoppedDots_.size()));
}
