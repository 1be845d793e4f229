// The document's picture control: shows the bitmap 1:1 from the top-left
// corner and hands mouse presses and moves to the document.
#pragma once

#include <QWidget>

class RasterSurface;
class TMDIChild;

class TImage : public QWidget {
    Q_OBJECT
  public:
    TImage(TMDIChild* document, RasterSurface& surface, QWidget* parent);
    // Repaints just what the surface changed since the last repaint.
    void repaintChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    TMDIChild* document_;
    RasterSurface& surface_;
};
