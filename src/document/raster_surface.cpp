#include "document/raster_surface.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "document/segment_clip.h"
#include "flow/geometry.h"
#include "flow/vector_state.h"

namespace {

// Ellipses and texts are handed to the rasterizer only within this distance
// of the picture; its fixed-point arithmetic must never see far-off values.
constexpr double kFar = 1e6;

// Thin dotted lines drawn by the painter in one call.
constexpr std::size_t kLineBatch = 512;

// Pens are drawn between these widths: a thinner one as 1, a wider one as
// the widest, which already covers a picture of any allowed size.
constexpr int kMinPenWidth = 1;
constexpr int kMaxPenWidth = 1000;

// Whole pixels below and above a coordinate, held within the int range.
int toIntRange(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(v, static_cast<double>(std::numeric_limits<int>::min()),
                                       static_cast<double>(std::numeric_limits<int>::max())));
}

int floorToInt(double v) {
    return toIntRange(std::floor(v));
}

int ceilToInt(double v) {
    return toIntRange(std::ceil(v));
}

}  // namespace

RasterSurface::RasterSurface() : font_(defaultPictureFont()) {}

RasterSurface::~RasterSurface() {
    endPainting();
}

bool RasterSurface::createPicture(int width, int height) {
    endPainting();
    image_ = QImage(width, height, QImage::Format_RGB32);
    image_.fill(Qt::white);
    flow::clearUpperVectorState();
    pixels_.reset();
    return !image_.isNull();
}

void RasterSurface::ensurePicture() const {
    if (!image_.isNull()) return;
    QSize size = fallbackSize_ ? fallbackSize_() : QSize(1, 1);
    image_ = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image_.fill(Qt::white);
    flow::clearUpperVectorState();
    pixels_.reset();
}

QPainter& RasterSurface::painter() {
    if (!painter_) {
        ensurePicture();
        pixels_.reset();  // the painter writes through its own handle
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        penApplied_ = false;
    }
    return *painter_;
}

void RasterSurface::endPainting() const {
    drawPendingLines();
    painter_.reset();
    flow::clearUpperVectorState();
}

void RasterSurface::drawPendingLines() const {
    if (pendingLines_.empty()) return;
    painter_->drawLines(pendingLines_.data(), static_cast<int>(pendingLines_.size()));
    flow::clearUpperVectorState();
    pendingLines_.clear();
}

void RasterSurface::penChanged() {
    drawPendingLines();
    penApplied_ = false;
}

void RasterSurface::replacePicture(const QImage& picture) {
    endPainting();
    image_ = picture;
    pixels_.reset();
    markChangedPixels(0, 0, image_.width(), image_.height());
}

QRect RasterSurface::takeChangedRect() {
    const PixelBox box = dirty_;
    dirty_ = PixelBox{};
    if (box.left >= box.right) return QRect();
    return QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1));
}

const QImage& RasterSurface::image() {
    endPainting();
    ensurePicture();
    pixels_.reset();  // the caller may keep a copy sharing them
    return image_;
}

void RasterSurface::markChanged(double left, double top, double right, double bottom) {
    // The whole pixels the box touches, cut to the picture; the box lies
    // within the clipping margin, so the values fit in an int.
    markChangedPixels(std::max(0, floorToInt(left)), std::max(0, floorToInt(top)),
                      std::min(image_.width(), ceilToInt(right)),
                      std::min(image_.height(), ceilToInt(bottom)));
}

void RasterSurface::markChangedPixels(int x1, int y1, int x2, int y2) {
    if (x1 >= x2 || y1 >= y2) return;
    const bool first = dirty_.left >= dirty_.right;
    if (first) {
        dirty_ = {x1, y1, x2, y2};
        if (changed_) changed_();
        return;
    }
    dirty_.left = std::min(dirty_.left, x1);
    dirty_.top = std::min(dirty_.top, y1);
    dirty_.right = std::max(dirty_.right, x2);
    dirty_.bottom = std::max(dirty_.bottom, y2);
}

void RasterSurface::applyPen(QPainter& p) {
    if (penApplied_) return;
    QPen pen(toQColor(penColor_), drawnPenWidth(),
             penStyle_ == flow::PenStyle::Dot ? Qt::DotLine : Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(brushClear_ ? QBrush(Qt::NoBrush) : QBrush(toQColor(brushColor_)));
    penApplied_ = true;
}

void RasterSurface::setPenColor(flow::Color color) {
    if (color != penColor_) penChanged();
    penColor_ = color;
}

void RasterSurface::setPenWidth(int width) {
    if (width != penWidth_) penChanged();
    penWidth_ = width;
}

void RasterSurface::setPenStyle(flow::PenStyle style) {
    if (style != penStyle_) penChanged();
    penStyle_ = style;
}

void RasterSurface::setBrushColor(flow::Color color) {
    if (brushClear_ || color != brushColor_) penChanged();
    brushClear_ = false;
    brushColor_ = color;
}

void RasterSurface::setBrushClear() {
    if (!brushClear_) penChanged();
    brushClear_ = true;
}

int RasterSurface::drawnPenWidth() const {
    return std::clamp(penWidth_, kMinPenWidth, kMaxPenWidth);
}

std::optional<flow::Box> RasterSurface::reach() const {
    ensurePicture();
    // Lines are clipped to the picture widened by the pen's margin.
    const std::int64_t margin = drawnPenWidth() + 3;
    return flow::Box{-margin, -margin, image_.width() + margin, image_.height() + margin};
}

void RasterSurface::moveTo(std::int64_t x, std::int64_t y) {
    penX_ = x;
    penY_ = y;
}

void RasterSurface::lineTo(std::int64_t x, std::int64_t y) {
    if (drawsThinSolidLines()) {
        drawThinSolidLine(penX_, penY_, x, y);
    } else {
        drawClippedLine(static_cast<double>(penX_), static_cast<double>(penY_),
                        static_cast<double>(x), static_cast<double>(y));
    }
    penX_ = x;
    penY_ = y;
}

bool RasterSurface::drawsThinSolidLines() const {
    return drawnPenWidth() == 1 && penStyle_ == flow::PenStyle::Solid;
}

void RasterSurface::drawThinSolidLine(std::int64_t x1, std::int64_t y1, std::int64_t x2,
                                      std::int64_t y2) {
    // The pixels are written directly: whatever the painter holds goes in first.
    if (painter_) endPainting();
    if (!pixels_) {
        ensurePicture();
        pixels_ = writablePixels(image_);
    }
    const QRect drawn = drawThinLine(*pixels_, x1, y1, x2, y2,
                                     qRgb(penColor_.red(), penColor_.green(), penColor_.blue()));
    markChangedPixels(drawn.left(), drawn.top(), drawn.right() + 1, drawn.bottom() + 1);
}

void RasterSurface::drawClippedLine(double x1, double y1, double x2, double y2) {
    ensurePicture();
    const double margin = drawnPenWidth() + 2.0;
    if (!clipSegment(x1, y1, x2, y2, -margin, -margin, image_.width() + margin,
                     image_.height() + margin))
        return;
    if (drawsThinSolidLines()) {
        // Within the margin the ends are small enough to round exactly.
        drawThinSolidLine(flow::Round(x1), flow::Round(y1), flow::Round(x2), flow::Round(y2));
        return;
    }
    QPainter& p = painter();
    applyPen(p);
    if (drawnPenWidth() == 1) {
        pendingLines_.emplace_back(x1, y1, x2, y2);
        if (pendingLines_.size() >= kLineBatch) drawPendingLines();
    } else {
        p.drawLine(QLineF(x1, y1, x2, y2));
        flow::clearUpperVectorState();
    }
    markChanged(std::min(x1, x2) - margin, std::min(y1, y2) - margin, std::max(x1, x2) + margin,
                std::max(y1, y2) + margin);
}

void RasterSurface::ellipse(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    QPainter& p = painter();
    const QRectF box = QRectF(
        QPointF(static_cast<double>(std::min(x1, x2)), static_cast<double>(std::min(y1, y2))),
        QPointF(static_cast<double>(std::max(x1, x2)), static_cast<double>(std::max(y1, y2))));
    const double margin = drawnPenWidth() + 2.0;
    const QRectF picture = QRectF(image_.rect()).adjusted(-margin, -margin, margin, margin);
    if (!box.adjusted(-margin, -margin, margin, margin).intersects(picture)) return;
    if (std::abs(box.left()) > kFar || std::abs(box.right()) > kFar || std::abs(box.top()) > kFar ||
        std::abs(box.bottom()) > kFar) {
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
    drawPendingLines();
    applyPen(p);
    p.drawEllipse(box.adjusted(0, 0, -1, -1));
    flow::clearUpperVectorState();
    markChanged(box.left() - margin, box.top() - margin, box.right() + margin,
                box.bottom() + margin);
}

void RasterSurface::textOut(std::int64_t x, std::int64_t y, const std::string& utf8) {
    QPainter& p = painter();
    if (std::abs(static_cast<double>(x)) > kFar || std::abs(static_cast<double>(y)) > kFar) return;
    const QString text = QString::fromStdString(utf8);
    drawPendingLines();
    p.setFont(font_);
    p.setPen(Qt::black);
    penApplied_ = false;
    if (brushClear_) {
        p.setBackgroundMode(Qt::TransparentMode);
    } else {
        p.setBackgroundMode(Qt::OpaqueMode);
        p.setBackground(toQColor(brushColor_));
    }
    const QRectF area(QPointF(static_cast<double>(x), static_cast<double>(y)),
                      QFontMetricsF(font_).size(Qt::TextSingleLine, text));
    p.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    flow::clearUpperVectorState();
    markChanged(area.left(), area.top(), area.right(), area.bottom());
}

std::optional<flow::Color> RasterSurface::pixel(std::int64_t x, std::int64_t y) const {
    endPainting();
    ensurePicture();
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return std::nullopt;
    return flow::Color::of(QColor(image_.pixel(static_cast<int>(x), static_cast<int>(y))));
}

void RasterSurface::drawPicture(const QImage& image) {
    QPainter& p = painter();
    drawPendingLines();
    p.drawImage(0, 0, image);
    flow::clearUpperVectorState();
    markChangedPixels(0, 0, std::min(image_.width(), image.width()),
                      std::min(image_.height(), image.height()));
}
