// Keeping a construction: the menu items that open and save construction
// files, print and copy the picture, their shortcuts, and the question asked
// before a document with unsaved drawing is closed or the program left.
#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QStatusBar>
#include <memory>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/menu_item.h"
#include "app/recent_files.h"
#include "app/superposition_panel.h"
#include "document/construction_file.h"
#include "document/mdi_child.h"

namespace {

constexpr const char* kConstructionFilter = "Построения ZEF (*.zef)";

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
    openConstructionItem = makeMenuItem(this, "OpenConstructionItem", "Открыть построение ...",
                                        "Open a saved construction", {QKeySequence("Ctrl+O")});
    saveConstructionItem =
        makeMenuItem(this, "SaveConstructionItem", "Сохранить построение ...",
                     "Save the construction of the current file", {QKeySequence("Ctrl+S")});
    saveConstructionAsItem =
        makeMenuItem(this, "SaveConstructionAsItem", "Сохранить построение &как ...",
                     "Save the construction in another file");
    printItem = makeMenuItem(this, "PrintItem", "Печать ...", "Print the current picture",
                             {QKeySequence("Ctrl+P")});
    copyItem = makeMenuItem(this, "CopyItem", "Копировать", "Copy the current picture",
                            {QKeySequence("Ctrl+C")});
    fileMenu->addAction(openConstructionItem);
    QMenu* recentMenu = fileMenu->addMenu("&Последние построения");
    recentMenu->setObjectName("RecentConstructionsMenu");
    recentMenu->menuAction()->setStatusTip("Open a construction used lately");
    recentFiles_ = new RecentFiles(recentMenu, this);
    fileMenu->addActions({saveConstructionItem, saveConstructionAsItem, printItem, copyItem});
    newDocumentItem->setShortcut(QKeySequence("Ctrl+N"));
    saveAsItem->setShortcut(QKeySequence("Ctrl+Shift+S"));
    closeItem->setShortcut(QKeySequence("Ctrl+W"));
    exitItem->setShortcut(QKeySequence("Ctrl+Q"));

    connect(openConstructionItem, &QAction::triggered, this,
            [this] { OpenConstructionItemClick(); });
    connect(saveConstructionItem, &QAction::triggered, this, [this] {
        if (TMDIChild* d = ActiveMDIChild()) saveConstruction(*d);
    });
    connect(saveConstructionAsItem, &QAction::triggered, this, [this] {
        if (TMDIChild* d = ActiveMDIChild()) saveConstructionAs(*d);
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

// Writes to the document's file without asking once it has one.
bool TMainForm::saveConstruction(TMDIChild& document) {
    const QString fileName = document.document().fileName();
    return fileName.isEmpty() ? saveConstructionAs(document)
                              : writeConstruction(document, fileName);
}

// Asks for the file, offering the one the document came from or was last
// saved to; true when the construction was written.
bool TMainForm::saveConstructionAs(TMDIChild& document) {
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
    return writeConstruction(*d, fileName);
}

bool TMainForm::writeConstruction(TMDIChild& document, const QString& fileName) {
    const bool saved = runReportingErrors([&] {
        writeConstructionFile(document.document().construction(), fileName);
        document.document().setFileName(fileName);
        document.document().markSaved();
    });
    if (!saved) return false;
    recentFiles_->add(fileName);
    showActiveDocumentInTitle();  // the file's name may have changed
    return true;
}

// True when the document may go: its own question, answered Save, saves as
// Ctrl+S does.
bool TMainForm::confirmClose(TMDIChild& document) {
    return document.maybeSave([this, &document] { return saveConstruction(document); });
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
