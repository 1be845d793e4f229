// The document's picture control: shows the bitmap 1:1 from the top-left
// corner, with an outline being drawn over it, and reports mouse presses,
// moves, double-clicks, the pointer leaving it and popup requests.
#pragma once

#include <QPainterPath>
#include <QWidget>

class RasterSurface;

class TImage : public QWidget {
    Q_OBJECT
  public:
    TImage(RasterSurface& surface, QWidget* parent);
    // Repaints just what the surface changed since the last repaint.
    void repaintChanged();
    // A dashed outline over the picture, not drawn into it; empty: none.
    void setOverlay(const QPainterPath& overlay);

  signals:
    void pressed(Qt::MouseButton button, QPoint at);
    void moved(QPoint at);
    void released(Qt::MouseButton button, QPoint at);
    // After the press it also is.
    void doubleClicked(QPoint at);
    // Whole notches of the wheel (positive away from the user); a receiver
    // that uses them sets `taken`, or the picture's area scrolls.
    void wheeled(QPoint at, int notches, Qt::KeyboardModifiers modifiers, bool& taken);
    void left();
    void popupRequested(QPoint globalPos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    RasterSurface& surface_;
    QPainterPath overlay_;
};
