// The application object: a last safety net so that no exception ever
// crosses Qt's event loop; handlers report their own errors first.
#pragma once

#include <QApplication>

class TApplication : public QApplication {
  public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
