#include "document/raster_surface.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Ellipses and texts are handed to the rasterizer only within this distance
// of the picture; its fixed-point arithmetic must never see far-off values.
constexpr double kFar = 1e6;

// Liang-Barsky: clips the segment to the rectangle; false when nothing is left.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, const QRectF& r) {
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - r.left(), r.right() - x1, y1 - r.top(), r.bottom() - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double sx = x1, sy = y1;
    x1 = sx + t0 * dx;
    y1 = sy + t0 * dy;
    x2 = sx + t1 * dx;
    y2 = sy + t1 * dy;
    return true;
}

}  // namespace

QColor toQColor(flow::Color color) { return QColor(color.red(), color.green(), color.blue()); }

flow::Color toFlowColor(const QColor& color) {
    return flow::Color::fromRgb(color.red(), color.green(), color.blue());
}

RasterSurface::RasterSurface() : font_("DejaVu Sans", 8) {}

RasterSurface::~RasterSurface() { endPainting(); }

void RasterSurface::createPicture(int width, int height) {
    endPainting();
    image_ = QImage(width, height, QImage::Format_RGB32);
    image_.fill(Qt::white);
}

void RasterSurface::ensurePicture() const {
    if (!image_.isNull()) return;
    QSize size = fallbackSize_ ? fallbackSize_() : QSize(1, 1);
    image_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image_.fill(Qt::white);
}

QPainter& RasterSurface::painter() {
    if (!painter_) {
        ensurePicture();
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
    }
    return *painter_;
}

void RasterSurface::endPainting() const { painter_.reset(); }

QRect RasterSurface::takeChangedRect() {
    const QRect changed = dirty_;
    dirty_ = QRect();
    return changed;
}

const QImage& RasterSurface::image() {
    endPainting();
    ensurePicture();
    return image_;
}

void RasterSurface::markChanged(const QRectF& area) {
    const QRect pixels = area.toAlignedRect().intersected(image_.rect());
    if (pixels.isEmpty()) return;
    const bool first = dirty_.isNull();
    dirty_ = dirty_.united(pixels);
    if (first && changed_) changed_();
}

void RasterSurface::applyPen(QPainter& p) const {
    QPen pen(toQColor(penColor_), std::max(penWidth_, 1),
             penStyle_ == flow::PenStyle::Dot ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(brushClear_ ? QBrush(Qt::NoBrush) : QBrush(toQColor(brushColor_)));
}

void RasterSurface::setBrushColor(flow::Color color) {
    brushClear_ = false;
    brushColor_ = color;
}

void RasterSurface::setFont(const flow::Font& font) {
    QFont f(QString::fromStdString(font.family), font.pointSize);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    font_ = f;
}

flow::Font RasterSurface::font() const {
    return {font_.family().toStdString(), font_.pointSize(), font_.bold(), font_.italic(),
            font_.underline(), font_.strikeOut()};
}

void RasterSurface::moveTo(std::int64_t x, std::int64_t y) {
    penX_ = x;
    penY_ = y;
}

void RasterSurface::lineTo(std::int64_t x, std::int64_t y) {
    drawClippedLine(static_cast<double>(penX_), static_cast<double>(penY_),
                    static_cast<double>(x), static_cast<double>(y));
    penX_ = x;
    penY_ = y;
}

void RasterSurface::drawClippedLine(double x1, double y1, double x2, double y2) {
    QPainter& p = painter();
    const double margin = penWidth_ + 2.0;
    const QRectF bounds = QRectF(image_.rect()).adjusted(-margin, -margin, margin, margin);
    if (!clipSegment(x1, y1, x2, y2, bounds)) return;
    applyPen(p);
    p.drawLine(QLineF(x1, y1, x2, y2));
    markChanged(QRectF(QPointF(x1, y1), QPointF(x2, y2))
                    .normalized()
                    .adjusted(-margin, -margin, margin, margin));
}

void RasterSurface::ellipse(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    QPainter& p = painter();
    const QRectF box = QRectF(QPointF(static_cast<double>(std::min(x1, x2)),
                                      static_cast<double>(std::min(y1, y2))),
                              QPointF(static_cast<double>(std::max(x1, x2)),
                                      static_cast<double>(std::max(y1, y2))));
    const double margin = penWidth_ + 2.0;
    const QRectF picture = QRectF(image_.rect()).adjusted(-margin, -margin, margin, margin);
    if (!box.adjusted(-margin, -margin, margin, margin).intersects(picture)) return;
    if (std::abs(box.left()) > kFar || std::abs(box.right()) > kFar ||
        std::abs(box.top()) > kFar || std::abs(box.bottom()) > kFar) {
        // Too large for the rasterizer: the outline as short clipped chords.
        const QPointF c = box.center();
        const double rx = box.width() / 2, ry = box.height() / 2;
        constexpr int kSteps = 4096;
        double px = c.x() + rx, py = c.y();
        for (int i = 1; i <= kSteps; ++i) {
            const double a = 2 * M_PI * i / kSteps;
            const double nx = c.x() + rx * std::cos(a), ny = c.y() + ry * std::sin(a);
            drawClippedLine(px, py, nx, ny);
            px = nx;
            py = ny;
        }
        return;
    }
    applyPen(p);
    p.drawEllipse(box.adjusted(0, 0, -1, -1));
    markChanged(box.adjusted(-margin, -margin, margin, margin));
}

void RasterSurface::textOut(std::int64_t x, std::int64_t y, const std::string& utf8) {
    QPainter& p = painter();
    if (std::abs(static_cast<double>(x)) > kFar || std::abs(static_cast<double>(y)) > kFar) return;
    const QString text = QString::fromStdString(utf8);
    p.setFont(font_);
    p.setPen(Qt::black);
    if (brushClear_) {
        p.setBackgroundMode(Qt::TransparentMode);
    } else {
        p.setBackgroundMode(Qt::OpaqueMode);
        p.setBackground(toQColor(brushColor_));
    }
    const QRectF area(QPointF(static_cast<double>(x), static_cast<double>(y)),
                      QFontMetricsF(font_).size(Qt::TextSingleLine, text));
    p.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    markChanged(area);
}

std::optional<flow::Color> RasterSurface::pixel(std::int64_t x, std::int64_t y) const {
    endPainting();
    ensurePicture();
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return std::nullopt;
    return toFlowColor(QColor(image_.pixel(static_cast<int>(x), static_cast<int>(y))));
}
