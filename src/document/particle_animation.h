// Particles moving with a document's flow over its picture in real time: a
// frame every sixtieth of a second advances them by the time that passed
// times the speed, and an overlay shows them. Neither the picture nor the
// construction changes.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QTimer>
#include <memory>

#include "document/particle_flow.h"
#include "flow/particles/particle_system.h"

class ParticleOverlay;
class QWidget;

class ParticleAnimation : public QObject {
    Q_OBJECT
  public:
    struct Options {
        flow::particles::Release release;
        int count = 500;
        double speed = 100;  // units of the flow's time per second
    };
    // Shown over the picture control `picture`, on a picture of `size`;
    // stopped until played.
    ParticleAnimation(QWidget* picture, QSize size, const Options& options, QObject* parent);
    ~ParticleAnimation() override;

    // Follows the flow: a flow other than the one followed releases every
    // particle anew in it.
    void follow(ParticleFlow flow);
    // Nothing moves: no flow or no element.
    bool still() const;

    void play();
    void pause();
    bool playing() const { return playing_; }
    // One frame's time, and stopped.
    void step();

    void setSpeed(double speed) { options_.speed = speed; }
    void setCount(int count);
    void setRelease(const flow::particles::Release& release);

    // The particles now; nothing when the flow is still.
    const flow::particles::ParticleSystem* system() const { return system_.get(); }

  signals:
    void advanced(const flow::particles::FrameCount& count);

  private:
    void frame();
    void advanceBy(double seconds);
    void rebuild();
    void repaint();

    QPointer<ParticleOverlay> overlay_;  // goes with the picture control
    QSize size_;
    bool playing_ = false;  // played: it moves whenever there is a flow
    QTimer timer_;
    QElapsedTimer clock_;
    Options options_;
    ParticleFlow flow_;
    std::unique_ptr<flow::particles::ParticleSystem> system_;
};
