#include "window_driving.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWidget>
#include <ctime>

#include "document/mdi_child.h"

namespace bench {

PaintCounter::PaintCounter(QWidget* widget) {
    widget->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint) ++count_;
    return false;
}

bool processUntilPainted(const PaintCounter& painted, int before) {
    const QDeadlineTimer deadline(5000);
    while (painted.count() <= before) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    return true;
}

void settle() {
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

double processMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

void closeAsSaved(TMDIChild* d) {
    d->document().markSaved();
    d->close();
    settle();
}

}  // namespace bench
