// Track bars of the settings dialogs: horizontal sliders with tick marks whose
// user moves rewrite a value label, while positions set from code do not.
#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QObject;
class QSlider;
class QWidget;

QSlider* makeTrackBar(QWidget* parent, const QString& name, int minimum, int maximum,
                      int tickInterval, int position, QRect geometry);

// Runs the handler after every change of the position the user makes (mouse,
// keys, wheel); setValue from code runs nothing. The handler sees the new
// position as sliderPosition() (value() catches up right after it).
void onUserMove(QSlider* bar, QObject* receiver, std::function<void()> handler);
