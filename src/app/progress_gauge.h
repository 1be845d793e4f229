// The main window's gauge as the flow routines see it. The routines advance
// it thousands of times a run while the event loop is blocked; painting the
// bar at each step cost most of a short run. The bar is therefore handed its
// value and painted at most once per repaint interval, and handed its final
// value when the run ends (or stops with an error), so it ends as before.
#pragma once

#include <QElapsedTimer>

#include "flow/settings.h"

class QProgressBar;

class ProgressGauge : public flow::Gauge {
  public:
    // Whether the gauge shows the bar while it runs, or leaves it as it is.
    enum class Bar { AsItIs, ShownWhileRunning };

    // With ShownWhileRunning the bar is shown at its first repaint (a run
    // that ends before then never reaches the screen, so showing and hiding
    // it would only cost two repaints of its place) and hidden at the end;
    // a run stopped by an error leaves it showing, as it stopped.
    explicit ProgressGauge(QProgressBar* bar, Bar shown = Bar::AsItIs);
    ~ProgressGauge() override;
    ProgressGauge(const ProgressGauge&) = delete;
    ProgressGauge& operator=(const ProgressGauge&) = delete;
    void advance(int steps) override;

    // Longest time the bar shows a stale value during a run: ten repaints a
    // second still move it smoothly, and cost nothing a user could measure.
    static constexpr int kRepaintIntervalMs = 100;

  private:
    QProgressBar* bar_;
    const Bar shown_;
    const int minimum_, maximum_;  // the bar's range, fixed during a run
    int position_;
    const int exceptionsBefore_;  // to tell a run stopped by an error
    QElapsedTimer sinceShown_;
};
