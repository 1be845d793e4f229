#include "document/picture_printing.h"

#include <QPainter>
#include <QPrinter>
#include <stdexcept>

#include "document/picture_export.h"

void printConstruction(const Construction& construction, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) throw std::runtime_error("Не удалось начать печать.");
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    paintConstruction(construction, painter, QRectF(QPointF(0, 0), page.size()));
    painter.end();
}
