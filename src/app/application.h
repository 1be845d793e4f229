// The application object: a last safety net so that no exception ever
// crosses Qt's event loop; handlers report their own errors first. It also
// gives every window the program's icon and Qt's own dialogs Russian texts.
#pragma once

#include <QApplication>
#include <QTranslator>

class TApplication : public QApplication {
  public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // The program's name and version, which need no application object.
    static void describe();

  private:
    QTranslator qtTranslator_;
};
