// Moving particles shown over a document's picture: their dots and fading
// trails, drawn on a transparent layer the mouse passes through, so that
// the picture itself is not changed.
#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

#include "flow/particles/particle_system.h"

class ParticleOverlay : public QWidget {
  public:
    // Covers the picture on the picture control it is made on.
    ParticleOverlay(QWidget* control, QSize picture);
    // The particles to show (nothing: none), kept by the caller until the
    // next call; repaints.
    void showParticles(const std::vector<flow::particles::Particle>* particles);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Each frame is plotted pixel by pixel into a layer kept from frame to
    // frame (a painter's line costs as much as a dozen pixels, and trails
    // are many short lines), then laid over the picture at once.
    QRgb* pixelAt(int x, int y);  // nothing outside the picture
    void plotLine(QPoint from, QPoint to, QRgb colour);
    void plotDot(QPoint at, QRgb colour);
    const std::vector<flow::particles::Particle>* particles_ = nullptr;
    QImage layer_;
    QRgb* pixels_ = nullptr;  // the layer's, 32 bits a pixel without padding
};
