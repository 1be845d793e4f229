// Files dropped on the main window: construction files open as from the
// "Открыть построение" item, anything else is refused with a word in the
// status line.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

#include "app/main_form.h"

namespace {

bool isConstructionFile(const QUrl& url) {
    return url.isLocalFile() &&
           QFileInfo(url.toLocalFile()).suffix().compare("zef", Qt::CaseInsensitive) == 0;
}

bool isPicture(const QUrl& url) {
    const QString suffix = QFileInfo(url.toLocalFile()).suffix().toLower();
    return QStringList{"png", "bmp", "svg", "pdf"}.contains(suffix);
}

}  // namespace

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    QString refusal;
    for (const QUrl& url : urls)
        if (isConstructionFile(url))
            openConstruction(url.toLocalFile());
        else
            refusal = isPicture(url)
                          ? "Перетащите файл построения .zef: рисунки не открываются"
                          : QString("Перетащите файл построения .zef: «%1» не открывается")
                                .arg(url.fileName());
    if (!refusal.isEmpty()) statusLine->showMessage(refusal);
}
