// The window "Давление на поверхности тела": a modeless dialog with the
// chart of Cp along the body of the active document's flow, following the
// document's changes, and its export to PNG, SVG and CSV. A flow with no
// body gets a plain word instead of a chart.
#pragma once

#include <QDialog>
#include <QPointer>
#include <optional>

#include "document/body_pressure.h"
#include "flow/settings.h"

class Document;
class QLabel;
class QPushButton;

class PressureWindow : public QDialog {
    Q_OBJECT
  public:
    // `live`: the settings a parameter no step recorded is read from.
    PressureWindow(const flow::Settings& live, QWidget* parent);

    // The document to follow; none shows the word.
    void setDocument(Document* document);
    const std::optional<BodyPressure>& body() const { return body_; }
    // Writes the chart (PNG, SVG) or its samples (CSV) as the name's
    // extension says; throws std::runtime_error when it cannot.
    void exportTo(const QString& fileName) const;

  private:
    void refresh();
    void exportAs(const QString& suffix);

    flow::Settings live_;
    QPointer<Document> document_;
    QMetaObject::Connection following_;
    std::optional<BodyPressure> body_;
    QWidget* chart_;
    QLabel* message_;
    QList<QPushButton*> exports_;
};
