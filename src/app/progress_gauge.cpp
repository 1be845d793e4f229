#include "app/progress_gauge.h"

#include <QProgressBar>
#include <algorithm>

void ProgressGauge::advance(int steps) {
    const int current = bar_->value();
    const int next = std::clamp(current + steps, bar_->minimum(), bar_->maximum());
    if (next == current) return;
    bar_->setValue(next);
    // The run blocks the event loop; paint the bar now so progress shows.
    if (bar_->isVisible()) bar_->repaint();
}
