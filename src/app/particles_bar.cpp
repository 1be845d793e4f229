// The particles' tool bar: made hidden at the bottom of the window, shown
// and hidden again by its button at the end of ToolBar2, and wired to the
// handlers of particles_commands.cpp.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QSlider>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/tool_group.h"
#include "document/mdi_child.h"
#include "document/particle_animation.h"

namespace {

constexpr int kSlowest = 1, kFastest = 500, kDefaultSpeed = 100;  // units of time per second
constexpr int kFewest = 10, kMost = 5000, kDefaultCount = 500;

QString speedText(int speed) {
    return QString("%1 ед./с").arg(speed);
}

}  // namespace

void TMainForm::createParticlesBar() {
    particlesButton = addToolButton(pictureBar, "ParticlesButton", "Частицы", 25, nullptr);
    particlesButton->setCheckable(true);

    ParticleControls& c = particles_;
    c.bar = new QToolBar("Частицы", this);
    c.bar->setObjectName("ParticlesToolBar");
    c.bar->setIconSize(QSize(16, 16));
    addToolBar(Qt::BottomToolBarArea, c.bar);
    c.bar->hide();
    c.play = addToolButton(c.bar, "ParticlesPlayButton", "Пустить частицы", 25, nullptr);
    c.step = addToolButton(c.bar, "ParticlesStepButton", "Шаг частиц", 25, nullptr);
    c.speed = new QSlider(Qt::Horizontal);
    c.speed->setObjectName("ParticlesSpeedSlider");
    const QString speedHint = "Скорость частиц: единиц времени течения в секунду";
    c.speed->setToolTip(speedHint);
    c.speed->setStatusTip(speedHint);
    c.speed->setRange(kSlowest, kFastest);
    c.speed->setValue(kDefaultSpeed);
    c.speed->setFixedWidth(140);
    c.bar->addWidget(c.speed);
    c.speedValue = new QLabel(speedText(kDefaultSpeed));
    c.speedValue->setObjectName("ParticlesSpeedLabel");
    c.speedValue->setToolTip(speedHint);
    c.speedValue->setMinimumWidth(
        c.speedValue->fontMetrics().horizontalAdvance(speedText(kFastest)) + 8);
    c.bar->addWidget(c.speedValue);
    c.count = new QSpinBox;
    c.count->setObjectName("ParticlesCountBox");
    c.count->setToolTip("Число частиц");
    c.count->setRange(kFewest, kMost);
    c.count->setValue(kDefaultCount);
    c.bar->addWidget(c.count);
    c.release = new QComboBox;
    c.release->setObjectName("ParticlesReleaseBox");
    c.release->setToolTip("Откуда выпускаются частицы");
    c.release->addItems({"У входа потока", "Проведённая линия", "Вдоль линий тока"});
    c.bar->addWidget(c.release);
    c.line = addToolButton(c.bar, "ParticlesLineButton", "Провести линию выпуска частиц", 25,
                           pictureTools_);
    c.snapshot =
        addToolButton(c.bar, "ParticlesSnapshotButton", "Снимок: частицы в рисунок", 25, nullptr);
}

void TMainForm::connectParticles() {
    ParticleControls& c = particles_;
    connect(particlesButton, &QToolButton::toggled, this, [this](bool down) {
        particles_.bar->setVisible(down);
        if (!down) stopParticles();
    });
    connect(c.bar->toggleViewAction(), &QAction::toggled, particlesButton,
            &QToolButton::setChecked);
    // What goes wrong (memory for the particles, say) is said, not thrown.
    const auto guarded = [this](void (TMainForm::*handler)()) {
        return [this, handler] { runReportingErrors([this, handler] { (this->*handler)(); }); };
    };
    connect(c.play, &QToolButton::clicked, this, guarded(&TMainForm::particlesPlayClick));
    connect(c.step, &QToolButton::clicked, this, guarded(&TMainForm::particlesStepClick));
    connect(c.snapshot, &QToolButton::clicked, this, &TMainForm::particlesSnapshotClick);
    connect(c.speed, &QSlider::valueChanged, this, [this](int speed) {
        particles_.speedValue->setText(speedText(speed));
        if (animation_) animation_->setSpeed(speed);
    });
    connect(c.count, &QSpinBox::valueChanged, this, [this](int count) {
        if (animation_) runReportingErrors([this, count] { animation_->setCount(count); });
    });
    connect(c.release, &QComboBox::currentIndexChanged, this,
            guarded(&TMainForm::releaseParticlesAnew));
    connect(c.line, &QToolButton::clicked, this, &TMainForm::disarmElementTools);
    connect(c.line, &QToolButton::toggled, this, [this](bool down) {
        if (down || !lineStart_) return;
        lineStart_.reset();
        if (TMDIChild* d = ActiveMDIChild()) d->showContourDraft({});
    });
    // One animation at a time: the active document's (gone with its document).
    connect(workspace, &QMdiArea::subWindowActivated, this, [this] {
        if (!animation_ || animated_ != ActiveMDIChild()) stopParticles();
    });
}
