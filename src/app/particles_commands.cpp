// The particles' commands: play and pause, one step, the release line drawn
// on the picture and the snapshot kept as a step of the construction; the
// status line counts the particles moving and stopped.
#include <QComboBox>
#include <QPainterPath>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>

#include "app/errors.h"
#include "app/glyphs.h"
#include "app/main_form.h"
#include "document/mdi_child.h"
#include "document/particle_animation.h"
#include "document/particle_release.h"
#include "document/particle_snapshot.h"
#include "document/picture_view.h"

namespace {

namespace particles = flow::particles;

constexpr int kReportMilliseconds = 250;
// A release line shorter than this is taken for a click.
constexpr double kShortestLine = 3;

const QString kStill = "Нет течения: частицы не движутся";

QPainterPath linePath(QPointF from, QPointF to) {
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

}  // namespace

ParticleAnimation* TMainForm::particlesOfActiveDocument() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return nullptr;
    if (animation_ && animated_ == d) return animation_;
    stopParticles();
    ParticleFlow flow = particleFlowOf(d->document(), settingsOf(dialogs_));
    ParticleAnimation::Options options;
    options.count = particles_.count->value();
    options.speed = particles_.speed->value();
    options.release =
        particleReleaseOf(d->document(), d->surface().image().size(),
                          static_cast<ParticleRelease>(particles_.release->currentIndex()),
                          releaseLine_, settingsOf(dialogs_));
    animation_ = new ParticleAnimation(d->Image, d->surface().image().size(), options, d->Image);
    animated_ = d;
    connect(animation_, &ParticleAnimation::advanced, this, &TMainForm::reportParticles);
    animation_->follow(std::move(flow));
    return animation_;
}

void TMainForm::stopParticles() {
    delete animation_;
    animated_ = nullptr;
    showPlayState();
}

void TMainForm::followParticleFlow(TMDIChild& document) {
    if (animation_ && animated_ == &document)
        animation_->follow(particleFlowOf(document.document(), settingsOf(dialogs_)));
}

void TMainForm::particlesPlayClick() {
    if (ParticleAnimation* a = particlesOfActiveDocument()) {
        if (a->playing()) {
            a->pause();
        } else {
            a->play();
            if (a->still()) statusLine->showMessage(kStill);
        }
    }
    showPlayState();
}

void TMainForm::particlesStepClick() {
    if (ParticleAnimation* a = particlesOfActiveDocument()) {
        a->step();
        if (a->still()) statusLine->showMessage(kStill);
    }
    showPlayState();
}

void TMainForm::showPlayState() {
    const bool playing = animation_ && animation_->playing();
    const QString hint = playing ? "Остановить частицы" : "Пустить частицы";
    particles_.play->setIcon(glyphFor(playing ? "ParticlesPauseGlyph" : "ParticlesPlayButton"));
    particles_.play->setToolTip(hint);
    particles_.play->setStatusTip(hint);
}

void TMainForm::reportParticles(const particles::FrameCount& count) {
    if (animation_ && animation_->playing() && particlesReported_.isValid() &&
        particlesReported_.elapsed() < kReportMilliseconds)
        return;
    particlesReported_.start();
    statusLine->showMessage(
        QString("Частицы: %1 движутся, %2 остановились").arg(count.moving).arg(count.stopped));
}

void TMainForm::releaseParticlesAnew() {
    const auto kind = static_cast<ParticleRelease>(particles_.release->currentIndex());
    if (kind == ParticleRelease::DrawnLine && !releaseLine_) {
        particles_.line->setChecked(true);
        disarmElementTools();
        statusLine->showMessage("Проведите линию выпуска частиц на рисунке");
    }
    if (animation_ && animated_)
        animation_->setRelease(particleReleaseOf(animated_->document(),
                                                 animated_->surface().image().size(), kind,
                                                 releaseLine_, settingsOf(dialogs_)));
}

void TMainForm::particlesSnapshotClick() {
    TMDIChild* d = ActiveMDIChild();
    if (!d || !animation_ || animated_ != d || !animation_->system()) {
        statusLine->showMessage("Снимок не сделан: частицы не пущены");
        return;
    }
    runReportingErrors([&] {
        const auto& moving = animation_->system()->particles();
        d->document().keepParticleSnapshot(snapshotOf(moving));
        statusLine->showMessage(QString("Снимок частиц в рисунке: %1").arg(moving.size()));
    });
}

bool TMainForm::particleLinePress(TMDIChild& document, QPoint at) {
    if (!particles_.line->isChecked() || elementToolDown() || &document != ActiveMDIChild())
        return false;
    lineStart_ = at;
    document.showContourDraft(linePath(at, at));
    return true;
}

void TMainForm::particleLineMove(TMDIChild& document, QPoint at) {
    if (lineStart_ && &document == ActiveMDIChild())
        document.showContourDraft(linePath(*lineStart_, at));
}

void TMainForm::cancelParticleLine() {
    particles_.line->setChecked(false);
    if (!lineStart_) return;
    lineStart_.reset();
    if (TMDIChild* d = ActiveMDIChild()) d->showContourDraft({});
}

void TMainForm::particleLineRelease(TMDIChild& document, QPoint at) {
    if (!lineStart_ || &document != ActiveMDIChild()) return;
    const QLineF line(*lineStart_, at);
    lineStart_.reset();
    document.showContourDraft({});
    if (line.length() < kShortestLine) {
        statusLine->showMessage("Линия выпуска слишком коротка: проведите её, не отпуская кнопку");
        return;
    }
    releaseLine_ = line;
    particles_.line->setChecked(false);
    if (particles_.release->currentIndex() != static_cast<int>(ParticleRelease::DrawnLine))
        particles_.release->setCurrentIndex(static_cast<int>(ParticleRelease::DrawnLine));
    else
        releaseParticlesAnew();
}
