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
    if (!overlay_.isEmpty()) {
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawPath(overlay_);
    }
}

void TImage::setOverlay(const QPainterPath& overlay) {
    if (overlay.isEmpty() && overlay_.isEmpty()) return;
    overlay_ = overlay;
    update();
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

void TImage::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    if (event->button() == Qt::LeftButton) emit doubleClicked(event->position().toPoint());
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
