// A document window: the flow field's picture, the slots that record the
// placed elements, the label editor, the velocity marker and the theta label.
// It reports what happens on its picture with signals; the main window
// decides what that means.
#pragma once

#include <QMdiSubWindow>
#include <cstdint>
#include <stdexcept>

#include "document/raster_surface.h"

class QLabel;
class QLineEdit;
class TImage;
class TShape;

namespace flow {
class FieldSettings;
}

// A picture the document cannot have for want of memory.
class PictureRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TMDIChild : public QMdiSubWindow {
    Q_OBJECT
  public:
    TMDIChild();

    RasterSurface& surface() { return surface_; }
    bool isClosing() const { return closing_; }

    // Makes the white picture of the field size. A size that is no integer
    // or out of bounds throws; the document then gets a white picture as
    // large as its picture area at the first use of its surface. A picture
    // that would take the open documents' pictures (`picturesInUse` bytes)
    // past the memory budget, or whose memory cannot be had, throws
    // PictureRefused: the document must not open.
    void createPicture(const flow::FieldSettings& field, std::int64_t picturesInUse);

    // The pointer shape over the picture is the document's armed flag.
    Qt::CursorShape pointer() const;
    void setPointer(Qt::CursorShape shape);

    // The velocity marker follows the pointer over drawn pixels while the
    // velocity tool is down, and hides elsewhere.
    void trackMarker(int x, int y, bool velocityToolDown);

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
    void markerClicked();
    void popupRequested(QPoint globalPos);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void makeSlots(QWidget* holder);

    RasterSurface surface_;
    bool closing_ = false;
    bool pictureRefused_ = false;
};
