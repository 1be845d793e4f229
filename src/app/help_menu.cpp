#include "app/help_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextBrowser>
#include <QUrl>

namespace {

// The handbook's folder: installed beside the program's share folder, or the
// one the build draws its pictures into.
QString handbookFolder() {
    QStringList candidates{QCoreApplication::applicationDirPath() + "/../share/zef/handbook"};
#ifdef ZEF_HANDBOOK_DIR
    candidates << QStringLiteral(ZEF_HANDBOOK_DIR);
#endif
    for (const QString& folder : candidates)
        if (QFileInfo::exists(folder + "/index.html")) return QDir::cleanPath(folder);
    return {};
}

void showHandbook(QMainWindow* window) {
    if (auto* open = window->findChild<QTextBrowser*>("HandbookWindow")) {
        open->showNormal();
        open->raise();
        open->activateWindow();
        return;
    }
    const QString folder = handbookFolder();
    if (folder.isEmpty()) {
        QMessageBox::warning(window, "Руководство",
                             "Руководство не найдено: нет папки share/zef/handbook рядом с "
                             "программой.");
        return;
    }
    auto* browser = new QTextBrowser(window);
    browser->setWindowFlags(Qt::Window);
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setObjectName("HandbookWindow");
    browser->setWindowTitle("Руководство — ZEF");
    browser->setOpenExternalLinks(true);
    browser->setSearchPaths({folder});
    browser->setSource(QUrl::fromLocalFile(folder + "/index.html"));
    browser->resize(760, 640);
    browser->show();
}

void showAbout(QMainWindow* window) {
    QMessageBox::about(
        window, "О программе",
        QString("<p><b>ZEF</b>, версия %1</p>"
                "<p>Учебная программа о плоском потенциальном течении идеальной жидкости: "
                "на поле ставятся элементарные течения и их суперпозиции, программа рисует "
                "линии тока, линии равного потенциала и скорость в выбранной точке.</p>")
            .arg(QCoreApplication::applicationVersion()));
}

}  // namespace

void addHelpMenu(QMainWindow* window) {
    QMenu* menu = window->menuBar()->addMenu("&Справка");
    menu->setObjectName("HelpMenu");
    QAction* handbook = menu->addAction("&Руководство");
    handbook->setObjectName("HandbookItem");
    handbook->setShortcut(Qt::Key_F1);
    handbook->setStatusTip("Open the handbook");
    QObject::connect(handbook, &QAction::triggered, window, [window] { showHandbook(window); });
    QAction* about = menu->addAction("&О программе");
    about->setObjectName("AboutItem");
    about->setStatusTip("About the program");
    QObject::connect(about, &QAction::triggered, window, [window] { showAbout(window); });
}
