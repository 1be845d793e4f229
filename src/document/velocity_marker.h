// The velocity marker: a 6 x 6 red square outlined in blue that lies over the
// picture; a click on it draws the velocity vectors at its centre.
#pragma once

#include <QWidget>

class TShape : public QWidget {
    Q_OBJECT
  public:
    explicit TShape(QWidget* parent);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
