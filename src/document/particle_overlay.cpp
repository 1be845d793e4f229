#include "document/particle_overlay.h"

#include <QPainter>
#include <array>
#include <cmath>
#include <cstdlib>

#include "document/particle_snapshot.h"
#include "document/picture_surface.h"

namespace {

// A trail fades from its newest piece in this many steps of opacity.
constexpr int kLevels = 4;
// A piece joins every few positions: a frame moves a particle about a pixel.
constexpr std::size_t kStride = 3;

QPoint pixelOf(flow::maps::PicturePoint p) {
    return {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
}

QRgb premultiplied(flow::Color colour, int alpha) {
    return qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), alpha));
}

}  // namespace

ParticleOverlay::ParticleOverlay(QWidget* control, QSize picture)
    : QWidget(control), layer_(picture, QImage::Format_ARGB32_Premultiplied) {
    setObjectName("ParticleOverlay");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(QRect(QPoint(), picture));
}

void ParticleOverlay::showParticles(const std::vector<flow::particles::Particle>* particles) {
    particles_ = particles;
    update();
}

// Over what is there, a more opaque pixel stays.
QRgb* ParticleOverlay::pixelAt(int x, int y) {
    if (x < 0 || y < 0 || x >= layer_.width() || y >= layer_.height()) return nullptr;
    return pixels_ + static_cast<std::ptrdiff_t>(y) * layer_.width() + x;
}

void ParticleOverlay::plotLine(QPoint from, QPoint to, QRgb colour) {
    const int dx = std::abs(to.x() - from.x()), dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1, sy = from.y() < to.y() ? 1 : -1;
    int x = from.x(), y = from.y(), error = dx + dy;
    for (;;) {
        if (QRgb* pixel = pixelAt(x, y); pixel && qAlpha(*pixel) < qAlpha(colour)) *pixel = colour;
        if (x == to.x() && y == to.y()) return;
        const int twice = 2 * error;
        if (twice >= dy) error += dy, x += sx;
        if (twice <= dx) error += dx, y += sy;
    }
}

void ParticleOverlay::plotDot(QPoint at, QRgb colour) {
    for (int y = at.y() - 1; y <= at.y() + 1; ++y)
        for (int x = at.x() - 1; x <= at.x() + 1; ++x)
            if (QRgb* pixel = pixelAt(x, y)) *pixel = colour;
}

void ParticleOverlay::paintEvent(QPaintEvent*) {
    if (!particles_) return;
    layer_.fill(Qt::transparent);
    pixels_ = reinterpret_cast<QRgb*>(layer_.bits());
    std::array<QRgb, kLevels> faded;
    for (int level = 0; level < kLevels; ++level)
        faded[static_cast<std::size_t>(level)] =
            premultiplied(kParticleColour, 255 * (level + 1) / (kLevels + 1));
    for (const flow::particles::Particle& particle : *particles_) {
        const auto& trail = particle.trail;
        if (trail.size() < 2) continue;
        const std::size_t last = trail.size() - 1;
        for (std::size_t i = last % kStride; i + kStride <= last; i += kStride)
            plotLine(pixelOf(trail[i]), pixelOf(trail[i + kStride]), faded[i * kLevels / last]);
    }
    for (const flow::particles::Particle& particle : *particles_)
        if (!particle.trail.empty())
            plotDot(
                pixelOf(particle.at()),
                premultiplied(particle.stopped ? kStoppedParticleColour : kParticleColour, 255));
    QPainter(this).drawImage(0, 0, layer_);
}
