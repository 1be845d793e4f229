// Every GUI test runs with Qt's standard paths in test mode, so that nothing
// a test does (the file dialogs' last folder, say) reaches the user's own
// settings.
#include <QCoreApplication>
#include <QStandardPaths>

namespace {

void enableTestMode() {
    QStandardPaths::setTestModeEnabled(true);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(enableTestMode)
