// Documents and windows: new, close, exit, arrangement, the window list and
// the enabled states that follow the number of documents.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/superposition_panel.h"
#include "dialogs/field_size_dialog.h"
#include "document/mdi_child.h"
#include "document/raster_surface.h"

void TMainForm::N8Click() {
    openNewDocument(false);
}

void TMainForm::newSuperpositionClick() {
    openNewDocument(true);
}

TMDIChild* TMainForm::openNewDocument(bool superposition) {
    if (strengthPanel->isVisible()) resetStrengthPanel();
    const QString name = "ZEF NONAME" + QString::number(MDIChildCount() + 1);
    const QString caption = superposition ? superpositionCaption(name) : name;
    auto* child = new TMDIChild;
    if (superposition) child->document().makeSuperposition();
    // A bad field size is reported; the document then makes its picture at
    // its first use. A refused picture is reported and no document opens.
    bool refused = false;
    runReportingErrors([&] {
        try {
            child->createPicture(dialogs_.fieldSizeDialog->fieldSettings(), picturesInUse());
        } catch (const PictureRefused&) {
            refused = true;
            throw;
        }
    });
    if (refused) {
        delete child;
        newDocumentButton->setChecked(false);
        return nullptr;
    }
    connectDocument(child);
    child->document().setName(caption);
    workspace->addSubWindow(child);
    child->showMaximized();
    workspace->setActiveSubWindow(child);
    child->EditText->setFont(child->surface().qfont());
    newDocumentButton->setChecked(false);
    return child;
}

std::int64_t TMainForm::picturesInUse() const {
    std::int64_t bytes = 0;
    for (TMDIChild* open : MDIChildren()) bytes += open->surface().pictureBytes();
    return bytes;
}

void TMainForm::FileCloseItemClick() {
    if (TMDIChild* child = ActiveMDIChild()) child->close();
}

void TMainForm::FileExitItemClick() {
    close();
}

// Each window at least half the workspace in each direction, each next one
// a title bar's height lower and to the right; the stacking order stays, so
// the active window stays on top. QMdiArea's own cascade shrinks windows to
// their size hints, which for a picture is a bare title bar.
void TMainForm::WindowCascadeItemClick() {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : workspace->subWindowList(QMdiArea::StackingOrder))
        if (auto* child = qobject_cast<TMDIChild*>(window);
            child && !child->isClosing() && !child->isMinimized())
            windows.append(child);
    if (windows.isEmpty()) return;
    const QRect area = workspace->viewport()->rect();
    const int step = std::max(1, windows.first()->style()->pixelMetric(QStyle::PM_TitleBarHeight,
                                                                       nullptr, windows.first()));
    const int count = static_cast<int>(windows.size());
    const QSize size(std::max(area.width() / 2, area.width() - (count - 1) * step),
                     std::max(area.height() / 2, area.height() - (count - 1) * step));
    // When the offsets would carry a window beyond the workspace, the
    // cascade starts again at the top-left corner.
    const int places =
        1 + std::min(area.width() - size.width(), area.height() - size.height()) / step;
    for (int i = 0; i < count; ++i) {
        const int offset = (i % places) * step;
        windows[i]->showNormal();
        windows[i]->setGeometry(QRect(QPoint(offset, offset), size));
        windows[i]->raise();
    }
}

// One above the other, each the full width of the workspace. QMdiArea's own
// tiling makes a grid, so the windows are placed here.
void TMainForm::WindowTileItemClick() {
    QList<QMdiSubWindow*> windows;
    for (TMDIChild* child : MDIChildren())
        if (!child->isMinimized()) windows.append(child);
    if (windows.isEmpty()) return;
    const QRect area = workspace->viewport()->rect();
    const int height = area.height() / static_cast<int>(windows.size());
    for (int i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(0, i * height, area.width(), height);
    }
}

void TMainForm::WindowMinimizeItemClick() {
    const QList<TMDIChild*> children = MDIChildren();
    for (auto i = children.size() - 1; i >= 0; --i) children[i]->showMinimized();
}

void TMainForm::UpdateMenuItems() {
    const bool any = MDIChildCount() > 0;
    for (QAction* item : {closeItem, saveAsItem, saveConstructionItem, saveConstructionAsItem,
                          printItem, copyItem, cascadeItem, tileItem, minimizeAllItem})
        item->setEnabled(any);
}

// The window list: the three fixed items, then one entry per document with
// the active one checked.
void TMainForm::fillWindowMenu() {
    for (QAction* action : windowMenu->actions())
        if (!windowMenuFixed_.contains(action)) {
            windowMenu->removeAction(action);
            action->deleteLater();
        }
    const QList<TMDIChild*> children = MDIChildren();
    if (children.isEmpty()) return;
    windowMenu->addSeparator();
    TMDIChild* active = ActiveMDIChild();
    int number = 1;
    for (TMDIChild* child : children) {
        QAction* entry =
            windowMenu->addAction(QString("&%1 %2").arg(number++).arg(child->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(child == active);
        connect(entry, &QAction::triggered, this, [this, child] {
            if (MDIChildren().contains(child)) workspace->setActiveSubWindow(child);
        });
    }
}
