// The application object as the program makes it: its icon and Qt's own
// dialogs in Russian (both come from packages and plugins that must be there).
#include "app/application.h"

#include <QCoreApplication>
#include <QIcon>
#include <QStandardPaths>
#include <QTest>

class ApplicationTest : public QObject {
    Q_OBJECT
  private slots:
    void describesTheProgram() {
        QCOMPARE(QCoreApplication::applicationName(), QString("ZEF"));
        QCOMPARE(QCoreApplication::applicationVersion(), QString(ZEF_VERSION));
    }

    void windowsCarryTheProgramsIcon() {
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(!icon.pixmap(32, 32).isNull());
    }

    void standardDialogsSpeakRussian() {
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Отмена"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "File &name:"), QString("&Имя файла:"));
    }
};

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    TApplication app(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
