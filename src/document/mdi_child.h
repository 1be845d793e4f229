// A document window: the flow field's picture, the slots that record the
// placed elements, the label editor, the velocity marker and the theta label.
// It reports what happens on its picture with signals; the main window
// decides what that means.
#pragma once

#include <QMdiSubWindow>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>

#include "document/document.h"

class QLabel;
class QPainterPath;
class QLineEdit;
class QScrollArea;
class TImage;
class TShape;

namespace flow {
class FieldSettings;
}  // namespace flow

// A picture the document cannot have for want of memory.
class PictureRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TMDIChild : public QMdiSubWindow {
    Q_OBJECT
  public:
    TMDIChild();

    bool isClosing() const { return closing_; }
    // True when the window may close: nothing unsaved, or the user chose to
    // discard it, or chose to save it and `save` saved it. Asks with the
    // window made the active one.
    bool maybeSave(const std::function<bool()>& save);

    // Makes the white picture of the field size. A size that is no integer
    // or out of bounds throws; the document then gets a white picture as
    // large as its picture area at the first use of its surface. A picture
    // that would take the open documents' pictures (`picturesInUse` bytes)
    // past the memory budget, or whose memory cannot be had, throws
    // PictureRefused: the document must not open.
    void createPicture(const flow::FieldSettings& field, std::int64_t picturesInUse);
    void createPicture(QSize size, std::int64_t picturesInUse);

    // The construction the window shows; it changes only through it.
    Document& document() { return *document_; }
    RasterSurface& surface() { return document_->surface(); }
    bool isSuperposition() const { return document_->isSuperposition(); }

    // Makes the picture of an opened construction: draws its steps on a new
    // white picture of its field size (refused as createPicture says) and
    // takes its configuration and font. False when the tracer's work budget
    // left some of a superposition's lines undrawn.
    bool adoptConstruction(const Construction& construction, std::int64_t picturesInUse);

    // The label editor (EditText): opened where the text tool clicks, on the
    // label drawn there (to retype it, or remove it by emptying it) or for
    // a new one; committing draws the new label or keeps the new text as a
    // step. An edit of a drawn label is dropped when the history moves.
    void openLabel(int x, int y);
    void commitLabel();
    void dropLabelEdit();

    // The theta label beside a cylinder of radius r centred at (x, y).
    void showThetaLabel(int x, int y, int r);

    // The pointer shape over the picture is the document's armed flag.
    Qt::CursorShape pointer() const;
    void setPointer(Qt::CursorShape shape);

    // The velocity marker follows the pointer over drawn pixels of the
    // picture while the velocity tool is down, and hides elsewhere and when
    // the pointer leaves the picture.
    void trackMarker(int x, int y, bool velocityToolDown);
    // Whether the marker can be at (x, y): a drawn pixel of the picture.
    bool carriesMarker(int x, int y) const;

    // A contour being drawn, shown over the picture; empty: none.
    void showContourDraft(const QPainterPath& draft);

    TImage* Image;
    QLineEdit* EditText;
    TShape* Shape1;
    QLabel* Image1;
    QLabel* Image2;

    QLabel* XCIL;
    QLabel* YCIL;
    QLabel* RCIL;
    QLabel* Istok;
    QLabel* Stok;
    QLabel* X2;
    QLabel* Y2;
    QLabel* ISTOK2;
    QLabel* STOK2;
    QLabel* Dipol;
    QLabel* Vihrestok;
    QLabel* IorS;
    QLabel* Vihr;
    QLabel* A;

    void ImageMouseMove(int x, int y);
    void ImageMouseDown(Qt::MouseButton button, int x, int y);
    void Shape1MouseDown();
    void showPopupMenu(const QPoint& globalPos);

  signals:
    void pictureClicked(Qt::MouseButton button, QPoint at);
    void pointerMoved(QPoint at);
    void pictureReleased(Qt::MouseButton button, QPoint at);
    void pictureDoubleClicked(QPoint at);
    void pictureWheeled(QPoint at, int notches, Qt::KeyboardModifiers modifiers, bool& taken);
    void markerClicked();
    void popupRequested(QPoint globalPos);
    // A superposition's elements changed.
    void superpositionChanged();
    // Drawn again after a change, some of a superposition's lines were left
    // out for want of work.
    void linesCutShort();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void makeSlots(QWidget* holder);
    void fitPicture();
    // Shows the document's steps: the slots mirror its configuration, the
    // theta label follows its cylinder, the picture is repainted.
    void showSteps();
    void closeLabelEditor();

    Document* document_;
    QScrollArea* pictureArea_;
    bool closing_ = false;
    std::optional<std::size_t> editedLabel_;  // the drawn label the editor has open
    // What the slots and marks show, to follow the document's changes.
    Configuration shownConfiguration_;
    std::vector<flow::superposition::Element> shownElements_;
};
