// The controls of the particles' tool bar ("Частицы"), which starts hidden
// at the bottom of the window and is shown by its button on ToolBar2.
#pragma once

class QComboBox;
class QLabel;
class QSlider;
class QSpinBox;
class QToolBar;
class QToolButton;

struct ParticleControls {
    QToolBar* bar = nullptr;          // ParticlesToolBar
    QToolButton* play = nullptr;      // ParticlesPlayButton
    QToolButton* step = nullptr;      // ParticlesStepButton
    QSlider* speed = nullptr;         // ParticlesSpeedSlider
    QLabel* speedValue = nullptr;     // ParticlesSpeedLabel
    QSpinBox* count = nullptr;        // ParticlesCountBox
    QComboBox* release = nullptr;     // ParticlesReleaseBox
    QToolButton* line = nullptr;      // ParticlesLineButton
    QToolButton* snapshot = nullptr;  // ParticlesSnapshotButton
};
