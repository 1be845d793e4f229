// The elements of a superposition document as a table: kind, x, y,
// strength (Q, M or U), circulation and angle, one row per element. Values
// the element's kind uses can be edited; a value that is not a number or is
// out of its range is refused, and the document draws itself again after
// every change it takes.
#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <vector>

#include "document/mdi_child.h"
#include "flow/superposition/elements.h"

class SuperpositionModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Kind, X, Y, Strength, Circulation, Angle, ColumnCount };

    explicit SuperpositionModel(QObject* parent = nullptr);

    // The document shown, or none.
    void setDocument(TMDIChild* document);
    TMDIChild* document() const { return document_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  signals:
    // Why an edited value was not taken.
    void refused(const QString& problem);

  private:
    // Takes the document's elements again.
    void refresh();

    QPointer<TMDIChild> document_;
    QMetaObject::Connection changes_;
    std::vector<flow::superposition::Element> elements_;
};
