// A document window: the flow field's picture, the slots that record the
// placed elements, the label editor, the velocity marker and the theta label.
#pragma once

#include <QMdiSubWindow>

#include "document/raster_surface.h"

class QLabel;
class QLineEdit;
class TImage;
class TMainForm;
class TShape;

class TMDIChild : public QMdiSubWindow {
    Q_OBJECT
  public:
    explicit TMDIChild(TMainForm* mainForm);

    RasterSurface& surface() { return surface_; }
    TMainForm* mainForm() const { return mainForm_; }
    bool isClosing() const { return closing_; }
    // The picture was refused for want of memory: the document must not open.
    bool pictureRefused() const { return pictureRefused_; }
    // No element placed: all seven element slots hold their sentinels.
    bool isEmpty() const;

    // The pointer shape over the picture is the document's armed flag.
    Qt::CursorShape pointer() const;
    void setPointer(Qt::CursorShape shape);

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

    void FormActivate();
    void ImageMouseMove(int x, int y);
    void ImageMouseDown(Qt::MouseButton button, int x, int y);
    void Shape1MouseDown();
    void showPopupMenu(const QPoint& globalPos);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void makeSlots(QWidget* holder);

    TMainForm* mainForm_;
    RasterSurface surface_;
    bool closing_ = false;
    bool pictureRefused_ = false;
};
