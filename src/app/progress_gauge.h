// The main window's gauge as the flow routines see it. Advancing repaints the
// bar only when its clamped value changes, so the many steps past the top
// cost nothing.
#pragma once

#include "flow/settings.h"

class QProgressBar;

class ProgressGauge : public flow::Gauge {
  public:
    explicit ProgressGauge(QProgressBar* bar) : bar_(bar) {}
    void advance(int steps) override;

  private:
    QProgressBar* bar_;
};
