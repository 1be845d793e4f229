// The progress gauge of a benchmark run: a clamped counter, as the main
// window's gauge behaves, without any window to repaint.
#pragma once

#include <algorithm>

#include "flow/settings.h"

namespace bench {

class BenchGauge : public flow::Gauge {
  public:
    void advance(int steps) override { position_ = std::clamp(position_ + steps, 0, 80); }
    void reset() { position_ = 0; }

  private:
    int position_ = 0;
};

}  // namespace bench
