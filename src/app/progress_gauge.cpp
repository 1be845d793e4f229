#include "app/progress_gauge.h"

#include <QProgressBar>
#include <algorithm>
#include <exception>

ProgressGauge::ProgressGauge(QProgressBar* bar, Bar shown)
    : bar_(bar),
      shown_(shown),
      minimum_(bar->minimum()),
      maximum_(bar->maximum()),
      position_(bar->value()),
      exceptionsBefore_(std::uncaught_exceptions()) {
    sinceShown_.start();
}

ProgressGauge::~ProgressGauge() {
    bar_->setValue(position_);
    if (shown_ == Bar::ShownWhileRunning)
        bar_->setVisible(std::uncaught_exceptions() > exceptionsBefore_);
}

void ProgressGauge::advance(int steps) {
    // Most steps of a long run come past the top and change nothing.
    const int next = std::clamp(position_ + steps, minimum_, maximum_);
    if (next == position_) return;
    position_ = next;
    if (sinceShown_.elapsed() < kRepaintIntervalMs) return;
    sinceShown_.restart();
    bar_->setValue(position_);
    if (shown_ == Bar::ShownWhileRunning) bar_->show();
    // The run blocks the event loop; paint the bar now so progress shows.
    if (bar_->isVisible()) bar_->repaint();
}
