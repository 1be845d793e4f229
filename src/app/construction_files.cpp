// Keeping a construction: the menu items that open and save construction
// files, print and copy the picture, their shortcuts, and the question asked
// before a document with unsaved drawing is closed or the program left.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>
#include <memory>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/recent_files.h"
#include "app/superposition_panel.h"
#include "document/construction_file.h"
#include "document/mdi_child.h"

namespace {

constexpr const char* kConstructionFilter = "Построения ZEF (*.zef)";

QAction* makeItem(QObject* parent, const char* name, const QString& caption, const QString& hint,
                  const QKeySequence& shortcut) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(name);
    action->setStatusTip(hint);
    action->setShortcut(shortcut);
    return action;
}

void prepareConstructionDialog(QFileDialog& dialog, const char* name, const QString& caption) {
    dialog.setObjectName(name);
    dialog.setWindowTitle(caption);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({kConstructionFilter, "All files (*)"});
    RecentFiles::startInLastFolder(dialog);
}

}  // namespace

// The new items go after "Сохранить &как ...", before the separator above
// the exit; every item of the menu shows its shortcut.
void TMainForm::addKeepingItems(QMenu* fileMenu) {
    openConstructionItem = makeItem(this, "OpenConstructionItem", "Открыть построение ...",
                                    "Open a saved construction", QKeySequence("Ctrl+O"));
    saveConstructionItem =
        makeItem(this, "SaveConstructionItem", "Сохранить построение ...",
                 "Save the construction of the current file", QKeySequence("Ctrl+S"));
    printItem = makeItem(this, "PrintItem", "Печать ...", "Print the current picture",
                         QKeySequence("Ctrl+P"));
    copyItem = makeItem(this, "CopyItem", "Копировать", "Copy the current picture",
                        QKeySequence("Ctrl+C"));
    fileMenu->addAction(openConstructionItem);
    QMenu* recentMenu = fileMenu->addMenu("&Последние построения");
    recentMenu->setObjectName("RecentConstructionsMenu");
    recentMenu->menuAction()->setStatusTip("Open a construction used lately");
    recentFiles_ = new RecentFiles(recentMenu, this);
    fileMenu->addActions({saveConstructionItem, printItem, copyItem});
    newDocumentItem->setShortcut(QKeySequence("Ctrl+N"));
    saveAsItem->setShortcut(QKeySequence("Ctrl+Shift+S"));
    closeItem->setShortcut(QKeySequence("Ctrl+W"));
    exitItem->setShortcut(QKeySequence("Ctrl+Q"));

    connect(openConstructionItem, &QAction::triggered, this,
            [this] { OpenConstructionItemClick(); });
    connect(saveConstructionItem, &QAction::triggered, this, [this] {
        if (TMDIChild* d = ActiveMDIChild()) saveConstruction(*d);
    });
    connect(printItem, &QAction::triggered, this, [this] { PrintItemClick(); });
    connect(copyItem, &QAction::triggered, this, [this] { CopyItemClick(); });
    connect(recentFiles_, &RecentFiles::chosen, this, &TMainForm::openRecent);
}

void TMainForm::OpenConstructionItemClick() {
    QFileDialog dialog(this);
    prepareConstructionDialog(dialog, "OpenConstructionDialog", "Открыть построение");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted) return;
    const QString fileName = dialog.selectedFiles().value(0);
    if (fileName.isEmpty()) return;
    RecentFiles::rememberFolderOf(fileName);
    openConstruction(fileName);
}

void TMainForm::openRecent(const QString& fileName) {
    if (QFileInfo::exists(fileName)) {
        openConstruction(fileName);
        return;
    }
    recentFiles_->remove(fileName);
    statusLine->showMessage(QString("Файл «%1» не найден: он убран из списка последних построений")
                                .arg(QFileInfo(fileName).fileName()));
}

// Everything is read and checked before the document is made, so a bad
// file opens nothing.
bool TMainForm::openConstruction(const QString& fileName) {
    const bool opened = runReportingErrors([&] {
        const Construction construction = readConstructionFile(fileName);
        if (strengthPanel->isVisible()) resetStrengthPanel();
        auto made = std::make_unique<TMDIChild>();
        const bool complete = made->adoptConstruction(construction, picturesInUse());
        made->document().setFileName(fileName);
        const QString name = QFileInfo(fileName).fileName();
        made->document().setName(construction.superposition ? superpositionCaption(name) : name);
        TMDIChild* child = made.release();
        connectDocument(child);
        workspace->addSubWindow(child);
        child->showMaximized();
        workspace->setActiveSubWindow(child);
        if (!complete) reportLinesCutShort();
    });
    if (opened) recentFiles_->add(fileName);
    return opened;
}

// Asks for the file, offering the one the document came from or was last
// saved to; true when the construction was written.
bool TMainForm::saveConstruction(TMDIChild& document) {
    QPointer<TMDIChild> d = &document;
    QFileDialog dialog(this);
    prepareConstructionDialog(dialog, "SaveConstructionDialog", "Сохранить построение");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix("zef");
    if (!document.document().fileName().isEmpty())
        dialog.selectFile(document.document().fileName());
    if (dialog.exec() != QDialog::Accepted || !d) return false;
    const QString fileName = dialog.selectedFiles().value(0);
    if (fileName.isEmpty()) return false;
    RecentFiles::rememberFolderOf(fileName);
    const bool saved = runReportingErrors([&] {
        writeConstructionFile(d->document().construction(), fileName);
        d->document().setFileName(fileName);
        d->document().markSaved();
    });
    if (saved) recentFiles_->add(fileName);
    return saved;
}

// True when the document may go: nothing unsaved, or the user saved it or
// chose to discard it.
bool TMainForm::confirmClose(TMDIChild& document) {
    if (!document.document().isModified()) return true;
    workspace->setActiveSubWindow(&document);
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                    QString("Сохранить построение «%1»?").arg(document.windowTitle()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName("SaveQuestion");
    box.setDefaultButton(QMessageBox::Save);
    QPointer<TMDIChild> d = &document;
    const int answer = box.exec();
    if (!d) return false;
    if (answer == QMessageBox::Discard) return true;
    if (answer == QMessageBox::Save) return saveConstruction(*d);
    return false;
}

// A document's close passes here first: an unsaved one is let go only when
// the question allows it.
bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && !leaving_)
        if (auto* document = qobject_cast<TMDIChild*>(watched);
            document && !document->isClosing() && !confirmClose(*document)) {
            event->ignore();
            return true;
        }
    return QMainWindow::eventFilter(watched, event);
}

// Leaving asks about each unsaved document in turn; Cancel, or a save that
// did not happen, keeps the program and every document open.
void TMainForm::closeEvent(QCloseEvent* event) {
    for (TMDIChild* document : MDIChildren())
        if (!confirmClose(*document)) {
            event->ignore();
            return;
        }
    leaving_ = true;
    savePlacement();
    QMainWindow::closeEvent(event);
}
