#include "dialogs/track_bar.h"

#include <QSlider>

QSlider* makeTrackBar(QWidget* parent, const QString& name, int minimum, int maximum,
                      int tickInterval, int position, QRect geometry) {
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(minimum, maximum);
    bar->setValue(position);
    bar->setTickInterval(tickInterval);
    // A click beside the handle moves it by one tick.
    bar->setPageStep(tickInterval);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setGeometry(geometry);
    return bar;
}

void onUserMove(QSlider* bar, QObject* receiver, std::function<void()> handler) {
    QObject::connect(bar, &QSlider::actionTriggered, receiver,
                     [handler = std::move(handler)](int) { handler(); });
}
