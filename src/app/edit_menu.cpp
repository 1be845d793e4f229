// The "&Правка" menu: undo and redo of the active document's steps, and
// removing its element. The items follow the active document's history.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QUndoGroup>
#include <QUndoStack>

#include "app/errors.h"
#include "app/main_form.h"
#include "app/menu_item.h"
#include "app/superposition_panel.h"
#include "document/configuration_slots.h"
#include "document/mdi_child.h"

namespace {

// "&Отменить: линии тока"; the bare caption when there is nothing to name.
void nameStep(QAction* item, const QString& caption, const QString& step) {
    item->setText(step.isEmpty() ? caption : caption + ": " + step);
}

}  // namespace

// Made right after "&Действие", so it stands next to it.
void TMainForm::addEditMenu() {
    histories_ = new QUndoGroup(this);
    undoItem =
        makeMenuItem(this, "UndoItem", "&Отменить", "Undo the last step", {QKeySequence("Ctrl+Z")});
    redoItem = makeMenuItem(this, "RedoItem", "&Повторить", "Redo the step undone",
                            {QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    deleteElementItem = makeMenuItem(this, "DeleteElementItem", "Удалить элемент",
                                     "Remove the placed element and everything drawn for it",
                                     {QKeySequence::Delete});
    // Delete belongs to the document windows (connectDocument adds it to
    // each): in the superposition table it keeps its own meaning.
    deleteElementItem->setShortcutContext(Qt::WidgetWithChildrenShortcut);

    QMenu* editMenu = menuBar()->addMenu("&Правка");
    editMenu->setObjectName("EditMenu");
    editMenu->menuAction()->setStatusTip("Undo, redo and remove");
    editMenu->addActions({undoItem, redoItem});
    editMenu->addSeparator();
    editMenu->addAction(deleteElementItem);

    nameStep(undoItem, "&Отменить", {});
    nameStep(redoItem, "&Повторить", {});
    undoItem->setEnabled(false);
    redoItem->setEnabled(false);
    connect(histories_, &QUndoGroup::canUndoChanged, undoItem, &QAction::setEnabled);
    connect(histories_, &QUndoGroup::canRedoChanged, redoItem, &QAction::setEnabled);
    connect(histories_, &QUndoGroup::undoTextChanged, undoItem,
            [this](const QString& step) { nameStep(undoItem, "&Отменить", step); });
    connect(histories_, &QUndoGroup::redoTextChanged, redoItem,
            [this](const QString& step) { nameStep(redoItem, "&Повторить", step); });
    connect(undoItem, &QAction::triggered, this, [this] { stepHistory(true); });
    connect(redoItem, &QAction::triggered, this, [this] { stepHistory(false); });
    connect(deleteElementItem, &QAction::triggered, this, &TMainForm::deleteElementClick);
}

void TMainForm::followHistory(TMDIChild* document) {
    if (!document) return histories_->setActiveStack(nullptr);
    QUndoStack* history = &document->document().history();
    if (!histories_->stacks().contains(history)) histories_->addStack(history);
    histories_->setActiveStack(history);
}

void TMainForm::stepHistory(bool back) {
    endDrag(false);
    finishWheelSeries();
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    d->dropLabelEdit();
    runReportingErrors([&] {
        QUndoStack& history = d->document().history();
        back ? history.undo() : history.redo();
    });
    followSteps(*d);
}

// The tools and the strength panel as the document's steps now leave them:
// a pair waiting for its second point has the panel and the pair tool
// ready for it; otherwise a panel left from a pair is put away.
void TMainForm::followSteps(TMDIChild& d) {
    if (readConfiguration(d).pairAwaitsSecondPoint()) {
        FormActivate(d);
        d.setPointer(Qt::CrossCursor);
        return;
    }
    if (strengthPanel->isVisible() && pairTool->isChecked()) {
        resetStrengthPanel();
        pairTool->setChecked(false);
        d.setPointer(Qt::ArrowCursor);
    }
}

void TMainForm::deleteElementClick() {
    TMDIChild* d = ActiveMDIChild();
    if (!d) return;
    if (d->isSuperposition()) return superpositionPanel->removeSelected();
    const bool removed = runReportingErrors([&] {
        if (!d->document().removeElement()) explain(Unchanged::NoElement);
    });
    if (removed) followSteps(*d);
}
