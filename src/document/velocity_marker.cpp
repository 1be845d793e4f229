#include "document/velocity_marker.h"

#include <QPainter>

TShape::TShape(QWidget* parent) : QWidget(parent) {
    setObjectName("Shape1");
    setFixedSize(6, 6);
    setToolTip("10");
    hide();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::red);
    p.setPen(QPen(Qt::blue, 2));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void TShape::mousePressEvent(QMouseEvent*) {
    emit clicked();
}
