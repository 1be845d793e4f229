#include "document/picture_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "document/mdi_child.h"
#include "document/raster_surface.h"

TImage::TImage(TMDIChild* document, RasterSurface& surface, QWidget* parent)
    : QWidget(parent), document_(document), surface_(surface) {
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
    const QPoint at = event->position().toPoint();
    document_->ImageMouseDown(event->button(), at.x(), at.y());
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    document_->ImageMouseMove(at.x(), at.y());
}

void TImage::contextMenuEvent(QContextMenuEvent* event) {
    document_->showPopupMenu(event->globalPos());
}
