#include "document/vector_surface.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "document/segment_clip.h"

namespace {

// A pixel's centre: where the raster picture's lines and outlines run.
constexpr double kCentre = 0.5;

// The font as large on the page as in the picture, whatever the resolution
// the page device counts points in.
QFont pageFont(const QFont& font, const QPaintDevice& page) {
    if (font.pointSizeF() <= 0) return font;
    static const int pictureDpi = QImage(1, 1, QImage::Format_RGB32).logicalDpiY();
    QFont scaled = font;
    scaled.setPointSizeF(font.pointSizeF() * pictureDpi / page.logicalDpiY());
    return scaled;
}

}  // namespace

VectorSurface::VectorSurface(QPainter& painter, QSize picture)
    : painter_(painter), picture_(picture) {
    painter_.setClipRect(QRect(QPoint(0, 0), picture_));
    painter_.fillRect(QRect(QPoint(0, 0), picture_), Qt::white);
}

VectorSurface::~VectorSurface() {
    drawChain();
}

void VectorSurface::setPenColor(flow::Color color) {
    if (color == penColor_) return;
    drawChain();
    penColor_ = color;
    penApplied_ = false;
}

void VectorSurface::setPenWidth(int width) {
    if (width == penWidth_) return;
    drawChain();
    penWidth_ = width;
    penApplied_ = false;
}

void VectorSurface::setPenStyle(flow::PenStyle style) {
    if (style == penStyle_) return;
    drawChain();
    penStyle_ = style;
    penApplied_ = false;
}

void VectorSurface::setBrushColor(flow::Color color) {
    drawChain();
    brushClear_ = false;
    brushColor_ = color;
    penApplied_ = false;
}

void VectorSurface::setBrushClear() {
    drawChain();
    brushClear_ = true;
    penApplied_ = false;
}

void VectorSurface::drawChain() {
    if (chain_.isEmpty()) return;
    applyPen();
    painter_.drawPolyline(chain_);
    chain_.clear();
}

void VectorSurface::applyPen() {
    if (penApplied_) return;
    penApplied_ = true;
    painter_.setPen(QPen(toQColor(penColor_), std::max(penWidth_, 1),
                         penStyle_ == flow::PenStyle::Dot ? Qt::DotLine : Qt::SolidLine,
                         Qt::RoundCap, Qt::RoundJoin));
    painter_.setBrush(brushClear_ ? QBrush(Qt::NoBrush) : QBrush(toQColor(brushColor_)));
}

void VectorSurface::moveTo(std::int64_t x, std::int64_t y) {
    penX_ = x;
    penY_ = y;
}

void VectorSurface::lineTo(std::int64_t x, std::int64_t y) {
    double x1 = static_cast<double>(penX_) + kCentre, y1 = static_cast<double>(penY_) + kCentre;
    double x2 = static_cast<double>(x) + kCentre, y2 = static_cast<double>(y) + kCentre;
    penX_ = x;
    penY_ = y;
    const double margin = penWidth_ + 2.0;
    if (!clipSegment(x1, y1, x2, y2, -margin, -margin, picture_.width() + margin,
                     picture_.height() + margin))
        return;
    if (chain_.isEmpty() || chain_.last() != QPointF(x1, y1)) {
        drawChain();
        chain_ << QPointF(x1, y1);
    }
    chain_ << QPointF(x2, y2);
}

void VectorSurface::ellipse(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    const QRectF box(
        QPointF(static_cast<double>(std::min(x1, x2)), static_cast<double>(std::min(y1, y2))),
        QPointF(static_cast<double>(std::max(x1, x2)), static_cast<double>(std::max(y1, y2))));
    const double margin = penWidth_ + 2.0;
    const QRectF picture =
        QRectF(QPointF(0, 0), QSizeF(picture_)).adjusted(-margin, -margin, margin, margin);
    if (!box.adjusted(-margin, -margin, margin, margin).intersects(picture)) return;
    drawChain();
    applyPen();
    painter_.drawEllipse(box.adjusted(kCentre, kCentre, -kCentre, -kCentre));
}

// The text in black on the brush, as the picture draws it.
void VectorSurface::textOut(std::int64_t x, std::int64_t y, const std::string& utf8) {
    const QString text = QString::fromStdString(utf8);
    const QRectF area(QPointF(static_cast<double>(x), static_cast<double>(y)),
                      QFontMetricsF(font_).size(Qt::TextSingleLine, text));
    if (!area.intersects(QRectF(QPointF(0, 0), QSizeF(picture_)))) return;
    drawChain();
    penApplied_ = false;
    if (!brushClear_) painter_.fillRect(area, toQColor(brushColor_));
    painter_.setFont(pageFont(font_, *painter_.device()));
    painter_.setPen(Qt::black);
    painter_.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

// Embedded as an image: the vector lines drawn after it stay lines.
void VectorSurface::drawPicture(const QImage& image) {
    drawChain();
    painter_.drawImage(QPointF(0, 0), image);
}
