// The docked panel of a superposition document's elements: their table,
// edited in place, and the removal of the selected element by its button or
// the Delete key. The main window shows it while a superposition document
// is the active one.
#pragma once

#include <QDockWidget>

class QPushButton;
class QTableView;
class SuperpositionModel;
class TMDIChild;

// A superposition document's caption: the name and what it is.
QString superpositionCaption(const QString& name);

class SuperpositionPanel : public QDockWidget {
    Q_OBJECT
  public:
    explicit SuperpositionPanel(QWidget* parent = nullptr);

    // Shows the document's elements (none: shows nothing).
    void setDocument(TMDIChild* document);
    SuperpositionModel* model() const { return model_; }

    void removeSelected();
    // Highlights the element's row.
    void selectElement(int index);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    // Why an edit or a removal was not taken.
    void refused(const QString& problem);

  private:
    SuperpositionModel* model_;
    QTableView* table_;
    QPushButton* remove_;
};
