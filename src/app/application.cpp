#include "app/application.h"

#include "app/errors.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("ZEF");
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    runReportingErrors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
