#include "app/superposition_panel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/errors.h"
#include "app/superposition_model.h"
#include "document/mdi_child.h"

QString superpositionCaption(const QString& name) {
    return name + " — суперпозиция";
}

SuperpositionPanel::SuperpositionPanel(QWidget* parent)
    : QDockWidget("Элементы суперпозиции", parent), model_(new SuperpositionModel(this)) {
    setObjectName("SuperpositionDock");
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    auto* holder = new QWidget;
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(4, 4, 4, 4);
    table_ = new QTableView;
    table_->setObjectName("SuperpositionTable");
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setMinimumWidth(330);
    column->addWidget(table_);
    remove_ = new QPushButton("Удалить элемент");
    remove_->setObjectName("SuperpositionRemove");
    column->addWidget(remove_);
    setWidget(holder);

    // Delete on the table itself; in a cell's editor it deletes text.
    table_->installEventFilter(this);
    connect(remove_, &QPushButton::clicked, this, &SuperpositionPanel::removeSelected);
    connect(model_, &SuperpositionModel::refused, this, &SuperpositionPanel::refused);
}

bool SuperpositionPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeSelected();
        return true;
    }
    return QDockWidget::eventFilter(watched, event);
}

void SuperpositionPanel::setDocument(TMDIChild* document) {
    model_->setDocument(document);
}

void SuperpositionPanel::removeSelected() {
    TMDIChild* document = model_->document();
    const QModelIndex current = table_->currentIndex();
    if (!document || !current.isValid()) {
        emit refused("Выберите в таблице элемент, который нужно удалить");
        return;
    }
    const int row = current.row();
    runReportingErrors([&] { document->document().removeSuperpositionElement(row); });
    // The next element (or the last) stays selected for another removal.
    const int rows = model_->rowCount();
    if (rows > 0) table_->selectRow(std::min(row, rows - 1));
}

void SuperpositionPanel::selectElement(int index) {
    table_->selectRow(index);
}
