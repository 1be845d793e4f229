// Every GUI test runs with Qt's standard paths in test mode and its settings
// in a folder of its own, so that nothing a test does (the file dialogs' last
// folder, the recent constructions, the window's place) reaches the user's
// own settings or the next test program.
#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

void enableTestMode() {
    QStandardPaths::setTestModeEnabled(true);
    static QTemporaryDir settingsFolder;
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settingsFolder.path());
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(enableTestMode)
