#include "dialogs/dialog_glyphs.h"

#include <QPainter>
#include <QPixmap>
#include <functional>

namespace {

QIcon drawn(const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return QIcon(pixmap);
}

void arrow(QPainter& p, double y) {
    p.drawLine(QPointF(1, y), QPointF(14, y));
    p.drawLine(QPointF(14, y), QPointF(11, y - 2.5));
    p.drawLine(QPointF(14, y), QPointF(11, y + 2.5));
}

}  // namespace

QIcon colorChoiceGlyph() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(235, 215, 170));
        p.drawEllipse(QRectF(1, 2, 14, 12));
        const QColor dabs[] = {Qt::red, QColor(0, 128, 0), Qt::blue};
        const QPointF places[] = {{5, 6}, {9, 5}, {11, 9}};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i) {
            p.setBrush(dabs[i]);
            p.drawEllipse(places[i], 1.8, 1.8);
        }
    });
}

QIcon extraSettingsGlyph() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(1, 11, 15, 11);
        p.setPen(QPen(Qt::black, 3));
        p.drawLine(1, 14, 15, 14);
        p.setPen(QPen(QColor(0, 0, 160), 1.2));
        p.setBrush(QColor(250, 210, 60));
        p.drawPolygon(QPolygonF({{4, 8}, {12, 0.5}, {14.5, 3}, {7, 10.5}, {3.5, 9.5}}));
    });
}

QIcon streamGlyph() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(0, 0, 160), 1.2));
        arrow(p, 4);
        arrow(p, 8);
        arrow(p, 12);
    });
}
