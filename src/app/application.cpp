#include "app/application.h"

#include <QIcon>
#include <QLibraryInfo>

#include "app/errors.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    describe();
    Q_INIT_RESOURCE(resources);
    setWindowIcon(QIcon(":/icons/zef.svg"));
    // The interface is Russian whatever the locale, so the standard dialogs are too.
    if (qtTranslator_.load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&qtTranslator_);
}

void TApplication::describe() {
    setApplicationName("ZEF");
    setApplicationVersion(ZEF_VERSION);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    runReportingErrors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
