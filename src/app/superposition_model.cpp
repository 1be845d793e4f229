#include "app/superposition_model.h"

#include <QLocale>

#include "app/errors.h"
#include "document/element_caption.h"
#include "document/mdi_child.h"
#include "document/quoted_text.h"
#include "flow/superposition/element_text.h"

namespace sp = flow::superposition;

namespace {

bool used(sp::ElementKind kind, int column) {
    switch (column) {
        case SuperpositionModel::X:
        case SuperpositionModel::Y:
            return true;
        case SuperpositionModel::Strength:
            return sp::hasStrength(kind);
        case SuperpositionModel::Circulation:
            return sp::hasCirculation(kind);
        case SuperpositionModel::Angle:
            return sp::hasAngle(kind);
    }
    return false;
}

double* valueOf(sp::Element& e, int column) {
    switch (column) {
        case SuperpositionModel::X:
            return &e.x;
        case SuperpositionModel::Y:
            return &e.y;
        case SuperpositionModel::Strength:
            return &e.strength;
        case SuperpositionModel::Circulation:
            return &e.circulation;
        case SuperpositionModel::Angle:
            return &e.angle;
    }
    return nullptr;
}

}  // namespace

SuperpositionModel::SuperpositionModel(QObject* parent) : QAbstractTableModel(parent) {}

void SuperpositionModel::setDocument(TMDIChild* document) {
    if (document == document_) return;
    disconnect(changes_);
    document_ = document;
    if (document)
        changes_ =
            connect(document, &TMDIChild::superpositionChanged, this, &SuperpositionModel::refresh);
    refresh();
}

void SuperpositionModel::refresh() {
    std::vector<sp::Element> now;
    if (document_) now = document_->document().superpositionElements();
    if (now.size() != elements_.size()) {
        beginResetModel();
        elements_ = std::move(now);
        endResetModel();
        return;
    }
    // Only the rows that changed: a drag changes one row on every move.
    const auto differs = [&](std::size_t row) { return now[row] != elements_[row]; };
    std::size_t first = 0, last = now.size();
    while (first < last && !differs(first)) ++first;
    while (last > first && !differs(last - 1)) --last;
    elements_ = std::move(now);
    if (first < last)
        emit dataChanged(index(static_cast<int>(first), 0),
                         index(static_cast<int>(last) - 1, ColumnCount - 1));
}

int SuperpositionModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(elements_.size());
}

int SuperpositionModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SuperpositionModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    sp::Element e = elements_[static_cast<std::size_t>(index.row())];
    if (index.column() == Kind) return elementCaption(e.kind);
    if (!used(e.kind, index.column())) return {};
    return QString::number(*valueOf(e, index.column()), 'g', 10);
}

QVariant SuperpositionModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    switch (section) {
        case Kind:
            return "Элемент";
        case X:
            return "x";
        case Y:
            return "y";
        case Strength:
            return "Q, M, U";
        case Circulation:
            return "Г";
        case Angle:
            return "Угол, °";
    }
    return {};
}

Qt::ItemFlags SuperpositionModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= rowCount()) return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const sp::ElementKind kind = elements_[static_cast<std::size_t>(index.row())].kind;
    return used(kind, index.column()) ? shown | Qt::ItemIsEditable : shown;
}

bool SuperpositionModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable) || !document_) return false;
    bool number = false;
    const double v = QLocale::c().toDouble(value.toString().trimmed().replace(',', '.'), &number);
    if (!number) {
        emit refused(QString("%1 не число").arg(quoted(value.toString())));
        return false;
    }
    sp::Element e = elements_[static_cast<std::size_t>(index.row())];
    *valueOf(e, index.column()) = v;
    if (const auto problem = sp::elementProblem(e)) {
        emit refused(QString::fromStdString(*problem));
        return false;
    }
    return runReportingErrors(
        [&] { document_->document().changeSuperpositionElement(index.row(), e); });
}
