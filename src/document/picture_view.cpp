#include "document/picture_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "document/raster_surface.h"

TImage::TImage(RasterSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setObjectName("Image");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

void TImage::repaintChanged() {
    const QRect changed = surface_.takeChangedRect();
    if (!changed.isEmpty()) update(changed);
}

void TImage::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QImage& picture = surface_.image();
    p.drawImage(event->rect().topLeft(), picture, event->rect());
    // Beyond the picture: the workspace's dark colour.
    const QRegion outside = QRegion(event->rect()) - QRegion(picture.rect());
    for (const QRect& r : outside) p.fillRect(r, palette().dark());
}

void TImage::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->position().toPoint());
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint());
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button(), event->position().toPoint());
}

void TImage::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    bool taken = false;
    if (notches != 0) emit wheeled(event->position().toPoint(), notches, event->modifiers(), taken);
    if (!taken) QWidget::wheelEvent(event);
}

void TImage::leaveEvent(QEvent*) {
    emit left();
}

void TImage::contextMenuEvent(QContextMenuEvent* event) {
    emit popupRequested(event->globalPos());
}
