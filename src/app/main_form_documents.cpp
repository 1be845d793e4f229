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
#include <QToolButton>

#include "app/main_form.h"
#include "document/mdi_child.h"
#include "document/raster_surface.h"

void TMainForm::N8Click() {
    if (Panel1->isVisible()) resetStrengthPanel();
    const QString caption = "ZEF NONAME" + QString::number(MDIChildCount() + 1);
    auto* child = new TMDIChild(this);
    if (child->pictureRefused()) {
        delete child;
        SpeedButton3->setChecked(false);
        return;
    }
    child->setWindowTitle(caption);
    Workspace->addSubWindow(child);
    child->showMaximized();
    Workspace->setActiveSubWindow(child);
    child->EditText->setFont(child->surface().qfont());
    SpeedButton3->setChecked(false);
}

// Hides the strength panel and makes both of its rows usable again, source
// checked: whatever pair was half-armed on the main window's side is over.
void TMainForm::resetStrengthPanel() {
    Panel1->hide();
    setStrengthRowEnabled(false, true);
    setStrengthRowEnabled(true, true);
    RadioButton1->setChecked(true);
}

void TMainForm::FileCloseItemClick() {
    if (TMDIChild* child = ActiveMDIChild()) child->close();
}

void TMainForm::FileExitItemClick() {
    close();
}

void TMainForm::WindowCascadeItemClick() {
    Workspace->cascadeSubWindows();
}

// One above the other, each the full width of the workspace. QMdiArea's own
// tiling makes a grid, so the windows are placed here.
void TMainForm::WindowTileItemClick() {
    QList<QMdiSubWindow*> windows;
    for (TMDIChild* child : MDIChildren())
        if (!child->isMinimized()) windows.append(child);
    if (windows.isEmpty()) return;
    const QRect area = Workspace->viewport()->rect();
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
    for (QAction* item :
         {FileCloseItem, FileSaveAsItem, WindowCascadeItem, WindowTileItem, WindowMinimizeItem})
        item->setEnabled(any);
}

// The window list: the three fixed items, then one entry per document with
// the active one checked.
void TMainForm::fillWindowMenu() {
    for (QAction* action : WindowMenu->actions())
        if (!windowMenuFixed_.contains(action)) {
            WindowMenu->removeAction(action);
            action->deleteLater();
        }
    const QList<TMDIChild*> children = MDIChildren();
    if (children.isEmpty()) return;
    WindowMenu->addSeparator();
    TMDIChild* active = ActiveMDIChild();
    int number = 1;
    for (TMDIChild* child : children) {
        QAction* entry =
            WindowMenu->addAction(QString("&%1 %2").arg(number++).arg(child->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(child == active);
        connect(entry, &QAction::triggered, this, [this, child] {
            if (MDIChildren().contains(child)) Workspace->setActiveSubWindow(child);
        });
    }
}
