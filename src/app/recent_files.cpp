#include "app/recent_files.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

constexpr const char* kFilesKey = "recentConstructions";
constexpr const char* kFolderKey = "lastFolder";

}  // namespace

std::unique_ptr<QSettings> programSettings() {
    return std::make_unique<QSettings>("ZEF", "ZEF");
}

RecentFiles::RecentFiles(QMenu* menu, QObject* parent) : QObject(parent), menu_(menu) {
    fill();
}

QStringList RecentFiles::files() {
    return programSettings()->value(kFilesKey).toStringList();
}

void RecentFiles::add(const QString& fileName) {
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    store(list.mid(0, kMaxFiles));
}

void RecentFiles::remove(const QString& fileName) {
    QStringList list = files();
    list.removeAll(fileName);
    store(list);
}

void RecentFiles::startInLastFolder(QFileDialog& dialog) {
    const QString folder = programSettings()->value(kFolderKey).toString();
    if (!folder.isEmpty()) dialog.setDirectory(folder);
}

void RecentFiles::rememberFolderOf(const QString& fileName) {
    programSettings()->setValue(kFolderKey, QFileInfo(fileName).absolutePath());
}

void RecentFiles::store(const QStringList& list) {
    programSettings()->setValue(kFilesKey, list);
    fill();
}

// Items "&1 name" … "&8 name", the full path as their hint. The old items
// go later: one of them may be the item being chosen.
void RecentFiles::fill() {
    for (QAction* old : menu_->actions()) {
        menu_->removeAction(old);
        old->deleteLater();
    }
    const QStringList list = files();
    for (int i = 0; i < list.size(); ++i) {
        const QString path = list[i];
        QAction* item =
            menu_->addAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        item->setStatusTip(QDir::toNativeSeparators(path));
        item->setToolTip(item->statusTip());
        connect(item, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    menu_->setEnabled(!list.isEmpty());
}
