#include "app/progress_gauge.h"

#include <QProgressBar>
#include <algorithm>

ProgressGauge::ProgressGauge(QProgressBar* bar)
    : bar_(bar), minimum_(bar->minimum()), maximum_(bar->maximum()), position_(bar->value()) {
    sinceShown_.start();
}

ProgressGauge::~ProgressGauge() {
    bar_->setValue(position_);
}

void ProgressGauge::advance(int steps) {
    // Most steps of a long run come past the top and change nothing.
    const int next = std::clamp(position_ + steps, minimum_, maximum_);
    if (next == position_) return;
    position_ = next;
    if (sinceShown_.elapsed() < kRepaintIntervalMs) return;
    sinceShown_.restart();
    bar_->setValue(position_);
    // The run blocks the event loop; paint the bar now so progress shows.
    if (bar_->isVisible()) bar_->repaint();
}
