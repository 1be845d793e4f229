#include "document/map_legend.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "document/picture_surface.h"
#include "flow/maps/legend.h"

namespace maps = flow::maps;

namespace {

constexpr int kMargin = 8;   // from the picture's edges
constexpr int kPadding = 4;  // inside the box
constexpr int kBarWidth = 12;
constexpr int kTickLength = 3;

QString quantityName(maps::MapQuantity quantity, bool inStream) {
    if (quantity == maps::MapQuantity::Pressure) return "Cp";
    return inStream ? "|V|/U" : "|V|";
}

}  // namespace

void paintLegend(QPainter& painter, QSize picture, const maps::ScaleMapping& mapping,
                 bool inStream) {
    const maps::Legend legend = maps::legendOf(mapping);
    painter.setFont(defaultPictureFont());
    painter.setPen(Qt::black);
    const QFontMetrics metrics = painter.fontMetrics();
    int textWidth = 0;
    for (const maps::LegendTick& tick : legend.ticks)
        textWidth =
            std::max(textWidth, metrics.horizontalAdvance(QString::fromStdString(tick.text)));
    const QString name = quantityName(mapping.quantity(), inStream);
    const int barHeight = std::clamp(picture.height() * 2 / 5, 60, 200);
    const int width =
        std::max(textWidth + kTickLength + 2 + kBarWidth, metrics.horizontalAdvance(name)) +
        2 * kPadding;
    const int height = metrics.height() + barHeight + metrics.height() + 2 * kPadding;
    const QRect box(picture.width() - kMargin - width, picture.height() - kMargin - height, width,
                    height);
    painter.fillRect(box, Qt::white);
    painter.drawText(QRect(box.left(), box.top() + kPadding, box.width(), metrics.height()),
                     Qt::AlignHCenter, name);

    const int barRight = box.right() - kPadding;
    const int barBottom = box.bottom() - kPadding - metrics.height() / 2;
    const int barTop = barBottom - barHeight;
    const auto count = static_cast<int>(legend.colours.size());
    for (int i = 0; i < count; ++i) {
        const int low = barBottom - barHeight * i / count;
        const int high = barBottom - barHeight * (i + 1) / count;
        painter.fillRect(QRect(QPoint(barRight - kBarWidth + 1, high + 1), QPoint(barRight, low)),
                         QColor::fromRgb(legend.colours[static_cast<std::size_t>(i)]));
    }
    painter.drawRect(QRect(QPoint(barRight - kBarWidth, barTop), QPoint(barRight, barBottom)));
    const int tickX = barRight - kBarWidth;
    for (const maps::LegendTick& tick : legend.ticks) {
        const int y = barBottom - static_cast<int>(tick.position * barHeight + 0.5);
        painter.drawLine(tickX - kTickLength, y, tickX, y);
        painter.drawText(
            QRect(box.left() + kPadding, y - metrics.height() / 2, textWidth, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(tick.text));
    }
}
