// Drives the real main window as a user does and waits, as the screen would,
// until the click's picture has been painted.
#pragma once

#include <QObject>

class QWidget;
class TMDIChild;

namespace bench {

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget);
    int count() const { return count_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int count_ = 0;
};

// Runs the event loop until the counter has seen a paint more than `before`,
// then one more pass for what the paint left pending; false if no paint came
// within a few seconds.
bool processUntilPainted(const PaintCounter& painted, int before);

// Runs the event loop until nothing is left to do right now.
void settle();

// Processor time of the whole process so far, in milliseconds, the clock the
// end-to-end benchmarks are measured with.
double processMilliseconds();

// Closes the document without the question about saving its construction.
void closeAsSaved(TMDIChild* d);

}  // namespace bench
