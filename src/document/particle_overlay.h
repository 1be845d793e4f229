// Moving particles shown over a document's picture: their dots and fading
// trails, drawn on a transparent layer the mouse passes through, so that
// the picture itself is not changed.
#pragma once

#include <QLineF>
#include <QRectF>
#include <QWidget>
#include <array>
#include <vector>

#include "flow/particles/particle_system.h"

class ParticleOverlay : public QWidget {
  public:
    // Covers the picture control it is made on.
    explicit ParticleOverlay(QWidget* picture);
    // The particles to show (nothing: none), kept by the caller until the
    // next call; repaints.
    void showParticles(const std::vector<flow::particles::Particle>* particles);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A trail is drawn in a few pieces from faint (old) to full (new).
    static constexpr int kLevels = 4;
    const std::vector<flow::particles::Particle>* particles_ = nullptr;
    // Kept between frames so that a frame allocates nothing.
    std::array<std::vector<QLineF>, kLevels> pieces_;
    std::vector<QRectF> dots_;
    std::vector<QRectF> stoppedDots_;
};
